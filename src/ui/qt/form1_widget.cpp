#include "form1_widget.h"

#include "clickable_label.h"
#include "problem_box.h"
#include "qt_text.h"
#include "widgets.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>

#include <algorithm>

namespace vorlank::ui::qt
{

Form1Widget::Form1Widget(launch::Shell &shell, runtime::RandomSource &random, QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
            | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    const Widgets w = buildWidgets(this);
    character_ = w.character;
    prompt_ = w.prompt;
    recognised_ = w.recognised;
    answers_ = w.answers;
    for (QRadioButton *answer : answers_)
        answer->installEventFilter(this);
    // The window's load: the bands are filled before it is first shown.
    handlers_ = std::make_unique<EventHandlers>(*this, shell, random);

    for (const auto &[widget, action] : w.clickable) {
        const Action a = action;
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            connect(button, &QAbstractButton::clicked, this, [this, a] { handlers_->click(a); });
        else if (auto *label = qobject_cast<ClickableLabel *>(widget))
            connect(label, &ClickableLabel::clicked, this, [this, a] { handlers_->click(a); });
    }
}

Form1Widget::~Form1Widget() = default;

// The answers as a dialog's group of options: an arrow key moves to the other answer and chooses
// it, whether or not one was chosen before (Qt's own buttons only move the focus until one is);
// and Shift+Tab into the group with none chosen lands on its first, as Tab does.
bool Form1Widget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && watched != answers_.front()
        && static_cast<QFocusEvent *>(event)->reason() == Qt::BacktabFocusReason
        && std::none_of(answers_.begin(), answers_.end(),
            [](const QRadioButton *answer) { return answer->isChecked(); })) {
        answers_.front()->setFocus(Qt::BacktabFocusReason);
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    const bool back = key == Qt::Key_Left || key == Qt::Key_Up;
    if (!back && key != Qt::Key_Right && key != Qt::Key_Down)
        return QWidget::eventFilter(watched, event);
    const auto at = std::find(answers_.begin(), answers_.end(), watched);
    if (at == answers_.end())
        return QWidget::eventFilter(watched, event);
    const auto count = static_cast<std::ptrdiff_t>(answers_.size());
    const std::ptrdiff_t next = ((at - answers_.begin()) + (back ? count - 1 : 1)) % count;
    QRadioButton *answer = answers_[static_cast<std::size_t>(next)];
    answer->setFocus(Qt::TabFocusReason);
    answer->setChecked(true);
    return true;
}

void Form1Widget::setTitle(std::u16string_view title)
{
    setWindowTitle(toQString(title));
}

void Form1Widget::setCharacterCaption(std::u16string_view text)
{
    character_->setText(toQString(text));
    character_->setAccessibleName(character_->text());
}

void Form1Widget::setPromptCaption(std::u16string_view text)
{
    prompt_->setText(toQString(text));
}

bool Form1Widget::recognisedSelected() const
{
    return recognised_->isChecked();
}

void Form1Widget::showEndMessage(std::u16string_view text)
{
    QMessageBox box(QMessageBox::NoIcon, toQString(texts::applicationTitle), toQString(text),
        QMessageBox::Ok, this);
    box.exec();
}

void Form1Widget::showProblem(std::u16string_view message, std::u16string_view detail)
{
    showProblemBox(this, toQString(message), toQString(detail));
}

} // namespace vorlank::ui::qt
