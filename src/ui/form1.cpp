#include "form1.h"

#include "clickable_label.h"
#include "elements.h"
#include "launch/launch.h"
#include "quiz/quiz.h"
#include "texts.h"

#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

namespace vorlank::ui
{

Form1::Form1(launch::Shell &shell, runtime::RandomSource &random, QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
            | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , shell_(shell)
    , texts_(inventory::embeddedInventory())
    , bands_(inventory::loadBands(texts_.text1, texts_.text2))
    , quiz_(std::make_unique<quiz::Quiz>(bands_, random, *this))
{
    const Elements e = buildElements(this);
    character_ = e.label2;
    prompt_ = e.label3;
    recognised_ = e.option0;

    connect(e.command4, &QPushButton::clicked, this, [this] { quiz_->drawTest(); });
    connect(e.command3, &QPushButton::clicked, this, [this] { quiz_->submitAnswer(); });
    connect(e.command1, &QPushButton::clicked, this,
        [this] { launch::lookupCharacter(shell_, characterCaption()); });
    for (auto *first : { e.image1, e.label5 })
        connect(first, &ClickableLabel::clicked, this,
            [this] { launch::openProductPage(shell_, launch::Product::First); });
    for (auto *second : { e.image2, e.label6 })
        connect(second, &ClickableLabel::clicked, this,
            [this] { launch::openProductPage(shell_, launch::Product::Second); });
}

Form1::~Form1() = default;

QString Form1::title() const
{
    return windowTitle();
}

void Form1::setTitle(const QString &title)
{
    setWindowTitle(title);
}

QString Form1::characterCaption() const
{
    return character_->text();
}

void Form1::setCharacterCaption(const QString &text)
{
    character_->setText(text);
    character_->setAccessibleName(text);
}

void Form1::setPromptCaption(const QString &text)
{
    prompt_->setText(text);
}

bool Form1::recognisedSelected() const
{
    return recognised_->isChecked();
}

void Form1::showEndMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf16(texts::applicationTitle), text,
        QMessageBox::Ok, this);
    box.exec();
}

} // namespace vorlank::ui
