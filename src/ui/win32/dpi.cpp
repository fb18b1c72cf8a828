#include "dpi.h"

namespace vorlank::ui::win32
{

namespace
{
// Windows 10's per-monitor functions, looked up so that older systems still run the program at
// the system DPI.
template <typename Function> Function user32(const char *name)
{
    return reinterpret_cast<Function>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleW(L"user32"), name)));
}
} // namespace

UINT dpiOf(HWND hwnd)
{
    static const auto getDpi = user32<UINT(WINAPI *)(HWND)>("GetDpiForWindow");
    if (getDpi)
        return getDpi(hwnd);
    HDC dc = GetDC(hwnd);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(hwnd, dc);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

RECT frameFor(HWND hwnd, int clientWidth, int clientHeight, UINT dpi)
{
    RECT rect { 0, 0, clientWidth, clientHeight };
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE));
    static const auto adjust
        = user32<BOOL(WINAPI *)(RECT *, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    if (adjust)
        adjust(&rect, style, FALSE, exStyle, dpi);
    else
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    return rect;
}

} // namespace vorlank::ui::win32
