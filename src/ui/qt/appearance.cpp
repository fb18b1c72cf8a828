#include "appearance.h"

#include "qt_text.h"
#include "ui/elements.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImageReader>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

namespace vorlank::ui::qt
{

namespace
{
// The face as Qt draws it: its first family installed (the last where none is), at its size.
QFont font(const FaceSpec &face)
{
    const QStringList installed = QFontDatabase::families();
    QString chosen;
    for (const std::u16string_view family : face.families) {
        chosen = toQString(family);
        if (installed.contains(chosen))
            break;
    }
    QFont font(chosen);
    font.setPointSize(face.points);
    font.setWeight(QFont::Normal);
    if (face.measure == Measure::Line) {
        // Qt sizes the em. A line is the ascent and descent together, which a face may make
        // taller or shorter than its em: scale the em until they make the line.
        const auto line = static_cast<qreal>(QFontInfo(font).pixelSize()); // `points` in pixels
        const qreal height = QFontMetricsF(font).height();
        if (qAbs(height - line) >= 0.5)
            font.setPointSizeF(face.points * line / height);
    }
    return font;
}
} // namespace

QFont windowFont()
{
    return font(faceSpec(Face::Window));
}

QFont characterFont()
{
    return font(faceSpec(Face::Character));
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
    // The sizes a window manager draws in title bars and task switchers. Decoding the larger
    // ones cost start-up time for nothing: launchers and menus take the icon from the hicolor
    // theme the desktop entry names, in every size.
    for (const int size : { 16, 32 })
        icon.addPixmap(picture(QStringLiteral(":/assets/icons/vorlank-%1.png").arg(size)));
    return icon;
}

} // namespace vorlank::ui::qt
