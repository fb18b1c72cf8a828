#include "widgets.h"

#include "announcer.h"
#include "appearance.h"
#include "clickable_label.h"
#include "qt_text.h"
#include "ui/elements.h"

#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>
#include <span>

namespace vorlank::ui::qt
{

namespace
{
QRect pixelRect(const TwipRect &r)
{
    return { pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height) };
}

QLabel *label(const Element &e, QWidget *parent)
{
    QLabel *l = e.click == Action::None ? new QLabel(parent) : new ClickableLabel(parent);
    if (e.kind == Kind::Picture)
        l->setPixmap(picture(QStringLiteral(":/assets/%1.png").arg(QLatin1StringView(e.asset))));
    else
        l->setText(toQString(e.caption));
    const bool paragraph = e.alignment == Alignment::TopLeftWrapped;
    l->setWordWrap(paragraph && e.kind == Kind::Label);
    l->setAlignment(paragraph ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignCenter);
    if (e.face == Face::Character)
        l->setFont(characterFont());
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

// An answer's focus ring in the text's colour, which stands out from the face as a focus
// indicator must (3:1 at the least), where the toolkit's own style draws a faint blue line.
class FocusRingStyle : public QProxyStyle
{
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
        const QWidget *widget) const override
    {
        if (element != PE_FrameFocusRect) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        painter->save();
        painter->setPen(option->palette.windowText().color());
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
};

QStyle *focusRingStyle()
{
    static QStyle *style = [] {
        auto *ring = new FocusRingStyle;
        ring->setParent(qApp);
        return ring;
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
    case Kind::OptionButton: {
        auto *option = new QRadioButton(caption, parent);
        option->setStyle(focusRingStyle());
        return option;
    }
    case Kind::Button: {
        auto *button = new QPushButton(caption, parent);
        // Enter presses the focused button, as in a dialog.
        button->setAutoDefault(true);
        return button;
    }
    case Kind::Label:
    case Kind::Picture:
        break;
    }
    return label(e, parent);
}
} // namespace

std::vector<QWidget *> buildWidgets(QWidget *window)
{
    // Before any widget is made, whose description a screen reader may ask for at once.
    describeToScreenReaders();
    window->setWindowIcon(windowIcon());
    window->setFont(windowFont());
    window->setFixedSize(pixelRect(clientArea).size());

    std::vector<QWidget *> built(elements().size());
    for (const Element &e : elements()) {
        const Element *box = containerOf(e);
        QWidget *parent = box ? built[indexOf(*box)] : window;
        QWidget *w = create(e, parent);
        // The designer's names, for a reader of the widget tree; nothing looks a widget up by one.
        w->setObjectName(QString::fromLatin1(e.name.data(), static_cast<qsizetype>(e.name.size())));
        w->setGeometry(pixelRect(e.twips));
        w->setAccessibleName(toQString(accessibleName(e)));
        built[indexOf(e)] = w;
    }
    const auto widget = [&](const Element *e) { return built[indexOf(*e)]; };

    // Stacked as in a dialog, earlier above later: the rectangle of 认识 reaches into that of
    // 不认识, over the left of its circle, and the widget on top takes every click in its
    // rectangle: 不认识, whose text lies further right, lies on top, so each circle takes its own
    // clicks.
    const std::span<const Element *const> stacking = stackingOrder();
    std::for_each(
        stacking.rbegin(), stacking.rend(), [&](const Element *e) { widget(e)->raise(); });
    // The first stop takes the focus; labels and pictures take none.
    widget(keyboardStops(Keyboard::Window).front().front())->setFocus();
    return built;
}

} // namespace vorlank::ui::qt
