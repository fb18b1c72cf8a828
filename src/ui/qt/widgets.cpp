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
#include <span>

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
    } else {
        l->setText(toQString(e.caption));
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
    QHash<const Element *, QWidget *> built;
    for (const Element &e : elements()) {
        if (!isShown(e.kind))
            continue;
        QWidget *parent = e.container.empty() ? window : built.value(&element(e.container));
        QWidget *w = create(e, parent);
        // The designer's names, for a reader of the widget tree; nothing looks a widget up by one.
        w->setObjectName(QString::fromLatin1(e.name.data(), static_cast<qsizetype>(e.name.size())));
        w->setGeometry(pixels(e.twips));
        w->setAccessibleName(toQString(accessibleName(e)));
        built.insert(&e, w);
        if (e.click != Action::None)
            widgets.clickable.emplace_back(w, e.click);
    }
    widgets.character = qobject_cast<QLabel *>(built.value(&elementFor(Role::Character)));
    widgets.prompt = qobject_cast<QLabel *>(built.value(&elementFor(Role::Prompt)));
    widgets.recognised = qobject_cast<QRadioButton *>(built.value(&elementFor(Role::Recognised)));

    // Tab follows the keyboard order, and its first control takes the focus; labels and pictures
    // take none.
    const std::span<const Element *const> keyboard = keyboardOrder();
    for (std::size_t i = 1; i < keyboard.size(); ++i)
        QWidget::setTabOrder(built.value(keyboard[i - 1]), built.value(keyboard[i]));
    for (const Element *e : keyboard)
        if (e->kind == Kind::OptionButton)
            widgets.answers.push_back(qobject_cast<QRadioButton *>(built.value(e)));
    // Stacked as in a dialog, earlier above later: the rectangle of 认识 reaches into that of
    // 不认识, over the left of its circle, and the widget on top takes every click in its
    // rectangle: 不认识, whose text lies further right, lies on top, so each circle takes its own
    // clicks.
    const std::span<const Element *const> stacking = stackingOrder();
    std::for_each(
        stacking.rbegin(), stacking.rend(), [&](const Element *e) { built.value(e)->raise(); });
    built.value(keyboard.front())->setFocus();
    return widgets;
}

} // namespace vorlank::ui::qt
