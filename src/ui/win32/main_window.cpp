#include "main_window.h"

#include "dpi.h"
#include "message_box.h"
#include "texts/texts.h"
#include "wide_text.h"

#include <algorithm>
#include <string>

namespace vorlank::ui::win32
{

namespace
{
constexpr wchar_t className[] = L"VorlankWindow";
// The icon's resource, named in vorlank.rc.
constexpr const wchar_t *iconName = L"VORLANK";
// Posted to the window when the address of the step just performed could not be opened.
constexpr UINT openFailedMessage = WM_APP + 1;
} // namespace

MainWindow::MainWindow(HINSTANCE instance, launch::Shell &shell, runtime::RandomSource &random)
    : state_(Opener::Desktop, random)
    , shell_(shell)
{
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = static_cast<HICON>(LoadImageW(instance, iconName, IMAGE_ICON,
        GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, iconName, IMAGE_ICON,
        GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    // A second window of the same program finds the class registered by the first.
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw WindowError("the window class could not be registered");

    // Fixed size: a caption, a system menu and minimising, but no resizing or maximising.
    // The title, like every text the test run changes, comes with the first view.
    hwnd_ = CreateWindowExW(WS_EX_CONTROLPARENT, className, L"",
        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
    if (!hwnd_)
        throw WindowError("the window could not be created");
    for (const Element &e : elements())
        pictures_.push_back(e.asset.empty() ? nullptr : loadPicture(instance, e.asset));
    controls_ = createControls(hwnd_, instance, pictures_);
    liveRegion_ = std::make_unique<LiveRegion>(hwnd_, instance);
    layout(dpiOf(hwnd_));
    draw(state_.view());
}

MainWindow::~MainWindow()
{
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

void MainWindow::layout(UINT dpi)
{
    // The controls take the new faces before the old ones are freed: a control must never be
    // left drawing with a deleted font.
    Font windowFont = createFont(faceSpec(Face::Window), dpi);
    Font characterFont = createFont(faceSpec(Face::Character), dpi);
    layoutControls(controls_, dpi, windowFont.get(), characterFont.get());
    windowFont_ = std::move(windowFont);
    characterFont_ = std::move(characterFont);
}

void MainWindow::show(int showCommand)
{
    const UINT dpi = dpiOf(hwnd_);
    const RECT frame = frameFor(hwnd_, pixels(clientArea.width, static_cast<int>(dpi)),
        pixels(clientArea.height, static_cast<int>(dpi)), dpi);
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
    SetFocus(controls_[indexOf(*keyboardStops(Keyboard::Window).front().front())]);
}

const Element *MainWindow::elementOf(HWND control) const
{
    const auto found = std::find(controls_.begin(), controls_.end(), control);
    return found == controls_.end()
        ? nullptr
        : &elements()[static_cast<std::size_t>(found - controls_.begin())];
}

bool MainWindow::key(const MSG &message)
{
    // Enter held down: its repeats press the focused button, as its first press does.
    constexpr LPARAM wasDown = LPARAM { 1 } << 30;
    repeated_ = message.message == WM_KEYDOWN && message.wParam == VK_RETURN
        && (message.lParam & wasDown) != 0;
    const Element *from = message.message == WM_KEYDOWN ? elementOf(message.hwnd) : nullptr;
    if (!from || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0)
        return false;
    Key key = Key::Tab;
    switch (message.wParam) {
    case VK_TAB:
        key = GetKeyState(VK_SHIFT) < 0 ? Key::BackTab : Key::Tab;
        break;
    case VK_LEFT:
    case VK_UP:
        key = Key::Previous;
        break;
    case VK_RIGHT:
    case VK_DOWN:
        key = Key::Next;
        break;
    default:
        return false;
    }
    const Step step = state_.press(*from, key, Keyboard::Window);
    if (!step.effects.focus)
        return false;
    present(step);
    return true;
}

LRESULT CALLBACK MainWindow::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto *create = reinterpret_cast<const CREATESTRUCTW *>(lParam);
        auto *self = static_cast<MainWindow *>(create->lpCreateParams);
        self->hwnd_ = hwnd; // messages arrive before CreateWindowExW returns
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<MainWindow *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return self->handle(message, wParam, lParam);
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        command(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_ACTIVATE:
        // Keep the focused control across a switch to another window and back.
        if (LOWORD(wParam) == WA_INACTIVE)
            focusBeforeDeactivation_ = GetFocus();
        else if (focusBeforeDeactivation_ && IsChild(hwnd_, focusBeforeDeactivation_))
            SetFocus(focusBeforeDeactivation_);
        return 0;
    case WM_DPICHANGED: { // take the suggested rectangle and lay out anew
        const auto *suggested = reinterpret_cast<const RECT *>(lParam);
        SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
            suggested->right - suggested->left, suggested->bottom - suggested->top,
            SWP_NOZORDER | SWP_NOACTIVATE);
        layout(HIWORD(wParam));
        return 0;
    }
    case openFailedMessage:
        present(state_.openFailed());
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

void MainWindow::command(int id, int code, HWND from)
{
    // Enter reaches the window as IDOK: it presses the focused push button, as in a dialog.
    if (id == IDOK) {
        const Element *focused = elementOf(GetFocus());
        if (focused && focused->kind == Kind::Button)
            present(state_.click(*focused, repeated_ ? Press::Repeat : Press::Fresh));
        return;
    }
    const auto index = static_cast<std::size_t>(id - firstControlId);
    if (id < firstControlId || index >= elements().size())
        return;
    if (code == BN_SETFOCUS || code == BN_KILLFOCUS) {
        // As in a dialog, the focused push button is the one Enter presses, and looks it.
        SendMessageW(
            from, BM_SETSTYLE, code == BN_SETFOCUS ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
        return;
    }
    // A notifying button reports the second of two quick clicks as a double click: still a click.
    const bool doubleClickedButton
        = code == BN_DOUBLECLICKED && elements()[index].kind == Kind::Button;
    if (code == BN_CLICKED || doubleClickedButton) // BN_CLICKED = STN_CLICKED for the labels
        present(state_.click(elements()[index], repeated_ ? Press::Repeat : Press::Fresh));
}

void MainWindow::draw(const View &view)
{
    // A window that cannot work takes no clicks. (view.testUnderWay is left: closing a desktop
    // window is deliberate, unlike a reload, so the window does not ask first.)
    EnableWindow(hwnd_, !view.stopped);
    SetWindowTextW(hwnd_, wideString(view.title).c_str());
    // Each control's text, which is its name too: view.prompt and view.character for the labels
    // that show them (shownText picks), the table's text for the rest.
    for (const Element &e : elements())
        if (e.shows != Shows::Caption)
            SetWindowTextW(controls_[indexOf(e)], wideString(shownText(view, e)).c_str());
    // Only a change: an option's check carries its group's Tab stop, and unchecking an option
    // that is not checked would take the stop away.
    for (const Element &e : elements()) {
        HWND option = controls_[indexOf(e)];
        const bool checked = &e == view.checked;
        if (e.kind == Kind::OptionButton
            && (SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED) != checked)
            SendMessageW(option, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void MainWindow::present(const Step &step)
{
    draw(step.view);
    const Effects &effects = step.effects;
    if (effects.focus)
        SetFocus(controls_[indexOf(*effects.focus)]);
    liveRegion_->announce(effects.announcement);
    // ShellExecuteA answers at once; its failure comes back as a message of its own, after this
    // step.
    if (!effects.address.empty() && !shell_.open(effects.address, {}))
        PostMessageW(hwnd_, openFailedMessage, 0, 0);
    if (effects.box)
        showBox(hwnd_, *effects.box, faceSpec(Face::Window));
}

} // namespace vorlank::ui::win32
