#include "main_window.h"

#include "clickable_label.h"
#include "problem_box.h"
#include "qt_text.h"
#include "texts/texts.h"
#include "widgets.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace vorlank::ui::qt
{

MainWindow::MainWindow(launch::Shell &shell, runtime::RandomSource &random, QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
            | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , state_(random) // the window's load: the bands are filled before it is first shown
    , shell_(shell)
    , widgets_(buildWidgets(this))
{
    for (const Element &e : elements()) {
        if (e.click == Action::None)
            continue;
        const auto click = [this, action = e.click] { present(state_.click(action)); };
        if (auto *button = qobject_cast<QAbstractButton *>(widget(e)))
            connect(button, &QAbstractButton::clicked, this, click);
        else if (auto *label = qobject_cast<ClickableLabel *>(widget(e)))
            connect(label, &ClickableLabel::clicked, this, click);
    }
    for (const KeyboardStop &stop : keyboardStops())
        for (const Element *e : stop)
            if (stop.size() > 1)
                widget(*e)->installEventFilter(this);
    draw(state_.view());
}

void MainWindow::draw(const View &view)
{
    setWindowTitle(toQString(view.title));
    for (const ElementText &t : view.texts) {
        auto *label = qobject_cast<QLabel *>(widget(*t.element));
        label->setText(toQString(t.text));
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
    if (!view.address.empty()) {
        const QPointer<MainWindow> self(this);
        const auto failed = [self, address = view.address] {
            if (self)
                self->present(self->state_.openFailed(address));
        };
        if (!shell_.open(view.address, failed))
            failed();
    }
    if (!view.box)
        return;
    if (view.box->warning) {
        showProblemBox(this, toQString(view.box->message), toQString(view.box->detail));
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, toQString(texts::applicationTitle),
        toQString(view.box->message), QMessageBox::Ok, this);
    box.button(QMessageBox::Ok)->setText(toQString(texts::okButton));
    box.exec();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    const auto stop
        = std::find_if(keyboardStops().begin(), keyboardStops().end(), [&](const KeyboardStop &s) {
              return std::any_of(
                  s.begin(), s.end(), [&](const Element *e) { return widget(*e) == watched; });
          });
    if (stop == keyboardStops().end())
        return QWidget::eventFilter(watched, event);
    const auto checked = [this](const Element *e) {
        return static_cast<QAbstractButton *>(widget(*e))->isChecked();
    };
    if (event->type() == QEvent::FocusIn && watched != widget(*stop->front())
        && static_cast<QFocusEvent *>(event)->reason() == Qt::BacktabFocusReason
        && std::none_of(stop->begin(), stop->end(), checked)) {
        widget(*stop->front())->setFocus(Qt::BacktabFocusReason);
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    const bool back = key == Qt::Key_Left || key == Qt::Key_Up;
    if (!back && key != Qt::Key_Right && key != Qt::Key_Down)
        return QWidget::eventFilter(watched, event);
    const auto at = std::find_if(
        stop->begin(), stop->end(), [&](const Element *e) { return widget(*e) == watched; });
    const auto count = static_cast<std::ptrdiff_t>(stop->size());
    const std::ptrdiff_t next = ((at - stop->begin()) + (back ? count - 1 : 1)) % count;
    const Element &chosen = *(*stop)[static_cast<std::size_t>(next)];
    widget(chosen)->setFocus(Qt::TabFocusReason);
    present(state_.click(chosen.click));
    return true;
}

} // namespace vorlank::ui::qt
