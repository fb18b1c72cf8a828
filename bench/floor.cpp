// The start-up floor: a window with the program's widgets, texts, faces, classic frames, both
// product pictures decoded from PNG and a 16- and 32-pixel icon, built with Qt alone. It calls
// none of the program's code (its texts are data), so whatever the program spends on top of
// what any such window costs shows in the ratio.
#include "texts/texts.h"

#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace
{
QString text(const char16_t *t)
{
    return QString::fromUtf16(t);
}

QPixmap png(const QString &path)
{
    QImageReader reader(path, "PNG");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QLabel *label(QWidget *parent, const QString &caption, const QRect &r, bool wrap = true)
{
    auto *l = new QLabel(caption, parent);
    l->setGeometry(r);
    l->setWordWrap(wrap);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

QGroupBox *frame(QWidget *parent, QStyle *style, const QString &title, const QRect &r)
{
    auto *f = new QGroupBox(title, parent);
    f->setStyle(style);
    f->setGeometry(r);
    return f;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QFont face(QStringLiteral("AR PL UMing CN"));
    face.setPointSize(9);
    QApplication::setFont(face);
    QWidget window(nullptr,
        Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
            | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    window.setWindowTitle(text(vorlank::texts::windowTitle));
    QIcon icon;
    icon.addPixmap(png(QStringLiteral(":/assets/icons/vorlank-16.png")));
    icon.addPixmap(png(QStringLiteral(":/assets/icons/vorlank-32.png")));
    window.setWindowIcon(icon);
    window.setFixedSize(621, 403);
    QStyle *classic = QStyleFactory::create(QStringLiteral("Windows"));

    label(&window, text(vorlank::texts::introduction), { 8, 8, 289, 73 });
    label(&window, text(vorlank::texts::firstPrompt), { 8, 104, 57, 17 });
    QLabel *big
        = label(&window, text(vorlank::texts::characterAtStart), { 80, 104, 121, 105 }, false);
    QFont bigFace(QStringLiteral("Noto Serif CJK SC"));
    bigFace.setPointSize(72);
    big->setFont(bigFace);
    big->setAlignment(Qt::AlignCenter);
    auto *start = new QPushButton(QStringLiteral("开始测试"), &window);
    start->setGeometry(208, 104, 89, 41);
    (new QPushButton(QStringLiteral("查询此字"), &window))->setGeometry(208, 152, 89, 57);
    (new QPushButton(QStringLiteral("提交"), &window))->setGeometry(208, 232, 89, 49);
    QGroupBox *answers = frame(&window, classic, QStringLiteral("是否认识"), { 16, 224, 185, 57 });
    (new QRadioButton(QStringLiteral("不认识"), answers))->setGeometry(88, 24, 81, 25);
    (new QRadioButton(QStringLiteral("认识"), answers))->setGeometry(16, 24, 81, 25);
    QGroupBox *help = frame(&window, classic, QStringLiteral("说明"), { 16, 296, 281, 97 });
    label(help, text(vorlank::texts::instructions), { 8, 24, 257, 57 });
    QGroupBox *adverts
        = frame(&window, classic, QStringLiteral("我的其他软件："), { 304, 8, 305, 385 });
    label(adverts, text(vorlank::texts::firstAdvert), { 160, 16, 129, 153 });
    label(adverts, text(vorlank::texts::secondAdvert), { 64, 176, 225, 201 });
    label(adverts, {}, { 8, 16, 144, 144 })
        ->setPixmap(png(QStringLiteral(":/assets/product1.png")));
    label(adverts, {}, { 8, 176, 50, 50 })->setPixmap(png(QStringLiteral(":/assets/product2.png")));
    start->setFocus();
    window.show();
    return QApplication::exec();
}
