// The core's UTF-16 text as Windows' wide strings: on Windows both are UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace vorlank::ui::win32
{

inline const wchar_t *wide(std::u16string_view text)
{
    return reinterpret_cast<const wchar_t *>(text.data());
}

inline std::wstring wideString(std::u16string_view text)
{
    return { wide(text), text.size() };
}

} // namespace vorlank::ui::win32
