#include "widgets.h"

#include "appearance.h"
#include "clickable_label.h"
#include "qt_text.h"

#include <QApplication>
#include <QGroupBox>
#include <QHash>
#include <QIcon>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>

#include <algorithm>

namespace vorlank::ui::qt
{

namespace
{
QRect pixels(const TwipRect &r)
{
    return { r.left / twipsPerPixel, r.top / twipsPerPixel, r.width / twipsPerPixel,
        r.height / twipsPerPixel };
}

QLabel *label(const Element &e, QWidget *parent)
{
    QLabel *l = e.click == Action::None ? new QLabel(parent) : new ClickableLabel(parent);
    if (e.kind == Kind::Picture) {
        const bool first = e.artwork == Artwork::FirstProduct;
        l->setPixmap(picture(first ? QStringLiteral(":/assets/product1.png")
                                   : QStringLiteral(":/assets/product2.png")));
        l->setAccessibleName(toQString(first ? texts::firstProduct : texts::secondProduct));
    } else {
        l->setText(toQString(e.caption));
        l->setAccessibleName(l->text());
        l->setWordWrap(e.face == Face::Window);
    }
    if (e.face == Face::Character) {
        l->setFont(characterFont());
        l->setAlignment(Qt::AlignCenter);
    } else {
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    if (e.click != Action::None)
        l->setCursor(Qt::PointingHandCursor);
    return l;
}

// The frames are drawn as in a classic dialog, the border through the middle of the title, which
// is what their contents' positions were laid out for. Other styles put the title above the
// border and the border under the first row of contents.
QStyle *classicFrameStyle()
{
    static QStyle *style = [] {
        QStyle *classic = QStyleFactory::create(QStringLiteral("Windows"));
        classic->setParent(qApp);
        return classic;
    }();
    return style;
}

QWidget *create(const Element &e, QWidget *parent)
{
    const QString caption = toQString(e.caption);
    switch (e.kind) {
    case Kind::GroupBox: {
        auto *frame = new QGroupBox(caption, parent);
        frame->setStyle(classicFrameStyle());
        return frame;
    }
    case Kind::OptionButton:
        return new QRadioButton(caption, parent);
    case Kind::Button: {
        auto *button = new QPushButton(caption, parent);
        // Enter presses the focused button, as in a dialog.
        button->setAutoDefault(true);
        return button;
    }
    case Kind::Label:
    case Kind::Picture:
        return label(e, parent);
    case Kind::TextBlock:
    case Kind::List:
        break;
    }
    return nullptr;
}
} // namespace

Widgets buildWidgets(QWidget *window)
{
    window->setObjectName(QStringLiteral("Form1"));
    window->setWindowTitle(toQString(texts::windowTitle));
    window->setWindowIcon(windowIcon());
    window->setFont(windowFont());
    window->setFixedSize(pixels(clientArea).size());

    Widgets widgets;
    QHash<QString, QWidget *> byName;
    std::vector<std::pair<int, QWidget *>> keyboardOrder;
    for (const Element &e : elements()) {
        if (!isShown(e.kind))
            continue;
        const QString name
            = QString::fromLatin1(e.name.data(), static_cast<qsizetype>(e.name.size()));
        QWidget *parent = e.container.empty() ? window
                                              : byName.value(QString::fromLatin1(e.container.data(),
                                                  static_cast<qsizetype>(e.container.size())));
        QWidget *w = create(e, parent);
        w->setObjectName(name);
        w->setGeometry(pixels(e.twips));
        if (!e.caption.empty() && w->accessibleName().isEmpty())
            w->setAccessibleName(toQString(e.caption));
        byName.insert(name, w);
        if (e.kind == Kind::Button || e.kind == Kind::OptionButton)
            keyboardOrder.emplace_back(e.tabIndex, w);
        if (e.click != Action::None)
            widgets.clickable.emplace_back(w, e.click);
    }
    widgets.character = qobject_cast<QLabel *>(byName.value(QStringLiteral("Label2")));
    widgets.prompt = qobject_cast<QLabel *>(byName.value(QStringLiteral("Label3")));
    widgets.recognised = qobject_cast<QRadioButton *>(byName.value(QStringLiteral("Option1(0)")));

    // The design's tab indexes give the keyboard order; labels and pictures take no focus.
    std::sort(keyboardOrder.begin(), keyboardOrder.end());
    for (std::size_t i = 1; i < keyboardOrder.size(); ++i)
        QWidget::setTabOrder(keyboardOrder[i - 1].second, keyboardOrder[i].second);
    // As in a dialog, a control earlier in the keyboard order lies above a later one it overlaps.
    // The rectangle of 认识 reaches into that of 不认识, over the left of its circle, and the
    // widget on top takes every click in its rectangle: 不认识, whose text lies further right,
    // goes on top, so each circle takes its own clicks.
    std::for_each(keyboardOrder.rbegin(), keyboardOrder.rend(),
        [](const std::pair<int, QWidget *> &control) { control.second->raise(); });
    keyboardOrder.front().second->setFocus();
    return widgets;
}

} // namespace vorlank::ui::qt
