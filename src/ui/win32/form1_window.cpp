#include "form1_window.h"

#include "dpi.h"
#include "message_box.h"
#include "resource_ids.h"
#include "wide_text.h"

#include <algorithm>
#include <string>

namespace vorlank::ui::win32
{

namespace
{
constexpr wchar_t className[] = L"VorlankForm1";
} // namespace

Form1Window::Form1Window(HINSTANCE instance, launch::Shell &shell, runtime::RandomSource &random)
    : handlers_(std::make_unique<EventHandlers>(*this, shell, random))
{
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_VORLANK),
        IMAGE_ICON, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_VORLANK),
        IMAGE_ICON, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    // A second window of the same program finds the class registered by the first.
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw std::runtime_error("the window class could not be registered");

    // Fixed size: a caption, a system menu and minimising, but no resizing or maximising.
    hwnd_ = CreateWindowExW(WS_EX_CONTROLPARENT, className, wide(texts::windowTitle),
        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
    if (!hwnd_)
        throw std::runtime_error("the window could not be created");
    pictures_[0] = loadPicture(instance, IDR_PRODUCT1);
    pictures_[1] = loadPicture(instance, IDR_PRODUCT2);
    const HBITMAP pictures[2] = { pictures_[0].get(), pictures_[1].get() };
    controls_ = createControls(hwnd_, instance, pictures);
    for (const Control &c : controls_) {
        if (c.element->role == Role::Character)
            character_ = c.hwnd;
        else if (c.element->role == Role::Prompt)
            prompt_ = c.hwnd;
        else if (c.element->role == Role::Recognised)
            recognised_ = c.hwnd;
        if (c.element == keyboardOrder().front())
            firstFocus_ = c.hwnd;
    }
    layout(dpiOf(hwnd_));
}

Form1Window::~Form1Window()
{
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

void Form1Window::layout(UINT dpi)
{
    // The controls take the new faces before the old ones are freed: a control must never be
    // left drawing with a deleted font.
    Font windowFont = createFont(faceSpec(Face::Window), dpi);
    Font characterFont = createFont(faceSpec(Face::Character), dpi);
    layoutControls(controls_, dpi, windowFont.get(), characterFont.get());
    windowFont_ = std::move(windowFont);
    characterFont_ = std::move(characterFont);
}

void Form1Window::show(int showCommand)
{
    const UINT dpi = dpiOf(hwnd_);
    const RECT frame
        = frameFor(hwnd_, scaled(clientArea.width, dpi), scaled(clientArea.height, dpi), dpi);
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
    SetFocus(firstFocus_);
}

LRESULT CALLBACK Form1Window::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto *create = reinterpret_cast<const CREATESTRUCTW *>(lParam);
        auto *self = static_cast<Form1Window *>(create->lpCreateParams);
        self->hwnd_ = hwnd; // messages arrive before CreateWindowExW returns
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<Form1Window *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return self->handle(message, wParam, lParam);
}

LRESULT Form1Window::handle(UINT message, WPARAM wParam, LPARAM lParam)
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
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

void Form1Window::command(int id, int code, HWND from)
{
    // Enter reaches the window as IDOK: it presses the focused push button, as in a dialog.
    if (id == IDOK) {
        const auto focused = std::find_if(controls_.begin(), controls_.end(),
            [](const Control &c) { return c.hwnd == GetFocus(); });
        if (focused != controls_.end() && focused->element->kind == Kind::Button)
            SendMessageW(focused->hwnd, BM_CLICK, 0, 0);
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
        handlers_->click(elements()[index].click);
}

void Form1Window::setTitle(std::u16string_view title)
{
    SetWindowTextW(hwnd_, wideString(title).c_str());
}

void Form1Window::setCharacterCaption(std::u16string_view text)
{
    SetWindowTextW(character_, wideString(text).c_str());
}

void Form1Window::setPromptCaption(std::u16string_view text)
{
    SetWindowTextW(prompt_, wideString(text).c_str());
}

bool Form1Window::recognisedSelected() const
{
    return SendMessageW(recognised_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Form1Window::showEndMessage(std::u16string_view text)
{
    showBox(hwnd_, { text, {}, false }, faceSpec(Face::Window));
}

void Form1Window::showProblem(std::u16string_view message, std::u16string_view detail)
{
    showBox(hwnd_, { message, detail, true }, faceSpec(Face::Window));
}

} // namespace vorlank::ui::win32
