// The Windows program in the journeys runner's hands (tests/wine_driver.py), on the Windows side
// of Wine: it observes the program's window as a screen reader does, through Microsoft Active
// Accessibility and the WinEvents a live region raises, and counts the clicks and keys the
// system takes in, so that the driver sends the next when the last has arrived.
// Commands, one a line on standard input, each answered by one line of JSON:
//   attach        waits for the program's window to take the keyboard, and listens to it from
//                 then on: {}
//   where NAME    the centre, in the window's client pixels, of the control a screen reader reads
//                 by NAME (or whose name starts so): {"x", "y"}
//   handled       the buttons and keys released since the agent began: {"inputs": N}
//   observe       what the user's tools observe, as window_oracle prints it, and where the box's
//                 message is on the screen ("messageAt": [left, top, width, height])
#include "ui/elements.h"
#include "ui/win32/controls.h"

#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace
{
// IAccessible's identifier, defined here: the one mingw-w64's import library gives is not the
// interface oleacc answers to.
constexpr GUID accessibleInterface
    = { 0x618736E0, 0x3C3D, 0x11CF, { 0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71 } };
HWND window = nullptr;
std::string heard; // JSON strings, comma-separated
long long inputs = 0;

std::string json(std::wstring text)
{
    for (wchar_t &c : text)
        c = c < 0x20 ? L' ' : c;
    std::string out(text.size() * 3, '\0');
    out.resize(static_cast<std::size_t>(
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(),
            static_cast<int>(out.size()), nullptr, nullptr)));
    std::string quoted = "\"";
    for (const char c : out)
        quoted += c == '"' || c == '\\' ? std::string("\\") + c : std::string(1, c);
    return quoted + '"';
}

// The name a screen reader reads for `child` of `accessible`.
std::wstring nameOf(IAccessible *accessible, VARIANT child)
{
    BSTR name = nullptr;
    accessible->get_accName(child, &name);
    std::wstring text = name ? std::wstring(name, SysStringLen(name)) : std::wstring();
    SysFreeString(name);
    return text;
}

std::wstring nameOf(HWND control)
{
    IAccessible *accessible = nullptr;
    if (!control
        || FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
            accessibleInterface, reinterpret_cast<void **>(&accessible))))
        return {};
    VARIANT self {};
    self.vt = VT_I4;
    std::wstring name = nameOf(accessible, self);
    accessible->Release();
    return name;
}

std::vector<HWND> childrenOf(HWND parent)
{
    std::vector<HWND> found;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowVisible(child))
            found.push_back(child);
    return found;
}

// A window's text, asked of it, which another process's field answers only so.
std::wstring textOf(HWND w)
{
    wchar_t text[1024] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(
        w, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &copied);
    return text;
}

// The live region's name as a screen reader reads it when it hears of the change: a static
// control's name is its text, which the system keeps for every window, so that hearing costs
// the program no call across to it.
void CALLBACK hear(HWINEVENTHOOK /*hook*/, DWORD /*event*/, HWND region, LONG /*object*/,
    LONG /*child*/, DWORD /*thread*/, DWORD /*time*/)
{
    wchar_t name[1024] = {};
    GetWindowTextW(region, name, 1024);
    heard += (heard.empty() ? "" : ",") + json(name);
}

LRESULT CALLBACK taken(int code, WPARAM message, LPARAM event)
{
    inputs += code == HC_ACTION
        && (message == WM_LBUTTONUP || message == WM_KEYUP || message == WM_SYSKEYUP);
    return CallNextHookEx(nullptr, code, message, event);
}

std::string attach()
{
    static HWINEVENTHOOK hook = nullptr;
    // The program's window, once it is the one that takes the keyboard.
    for (int i = 0; i < 600; ++i, Sleep(50))
        if (IsWindowVisible(window = FindWindowW(L"VorlankWindow", nullptr))
            && GetForegroundWindow() == window)
            break;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (hook)
        UnhookWinEvent(hook);
    hook = SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
        hear, process, 0, WINEVENT_OUTOFCONTEXT);
    heard.clear();
    return "{}";
}

std::string where(const std::string &utf8)
{
    std::wstring name(utf8.size(), L'\0');
    name.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(),
        static_cast<int>(utf8.size()), name.data(), static_cast<int>(name.size()))));
    HWND found = nullptr;
    for (HWND child : childrenOf(window))
        if (nameOf(child) == name || (!found && nameOf(child).rfind(name, 0) == 0))
            found = child;
    RECT r {};
    GetWindowRect(found, &r);
    POINT centre { (r.left + r.right) / 2, (r.top + r.bottom) / 2 };
    ScreenToClient(window, &centre);
    return "{\"x\":" + std::to_string(centre.x) + ",\"y\":" + std::to_string(centre.y) + "}";
}

// The box the window has open, as a screen reader reads it.
std::string box()
{
    static HWND open = nullptr;
    open = nullptr;
    EnumWindows(
        [](HWND w, LPARAM /*unused*/) {
            open = IsWindowVisible(w) && GetWindow(w, GW_OWNER) == window ? w : open;
            return TRUE;
        },
        0);
    if (!open)
        return "null";
    std::wstring message;
    std::string detail = "null";
    std::string button = "null";
    RECT at {};
    for (HWND child : childrenOf(open)) {
        wchar_t kind[16] = {};
        GetClassNameW(child, kind, 16);
        if (std::wstring(kind) == L"Static" && !nameOf(child).empty()) {
            message += nameOf(child);
            GetWindowRect(child, &at);
        }
        detail = std::wstring(kind) == L"Edit" ? json(textOf(child)) : detail;
        button = std::wstring(kind) == L"Button" ? json(nameOf(child)) : button;
    }
    return "{\"title\":" + json(textOf(open)) + ",\"message\":" + json(message)
        + ",\"detail\":" + detail + ",\"button\":" + button + ",\"messageAt\":["
        + std::to_string(at.left) + "," + std::to_string(at.top) + ","
        + std::to_string(at.right - at.left) + "," + std::to_string(at.bottom - at.top) + "]}";
}

std::string observe()
{
    std::string seen = "{\"title\":" + json(textOf(window)) + ",\"checked\":";
    std::string prompt;
    std::string character;
    std::string chosen = "null";
    for (const vorlank::ui::Element &e : vorlank::ui::elements()) {
        using vorlank::ui::Shows;
        HWND control = GetDlgItem(
            window, vorlank::ui::win32::firstControlId + static_cast<int>(vorlank::ui::indexOf(e)));
        if (e.shows != Shows::Caption)
            (e.shows == Shows::Prompt ? prompt : character) = json(nameOf(control));
        // Wine's accessibility leaves an option's state out; its button says it.
        if (e.kind == vorlank::ui::Kind::OptionButton
            && SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED)
            chosen = json(nameOf(control));
    }
    GUITHREADINFO info { sizeof info, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, {} };
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return seen + chosen + ",\"prompt\":" + prompt + ",\"character\":" + character
        + ",\"focus\":" + (info.hwndFocus ? json(nameOf(info.hwndFocus)) : "null")
        + ",\"box\":" + box() + ",\"heard\":[" + heard + "]}";
}

// Reads the commands, one a line, and hands each to the thread that listens to the window.
DWORD listener = 0;
DWORD WINAPI readCommands(LPVOID /*unused*/)
{
    for (char line[1024]; std::fgets(line, sizeof line, stdin);)
        PostThreadMessageW(listener, WM_APP, 0, reinterpret_cast<LPARAM>(new std::string(line)));
    PostThreadMessageW(listener, WM_QUIT, 0, 0);
    return 0;
}
} // namespace

int main()
{
    CoInitialize(nullptr);
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE); // the thread's queue, before any post
    SetWindowsHookExW(WH_MOUSE_LL, taken, GetModuleHandleW(nullptr), 0);
    SetWindowsHookExW(WH_KEYBOARD_LL, taken, GetModuleHandleW(nullptr), 0);
    listener = GetCurrentThreadId();
    CreateThread(nullptr, 0, readCommands, nullptr, 0, nullptr);
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message != WM_APP) {
            DispatchMessageW(&message);
            continue;
        }
        // NOLINTNEXTLINE(performance-no-int-to-ptr): the reader posts each line as an LPARAM
        const std::unique_ptr<std::string> line(reinterpret_cast<std::string *>(message.lParam));
        std::string command = *line;
        command.erase(command.find_last_not_of("\r\n") + 1);
        const std::string answer = command == "attach" ? attach()
            : command == "handled"            ? "{\"inputs\":" + std::to_string(inputs) + "}"
            : command.rfind("where ", 0) == 0 ? where(command.substr(6))
                                              : observe();
        std::printf("%s\n", answer.c_str());
        std::fflush(stdout);
    }
    CoUninitialize();
    return 0;
}
