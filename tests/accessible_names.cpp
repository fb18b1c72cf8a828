// What a screen reader hears in a window of another program, through Microsoft Active
// Accessibility: for every control of the top-level window titled as the argument, its name and
// where it lies on the screen (left, top, width, height), one per line in UTF-8.
// Usage: accessible_names.exe TITLE
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
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
    const std::wstring text = name ? std::wstring(name, SysStringLen(name)) : std::wstring();
    RECT r {};
    GetWindowRect(control, &r);
    std::printf("%s\t%ld,%ld,%ld,%ld\n", utf8(text).c_str(), r.left, r.top, r.right - r.left,
        r.bottom - r.top);
    SysFreeString(name);
    accessible->Release();
    return TRUE;
}
} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc != 2)
        return 2;
    CoInitialize(nullptr);
    const HWND window = FindWindowW(nullptr, argv[1]);
    if (!window) {
        std::fprintf(stderr, "no window titled as asked\n");
        return 1;
    }
    EnumChildWindows(window, describe, 0);
    CoUninitialize();
    return 0;
}
