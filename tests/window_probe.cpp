// Another program's windows as the Wine test needs them, on the Windows side of Wine.
//   window_probe.exe names TITLE: what a screen reader hears in the top-level window titled
//     TITLE, through Microsoft Active Accessibility: each control's name and where it lies on
//     the screen (left, top, width, height), one per line in UTF-8, line breaks as spaces.
//   window_probe.exe activate PART: makes the first visible top-level window whose title holds
//     PART the active one, as a click on it or Alt+Tab would (the window manager's part, which
//     the test's bare X server lacks).
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace
{
// IAccessible's identifier, defined here: the one mingw-w64's import library gives is not the
// interface oleacc answers to.
constexpr GUID accessibleInterface
    = { 0x618736E0, 0x3C3D, 0x11CF, { 0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71 } };

std::string utf8(const std::wstring &text)
{
    const int size = WideCharToMultiByte(
        CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(
        CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

BOOL CALLBACK describe(HWND control, LPARAM /*unused*/)
{
    IAccessible *accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
            accessibleInterface, reinterpret_cast<void **>(&accessible))))
        return TRUE;
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    accessible->get_accName(self, &name);
    std::wstring text = name ? std::wstring(name, SysStringLen(name)) : std::wstring();
    // One control a line: a paragraph's line breaks read as spaces.
    for (wchar_t &c : text)
        c = c == L'\r' || c == L'\n' ? L' ' : c;
    RECT r {};
    GetWindowRect(control, &r);
    std::printf("%s\t%ld,%ld,%ld,%ld\n", utf8(text).c_str(), r.left, r.top, r.right - r.left,
        r.bottom - r.top);
    SysFreeString(name);
    accessible->Release();
    return TRUE;
}

BOOL CALLBACK activateMatching(HWND window, LPARAM part)
{
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    // NOLINTNEXTLINE(performance-no-int-to-ptr): EnumWindows passes the text as its LPARAM
    if (!IsWindowVisible(window) || !std::wcsstr(title, reinterpret_cast<const wchar_t *>(part)))
        return TRUE;
    SetForegroundWindow(window);
    return FALSE;
}
} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc != 3)
        return 2;
    if (std::wcscmp(argv[1], L"activate") == 0)
        return EnumWindows(activateMatching, reinterpret_cast<LPARAM>(argv[2])) ? 1 : 0;
    CoInitialize(nullptr);
    const HWND window = FindWindowW(nullptr, argv[2]);
    if (!window) {
        std::fprintf(stderr, "no window titled as asked\n");
        return 1;
    }
    EnumChildWindows(window, describe, 0);
    CoUninitialize();
    return 0;
}
