// A window's DPI, and the frame around a client area.
#pragma once

#include <windows.h>

namespace vorlank::ui::win32
{

// The window's DPI: its monitor's on Windows 10 and later, the system's before.
UINT dpiOf(HWND hwnd);

// The window rectangle, frame included, around a client area of the given size at `dpi`.
RECT frameFor(HWND hwnd, int clientWidth, int clientHeight, UINT dpi);

} // namespace vorlank::ui::win32
