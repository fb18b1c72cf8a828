// The core's UTF-16 text as Windows' wide strings: on Windows both are UTF-16.
#pragma once

#include <windows.h>

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

// The text of a window or control.
inline std::u16string textOf(HWND hwnd)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return { reinterpret_cast<const char16_t *>(text.data()), text.size() };
}

} // namespace vorlank::ui::win32
