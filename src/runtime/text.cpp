#include "runtime.h"

namespace vorlank::runtime
{

QList<QStringView> splitAtCrLf(QStringView text)
{
    return text.split(u"\r\n", Qt::KeepEmptyParts, Qt::CaseSensitive);
}

QString leftmostCharacter(QStringView text)
{
    return text.left(1).toString();
}

QString middleCharacter(QStringView text, std::int32_t start)
{
    if (start < 1 || start > text.size())
        return {};
    return { text[start - 1] };
}

QString decimalText(std::int32_t value)
{
    return QString::number(value);
}

} // namespace vorlank::runtime
