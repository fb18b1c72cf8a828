#include "main_window.h"

#include "announcer.h"
#include "boxes.h"
#include "clickable_label.h"
#include "held_keys.h"
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
    watchHeldKeys();
    for (const Element &e : elements()) {
        if (e.click == Action::None)
            continue;
        const auto click = [this, &e] { present(state_.click(e)); };
        if (auto *button = qobject_cast<QAbstractButton *>(widget(e)))
            connect(button, &QAbstractButton::clicked, this, click);
        else if (auto *label = qobject_cast<ClickableLabel *>(widget(e)))
            connect(label, &ClickableLabel::clicked, this, click);
        if (e.kind == Kind::OptionButton || e.kind == Kind::Button)
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
    // Each label's text and name: view.prompt and view.character for the labels that show them
    // (shownText picks), the table's text for the rest.
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

void MainWindow::present(const Step &step, Qt::FocusReason reason)
{
    draw(step.view);
    const Effects &effects = step.effects;
    if (effects.focus)
        widget(*effects.focus)->setFocus(reason);
    announcer_->announce(toQString(effects.announcement));
    if (!effects.address.empty()) {
        // A failure, at once or later, comes back as an event of its own, after this one.
        const QPointer<MainWindow> self(this);
        const auto failed = [self] {
            if (self)
                QMetaObject::invokeMethod(
                    self.data(), [self] { self->present(self->state_.openFailed()); },
                    Qt::QueuedConnection);
        };
        if (!shell_.open(effects.address, failed))
            failed();
    }
    if (effects.box)
        makeBox(this, *effects.box)->open();
}

bool MainWindow::focusNextPrevChild(bool next)
{
    const Element *from = elementOf(focusWidget());
    const Step step
        = from ? state_.press(*from, next ? Key::Tab : Key::BackTab, Keyboard::Window) : Step {};
    if (!step.effects.focus)
        return QWidget::focusNextPrevChild(next);
    present(step, next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    const Element *from = elementOf(watched);
    if (!from || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto *pressed = static_cast<QKeyEvent *>(event);
    const int key = pressed->key();
    // Enter held down on a button: each repeat is a click the window's state may let pass.
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && heldKeyRepeat(*pressed)
        && from->kind == Kind::Button) {
        present(state_.click(*from, Press::Repeat));
        return true;
    }
    const bool back = key == Qt::Key_Left || key == Qt::Key_Up;
    if (from->kind != Kind::OptionButton || (!back && key != Qt::Key_Right && key != Qt::Key_Down))
        return QWidget::eventFilter(watched, event);
    const Step step = state_.press(*from, back ? Key::Previous : Key::Next, Keyboard::Window);
    if (!step.effects.focus)
        return QWidget::eventFilter(watched, event);
    present(step);
    return true;
}

} // namespace vorlank::ui::qt
