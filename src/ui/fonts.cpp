#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace vorlank::ui
{

QFont windowFont()
{
    QFont font;
    font.setFamilies({ QStringLiteral("SimSun"), QStringLiteral("Noto Sans CJK SC") });
    font.setPointSize(9);
    return font;
}

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

} // namespace vorlank::ui
