#include "form1.h"

#include "clickable_label.h"
#include "dense_label.h"
#include "launch/launch.h"
#include "quiz/quiz.h"
#include "texts.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

namespace vorlank::ui {

namespace {
    QString text(const char16_t *s)
    {
        return QString::fromUtf16(s);
    }

    // Positions in the window's design are twips relative to the container.
    template <typename W>
    W *place(W *widget, const char *name, int left, int top, int width, int height)
    {
        widget->setObjectName(QLatin1String(name));
        widget->setGeometry(left / twipsPerPixel, top / twipsPerPixel, width / twipsPerPixel,
                            height / twipsPerPixel);
        return widget;
    }

    QLabel *wrappingLabel(QLabel *label, const QString &caption)
    {
        label->setText(caption);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setAccessibleName(caption);
        return label;
    }

    QPushButton *button(QWidget *parent, const QString &caption)
    {
        auto *b = new QPushButton(caption, parent);
        b->setAccessibleName(caption);
        return b;
    }

    ClickableLabel *picture(QWidget *parent, const QString &resource, const QString &name)
    {
        auto *label = new ClickableLabel(parent);
        label->setPixmap(QPixmap(resource));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setCursor(Qt::PointingHandCursor);
        label->setAccessibleName(name);
        return label;
    }

    // The window's default face: SimSun at 9 points where installed, a Simplified Chinese
    // sans-serif otherwise.
    QFont windowFont()
    {
        QFont font;
        font.setFamilies({ QStringLiteral("SimSun"), QStringLiteral("Noto Sans CJK SC") });
        font.setPointSize(9);
        return font;
    }
} // namespace

QFont characterFont()
{
    QFont font;
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : { QStringLiteral("SimSun"), QStringLiteral("宋体"),
                                  QStringLiteral("Songti SC"), QStringLiteral("Noto Serif CJK SC") }) {
        if (installed.contains(family)) {
            font.setFamily(family);
            break;
        }
    }
    font.setPointSize(72);
    font.setWeight(QFont::Normal);
    return font;
}

Form1::Form1(launch::Shell &shell, runtime::RandomSource &random, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                  | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                  | Qt::WindowCloseButtonHint)
    , shell_(shell)
    , texts_(inventory::embeddedInventory())
    , bands_(inventory::loadBands(texts_.text1, texts_.text2))
    , quiz_(std::make_unique<quiz::Quiz>(bands_, random, *this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(text(texts::windowTitle));
    setWindowIcon(QIcon(QStringLiteral(":/assets/vorlank.png")));
    setFont(windowFont());
    setFixedSize(9315 / twipsPerPixel, 6045 / twipsPerPixel);
    buildElements();
}

Form1::~Form1() = default;

void Form1::buildElements()
{
    // In the order of the window's definition; each element at its design rectangle.
    auto *frame1 = place(new QGroupBox(QStringLiteral("是否认识"), this), "Frame1", 240, 3360, 2775, 855);
    auto *notRecognised = place(new QRadioButton(QStringLiteral("不认识"), frame1), "Option1(1)",
                                1320, 360, 1215, 375);
    recognised_ = place(new QRadioButton(QStringLiteral("认识"), frame1), "Option1(0)", 240, 360,
                        1215, 375);
    for (QRadioButton *option : { notRecognised, recognised_ })
        option->setAccessibleName(option->text());
    auto *command1 = place(button(this, QStringLiteral("查询此字")), "Command1", 3120, 2280, 1335, 855);
    auto *frame2 = place(new QGroupBox(QStringLiteral("说明"), this), "Frame2", 240, 4440, 4215, 1455);
    place(wrappingLabel(new QLabel(frame2), text(texts::instructions)), "Label4", 120, 360, 3855, 855);
    auto *command3 = place(button(this, QStringLiteral("提交")), "Command3", 3120, 3480, 1335, 735);
    auto *command4 = place(button(this, QStringLiteral("开始测试")), "Command4", 3120, 1560, 1335, 615);
    auto *frame3 = place(new QGroupBox(QStringLiteral("我的其他软件："), this), "Frame3", 4560,
                         120, 4575, 5775);
    auto *label5 = place(new ClickableLabel(frame3), "Label5", 2400, 240, 1935, 2295);
    auto *label6 = place(new ClickableLabel(frame3), "Label6", 960, 2640, 3375, 3015);
    for (auto [label, advert] : { std::pair { label5, texts::firstAdvert },
                                  std::pair { label6, texts::secondAdvert } }) {
        wrappingLabel(label, text(advert));
        label->setCursor(Qt::PointingHandCursor);
    }
    auto *image1 = place(picture(frame3, QStringLiteral(":/assets/product1.gif"),
                                 QStringLiteral("拼音小达人")),
                         "Image1", 120, 240, 2160, 2160);
    auto *image2 = place(picture(frame3, QStringLiteral(":/assets/product2.gif"),
                                 QStringLiteral("笔顺练字帖")),
                         "Image2", 120, 2640, 750, 750);
    place(wrappingLabel(new DenseLabel(this), text(texts::introduction)), "Label1", 120, 120, 4335, 1095);
    character_ = place(new QLabel(text(texts::characterAtStart), this), "Label2", 1200, 1560, 1815, 1575);
    character_->setFont(characterFont());
    character_->setAlignment(Qt::AlignCenter);
    character_->setAccessibleName(character_->text());
    prompt_ = place(new QLabel(text(texts::firstPrompt), this), "Label3", 120, 1560, 855, 255);

    // Keyboard order follows the design's tab indexes; labels and pictures take no focus.
    setTabOrder(command4, command3);
    setTabOrder(command3, command1);
    setTabOrder(command1, notRecognised);
    setTabOrder(notRecognised, recognised_);
    command4->setFocus();

    connect(command4, &QPushButton::clicked, this, [this] { quiz_->drawTest(); });
    connect(command3, &QPushButton::clicked, this, [this] { quiz_->submitAnswer(); });
    connect(command1, &QPushButton::clicked, this,
            [this] { launch::lookupCharacter(shell_, characterCaption()); });
    for (auto *first : { image1, label5 })
        connect(first, &ClickableLabel::clicked, this,
                [this] { launch::openProductPage(shell_, launch::Product::First); });
    for (auto *second : { image2, label6 })
        connect(second, &ClickableLabel::clicked, this,
                [this] { launch::openProductPage(shell_, launch::Product::Second); });
}

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
