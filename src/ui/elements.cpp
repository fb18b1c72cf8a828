#include "elements.h"

#include "clickable_label.h"
#include "dense_label.h"
#include "fonts.h"
#include "texts.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace vorlank::ui
{

namespace
{
QString text(const char16_t *s)
{
    return QString::fromUtf16(s);
}

// Positions in the window's design are twips relative to the container.
template <typename W>
W *place(W *widget, const char *name, int left, int top, int width, int height)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(
        left / twipsPerPixel, top / twipsPerPixel, width / twipsPerPixel, height / twipsPerPixel);
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
} // namespace

Elements buildElements(QWidget *window)
{
    window->setObjectName(QStringLiteral("Form1"));
    window->setWindowTitle(text(texts::windowTitle));
    window->setWindowIcon(QIcon(QStringLiteral(":/assets/vorlank.png")));
    window->setFont(windowFont());
    window->setFixedSize(9315 / twipsPerPixel, 6045 / twipsPerPixel);

    // In the order of the window's definition; each element at its design rectangle.
    auto *frame1
        = place(new QGroupBox(QStringLiteral("是否认识"), window), "Frame1", 240, 3360, 2775, 855);
    auto *notRecognised = place(
        new QRadioButton(QStringLiteral("不认识"), frame1), "Option1(1)", 1320, 360, 1215, 375);
    auto *recognised = place(
        new QRadioButton(QStringLiteral("认识"), frame1), "Option1(0)", 240, 360, 1215, 375);
    for (QRadioButton *option : { notRecognised, recognised })
        option->setAccessibleName(option->text());
    auto *command1
        = place(button(window, QStringLiteral("查询此字")), "Command1", 3120, 2280, 1335, 855);
    auto *frame2
        = place(new QGroupBox(QStringLiteral("说明"), window), "Frame2", 240, 4440, 4215, 1455);
    place(wrappingLabel(new QLabel(frame2), text(texts::instructions)), "Label4", 120, 360, 3855,
        855);
    auto *command3
        = place(button(window, QStringLiteral("提交")), "Command3", 3120, 3480, 1335, 735);
    auto *command4
        = place(button(window, QStringLiteral("开始测试")), "Command4", 3120, 1560, 1335, 615);
    auto *frame3 = place(
        new QGroupBox(QStringLiteral("我的其他软件："), window), "Frame3", 4560, 120, 4575, 5775);
    auto *label5 = place(new ClickableLabel(frame3), "Label5", 2400, 240, 1935, 2295);
    auto *label6 = place(new ClickableLabel(frame3), "Label6", 960, 2640, 3375, 3015);
    for (auto [label, advert] :
        { std::pair { label5, texts::firstAdvert }, std::pair { label6, texts::secondAdvert } }) {
        wrappingLabel(label, text(advert));
        label->setCursor(Qt::PointingHandCursor);
    }
    auto *image1 = place(
        picture(frame3, QStringLiteral(":/assets/product1.gif"), QStringLiteral("拼音小达人")),
        "Image1", 120, 240, 2160, 2160);
    auto *image2 = place(
        picture(frame3, QStringLiteral(":/assets/product2.gif"), QStringLiteral("笔顺练字帖")),
        "Image2", 120, 2640, 750, 750);
    place(wrappingLabel(new DenseLabel(window), text(texts::introduction)), "Label1", 120, 120,
        4335, 1095);
    auto *character = place(
        new QLabel(text(texts::characterAtStart), window), "Label2", 1200, 1560, 1815, 1575);
    character->setFont(characterFont());
    character->setAlignment(Qt::AlignCenter);
    character->setAccessibleName(character->text());
    auto *prompt
        = place(new QLabel(text(texts::firstPrompt), window), "Label3", 120, 1560, 855, 255);

    // Keyboard order follows the design's tab indexes; labels and pictures take no focus.
    QWidget::setTabOrder(command4, command3);
    QWidget::setTabOrder(command3, command1);
    QWidget::setTabOrder(command1, notRecognised);
    QWidget::setTabOrder(notRecognised, recognised);
    command4->setFocus();

    return { command1, command3, command4, recognised, notRecognised, character, prompt, image1,
        label5, image2, label6 };
}

} // namespace vorlank::ui
