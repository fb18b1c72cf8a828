// The Windows program in the journeys runner's hands (tests/wine_driver.py), on the Windows side
// of Wine: it observes the program's window as a screen reader does, through Microsoft Active
// Accessibility and the WinEvents a live region raises. The driver types and clicks through X.
// Commands, one a line on standard input, each answered by one line of JSON on standard output:
//   attach        waits for the program's window, and listens to it from then on: {}
//   where NAME    the centre, in the window's client pixels, of the control a screen reader reads
//                 by NAME (or whose name starts so): {"x", "y"}
//   observe       what the user's tools observe, as window_oracle prints it, with the box's
//                 message's place on the screen ("messageAt": [left, top, width, height])
//   handled       how many clicks and keys the system has taken in since the agent began, as
//                 their releases: {"inputs": N}
//   close         ends the program
#include "ui/elements.h"
#include "ui/win32/controls.h"

#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

using namespace vorlank;

namespace
{
// IAccessible's identifier, defined here: the one mingw-w64's import library gives is not the
// interface oleacc answers to.
constexpr GUID accessibleInterface
    = { 0x618736E0, 0x3C3D, 0x11CF, { 0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71 } };
constexpr UINT commandMessage = WM_APP + 1;

HWND window = nullptr;
std::vector<std::wstring> heard;
long long inputs = 0;

// Counts the releases of buttons and keys as the system takes them in from the display.
LRESULT CALLBACK mouseTaken(int code, WPARAM message, LPARAM event)
{
    inputs += code == HC_ACTION && message == WM_LBUTTONUP;
    return CallNextHookEx(nullptr, code, message, event);
}
LRESULT CALLBACK keyTaken(int code, WPARAM message, LPARAM event)
{
    inputs += code == HC_ACTION && (message == WM_KEYUP || message == WM_SYSKEYUP);
    return CallNextHookEx(nullptr, code, message, event);
}

std::string json(const std::wstring &text)
{
    std::string out = "\"";
    for (const wchar_t c : text) {
        if (c == L'"' || c == L'\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            out += ' ';
        } else {
            const wchar_t one[] = { c, 0 };
            char bytes[8] = {};
            const int n
                = WideCharToMultiByte(CP_UTF8, 0, one, 1, bytes, sizeof bytes, nullptr, nullptr);
            out.append(bytes, static_cast<std::size_t>(n));
        }
    }
    return out + '"';
}

VARIANT self()
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = CHILDID_SELF;
    return v;
}

// What a screen reader reads for a control: its name, and whether it is checked.
std::wstring nameOf(HWND control, bool *checked = nullptr)
{
    IAccessible *accessible = nullptr;
    if (!control
        || FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
            accessibleInterface, reinterpret_cast<void **>(&accessible))))
        return {};
    BSTR name = nullptr;
    accessible->get_accName(self(), &name);
    std::wstring text = name ? std::wstring(name, SysStringLen(name)) : std::wstring();
    SysFreeString(name);
    VARIANT state;
    VariantInit(&state);
    if (checked && SUCCEEDED(accessible->get_accState(self(), &state)) && state.vt == VT_I4)
        *checked = (state.lVal & STATE_SYSTEM_CHECKED) != 0;
    accessible->Release();
    return text;
}

std::vector<HWND> childrenOf(HWND parent)
{
    std::vector<HWND> found;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM list) {
            if (IsWindowVisible(child))
                reinterpret_cast<std::vector<HWND> *>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::wstring className(HWND w)
{
    wchar_t name[64] = {};
    GetClassNameW(w, name, 64);
    return name;
}

void CALLBACK hear(HWINEVENTHOOK /*hook*/, DWORD /*event*/, HWND hwnd, LONG object, LONG child,
    DWORD /*thread*/, DWORD /*time*/)
{
    IAccessible *accessible = nullptr;
    VARIANT which;
    VariantInit(&which);
    if (FAILED(AccessibleObjectFromEvent(
            hwnd, static_cast<DWORD>(object), static_cast<DWORD>(child), &accessible, &which)))
        return;
    BSTR name = nullptr;
    accessible->get_accName(which, &name);
    if (name && SysStringLen(name))
        heard.emplace_back(name, SysStringLen(name));
    SysFreeString(name);
    accessible->Release();
}

std::string attach()
{
    static HWINEVENTHOOK hook = nullptr;
    window = nullptr;
    for (int i = 0; i < 600 && !window; ++i) {
        window = FindWindowW(L"VorlankWindow", nullptr);
        if (!window || !IsWindowVisible(window)) {
            window = nullptr;
            Sleep(50);
        }
    }
    if (!window)
        return R"({"error":"no window"})";
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (hook)
        UnhookWinEvent(hook);
    hook = SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
        hear, process, 0, WINEVENT_OUTOFCONTEXT);
    heard.clear();
    return "{}";
}

std::string where(const std::wstring &name)
{
    HWND found = nullptr;
    for (HWND child : childrenOf(window)) {
        const std::wstring read = nameOf(child);
        if (read == name) {
            found = child;
            break;
        }
        if (!found && !name.empty() && read.rfind(name, 0) == 0)
            found = child;
    }
    RECT r {};
    GetWindowRect(found, &r);
    POINT centre { (r.left + r.right) / 2, (r.top + r.bottom) / 2 };
    ScreenToClient(window, &centre);
    return found ? "{\"x\":" + std::to_string(centre.x) + ",\"y\":" + std::to_string(centre.y) + "}"
                 : R"({"error":"no control of that name"})";
}

// The box the window has open, as a screen reader reads it.
std::string box()
{
    HWND open = nullptr;
    EnumWindows(
        [](HWND w, LPARAM found) {
            if (IsWindowVisible(w) && GetWindow(w, GW_OWNER) == window)
                *reinterpret_cast<HWND *>(found) = w;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&open));
    if (!open)
        return "null";
    wchar_t title[256] = {};
    GetWindowTextW(open, title, 256);
    std::wstring message;
    std::string detail = "null";
    std::string button = "null";
    RECT at {};
    for (HWND child : childrenOf(open)) {
        const std::wstring kind = className(child);
        if (kind == L"Static" && !nameOf(child).empty()) {
            message += nameOf(child);
            GetWindowRect(child, &at);
        } else if (kind == L"Edit") {
            // Another process's field answers for its text only when asked.
            wchar_t text[1024] = {};
            DWORD_PTR copied = 0;
            SendMessageTimeoutW(child, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text),
                SMTO_ABORTIFHUNG, 2000, &copied);
            detail = json(text);
        } else if (kind == L"Button") {
            button = json(nameOf(child));
        }
    }
    return "{\"title\":" + json(title) + ",\"message\":" + json(message) + ",\"detail\":" + detail
        + ",\"button\":" + button + ",\"messageAt\":[" + std::to_string(at.left) + ","
        + std::to_string(at.top) + "," + std::to_string(at.right - at.left) + ","
        + std::to_string(at.bottom - at.top) + "]}";
}

std::string observe()
{
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    std::string seen = "{\"title\":" + json(title);
    std::string chosen = "null";
    for (const ui::Element &e : ui::elements()) {
        HWND control
            = GetDlgItem(window, ui::win32::firstControlId + static_cast<int>(ui::indexOf(e)));
        bool checked = false;
        const std::wstring name = nameOf(control, &checked);
        if (e.shows != ui::Shows::Caption)
            seen += std::string(e.shows == ui::Shows::Prompt ? ",\"prompt\":" : ",\"character\":")
                + json(name);
        // Wine's accessibility leaves an option's state out; its button says it.
        if (e.kind == ui::Kind::OptionButton
            && (checked || SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED))
            chosen = json(name);
    }
    seen += ",\"checked\":" + chosen;
    GUITHREADINFO info { sizeof info, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, {} };
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    seen += ",\"focus\":" + (info.hwndFocus ? json(nameOf(info.hwndFocus)) : std::string("null"));
    std::string said;
    for (const std::wstring &text : heard)
        said += (said.empty() ? "" : ",") + json(text);
    return seen + ",\"box\":" + box() + ",\"heard\":[" + said + "]}";
}

std::string close()
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    HANDLE program = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process);
    if (program) {
        TerminateProcess(program, 0);
        WaitForSingleObject(program, 10000);
        CloseHandle(program);
    }
    window = nullptr;
    return "{}";
}

// Reads the commands, one a line, and hands each to the thread that listens to the window.
DWORD WINAPI readCommands(LPVOID listener)
{
    char line[1024];
    while (std::fgets(line, sizeof line, stdin)) {
        auto *command = new std::string(line);
        while (!command->empty() && (command->back() == '\n' || command->back() == '\r'))
            command->pop_back();
        PostThreadMessageW(static_cast<DWORD>(reinterpret_cast<UINT_PTR>(listener)), commandMessage,
            0, reinterpret_cast<LPARAM>(command));
    }
    PostThreadMessageW(static_cast<DWORD>(reinterpret_cast<UINT_PTR>(listener)), WM_QUIT, 0, 0);
    return 0;
}
} // namespace

int main()
{
    CoInitialize(nullptr);
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE); // the thread's queue, before any post
    SetWindowsHookExW(WH_MOUSE_LL, mouseTaken, GetModuleHandleW(nullptr), 0);
    SetWindowsHookExW(WH_KEYBOARD_LL, keyTaken, GetModuleHandleW(nullptr), 0);
    CreateThread(nullptr, 0, readCommands,
        reinterpret_cast<LPVOID>(static_cast<UINT_PTR>(GetCurrentThreadId())), 0, nullptr);
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message != commandMessage) {
            DispatchMessageW(&message);
            continue;
        }
        const std::string *command = reinterpret_cast<std::string *>(message.lParam);
        std::string answer;
        if (*command == "attach")
            answer = attach();
        else if (*command == "close")
            answer = close();
        else if (*command == "handled")
            answer = "{\"inputs\":" + std::to_string(inputs) + "}";
        else if (command->rfind("where ", 0) == 0) {
            const std::string name = command->substr(6);
            std::wstring wide(static_cast<std::size_t>(name.size()), L'\0');
            wide.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, name.data(),
                static_cast<int>(name.size()), wide.data(), static_cast<int>(wide.size()))));
            answer = where(wide);
        } else
            answer = observe();
        delete command;
        std::printf("%s\n", answer.c_str());
        std::fflush(stdout);
    }
    CoUninitialize();
    return 0;
}
