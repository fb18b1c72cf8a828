// Another program's windows as the Wine test needs them, on the Windows side of Wine.
//   window_probe.exe names TITLE: what a screen reader hears in the top-level window titled
//     TITLE, through Microsoft Active Accessibility: each control's name and where it lies on
//     the screen (left, top, width, height), one per line in UTF-8, line breaks as spaces.
//   window_probe.exe activate PART: makes the first visible top-level window whose title holds
//     PART the active one, as a click on it or Alt+Tab would (the window manager's part, which
//     the test's bare X server lacks).
//   window_probe.exe focus TITLE: the name a screen reader reads for the control that has the
//     keyboard focus in the window titled TITLE (nothing when none has).
//   window_probe.exe hold TITLE: Enter, Space and Escape held down on the control that has the
//     focus in the window titled TITLE: each key's repeats, as the keyboard sends them.
//   window_probe.exe hear TITLE: what the window titled TITLE has screen readers say: the name of
//     each live region at its change event, one a line, until the window closes.
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

// The name a screen reader reads for `accessible`'s child `child`, one line.
std::wstring nameOf(IAccessible *accessible, VARIANT child)
{
    BSTR name = nullptr;
    accessible->get_accName(child, &name);
    std::wstring text = name ? std::wstring(name, SysStringLen(name)) : std::wstring();
    SysFreeString(name);
    // A paragraph's line breaks read as spaces.
    for (wchar_t &c : text)
        c = c == L'\r' || c == L'\n' ? L' ' : c;
    return text;
}

VARIANT self()
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = CHILDID_SELF;
    return v;
}

std::wstring controlName(HWND control)
{
    IAccessible *accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
            accessibleInterface, reinterpret_cast<void **>(&accessible))))
        return {};
    std::wstring name = nameOf(accessible, self());
    accessible->Release();
    return name;
}

BOOL CALLBACK describe(HWND control, LPARAM /*unused*/)
{
    const std::wstring text = controlName(control);
    RECT r {};
    GetWindowRect(control, &r);
    std::printf("%s\t%ld,%ld,%ld,%ld\n", utf8(text).c_str(), r.left, r.top, r.right - r.left,
        r.bottom - r.top);
    return TRUE;
}

HWND focusIn(HWND window)
{
    GUITHREADINFO info { sizeof info, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, {} };
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

void CALLBACK heard(HWINEVENTHOOK /*hook*/, DWORD /*event*/, HWND hwnd, LONG object, LONG child,
    DWORD /*thread*/, DWORD /*time*/)
{
    IAccessible *accessible = nullptr;
    VARIANT which;
    VariantInit(&which);
    if (FAILED(AccessibleObjectFromEvent(
            hwnd, static_cast<DWORD>(object), static_cast<DWORD>(child), &accessible, &which)))
        return;
    std::printf("%s\n", utf8(nameOf(accessible, which)).c_str());
    std::fflush(stdout);
    accessible->Release();
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
    const std::wstring asked = argv[1];
    if (asked == L"focus") {
        if (const HWND focused = focusIn(window))
            std::printf("%s\n", utf8(controlName(focused)).c_str());
    } else if (asked == L"hold") {
        const HWND focused = focusIn(window);
        constexpr LPARAM repeated = (LPARAM { 1 } << 30) | 1; // down before, one stroke
        for (const WPARAM key : { VK_RETURN, VK_SPACE, VK_ESCAPE }) {
            PostMessageW(focused, WM_KEYDOWN, key, repeated);
            PostMessageW(focused, WM_CHAR, key, repeated);
        }
        Sleep(500);
    } else if (asked == L"hear") {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED,
            EVENT_OBJECT_LIVEREGIONCHANGED, nullptr, heard, process, 0, WINEVENT_OUTOFCONTEXT);
        MSG message;
        while (IsWindow(window)) {
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&message);
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        }
        UnhookWinEvent(hook);
    } else {
        EnumChildWindows(window, describe, 0);
    }
    CoUninitialize();
    return 0;
}
