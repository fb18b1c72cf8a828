#include "main_window.h"

#include "announcer.h"
#include "boxes.h"
#include "clickable_label.h"
#include "qt_text.h"
#include "widgets.h"

#include <QAbstractButton>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>

#include <algorithm>

namespace vorlank::ui::qt
{

MainWindow::MainWindow(launch::Shell &shell, runtime::RandomSource &random, QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
            | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , state_(Opener::Desktop, random) // the window's load: the bands are filled before it shows
    , shell_(shell)
    , widgets_(buildWidgets(this))
    , announcer_(new Announcer(this))
{
    for (const Element &e : elements()) {
        if (e.click == Action::None)
            continue;
        const auto click = [this, &e] { present(state_.click(e)); };
        if (auto *button = qobject_cast<QAbstractButton *>(widget(e)))
            connect(button, &QAbstractButton::clicked, this, click);
        else if (auto *label = qobject_cast<ClickableLabel *>(widget(e)))
            connect(label, &ClickableLabel::clicked, this, click);
        if (e.kind == Kind::OptionButton)
            widget(e)->installEventFilter(this);
    }
    draw(state_.view());
}

const Element *MainWindow::elementOf(const QObject *w) const
{
    const auto found = std::find(widgets_.begin(), widgets_.end(), w);
    return found == widgets_.end()
        ? nullptr
        : &elements()[static_cast<std::size_t>(found - widgets_.begin())];
}

void MainWindow::draw(const View &view)
{
    // A window that cannot work takes no clicks. (view.testUnderWay is left: closing a desktop
    // window is deliberate, unlike a reload, so the window does not ask first.)
    setEnabled(!view.stopped);
    if (windowTitle() != toQString(view.title)) {
        setWindowTitle(toQString(view.title));
        titleChanged(this);
    }
    for (const Element &e : elements()) {
        if (e.shows == Shows::Caption)
            continue;
        auto *label = qobject_cast<QLabel *>(widget(e));
        label->setText(toQString(shownText(view, e)));
        label->setAccessibleName(label->text());
    }
    for (const Element &e : elements()) {
        auto *option = qobject_cast<QRadioButton *>(widget(e));
        if (!option || option->isChecked() == (&e == view.checked))
            continue;
        // An exclusive option cannot be unchecked by itself.
        option->setAutoExclusive(false);
        option->setChecked(&e == view.checked);
        option->setAutoExclusive(true);
    }
}

void MainWindow::present(const View &view)
{
    draw(view);
    announcer_->announce(toQString(view.announcement));
    if (!view.address.empty()) {
        const QPointer<MainWindow> self(this);
        const auto failed = [self] {
            if (self)
                self->present(self->state_.openFailed());
        };
        if (!shell_.open(view.address, failed))
            failed();
    }
    if (view.box)
        makeBox(this, *view.box)->open();
}

bool MainWindow::focusNextPrevChild(bool next)
{
    const Element *from = elementOf(focusWidget());
    const FocusMove move = from
        ? state_.focusMove(*from, next ? Key::Tab : Key::BackTab, Keyboard::Window)
        : FocusMove {};
    if (!move.to)
        return QWidget::focusNextPrevChild(next);
    widget(*move.to)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    const Element *from = elementOf(watched);
    if (!from || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    const bool back = key == Qt::Key_Left || key == Qt::Key_Up;
    if (!back && key != Qt::Key_Right && key != Qt::Key_Down)
        return QWidget::eventFilter(watched, event);
    const FocusMove move
        = state_.focusMove(*from, back ? Key::Previous : Key::Next, Keyboard::Window);
    if (!move.to)
        return QWidget::eventFilter(watched, event);
    widget(*move.to)->setFocus(Qt::TabFocusReason);
    if (move.chooses)
        present(state_.click(*move.to));
    return true;
}

} // namespace vorlank::ui::qt
