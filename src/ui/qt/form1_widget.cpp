#include "form1_widget.h"

#include "clickable_label.h"
#include "problem_box.h"
#include "qt_text.h"
#include "widgets.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>

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
