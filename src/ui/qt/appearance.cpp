#include "appearance.h"

#include <QApplication>
#include <QFontDatabase>
#include <QImageReader>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

namespace vorlank::ui::qt
{

namespace
{
QString firstInstalled(const QStringList &families)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : families)
        if (installed.contains(family))
            return family;
    return families.last();
}
} // namespace

QFont windowFont()
{
    QFont font(firstInstalled({ QStringLiteral("SimSun"), QStringLiteral("AR PL UMing CN"),
        QStringLiteral("Noto Sans CJK SC") }));
    font.setPointSize(9);
    return font;
}

QFont characterFont()
{
    QFont font(firstInstalled(
        { QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("Songti SC"),
            QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN") }));
    font.setPointSize(72);
    font.setWeight(QFont::Normal);
    return font;
}

void applyChineseConventions()
{
    QApplication::setFont(windowFont());
    static QTranslator qtTexts;
    if (qtTexts.load(
            QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
}

QPixmap picture(const QString &resource)
{
    // A fixed format keeps Qt from probing the content with, and so loading, every image plugin
    // installed; PNG is decoded by Qt itself.
    QImageReader reader(resource, "PNG");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon windowIcon()
{
    QIcon icon;
    for (const int size : { 16, 32, 48, 64, 128, 256 })
        icon.addPixmap(picture(QStringLiteral(":/assets/icons/vorlank-%1.png").arg(size)));
    return icon;
}

} // namespace vorlank::ui::qt
