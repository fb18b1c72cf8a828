// Text crossing between the toolkit-free core (UTF-16 standard strings) and Qt.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace vorlank::ui::qt
{

inline QString toQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace vorlank::ui::qt
