#include "form1_window.h"

#include "problem_box.h"
#include "resource_ids.h"

#include <algorithm>
#include <string>

namespace vorlank::ui::win32
{

namespace
{
constexpr wchar_t className[] = L"VorlankForm1";
constexpr int firstControlId = 100; // clear of IDOK and IDCANCEL, which the dialog keys send
constexpr UINT defaultDpi = 96;

const wchar_t *wide(std::u16string_view text)
{
    return reinterpret_cast<const wchar_t *>(text.data());
}

std::wstring wideString(std::u16string_view text)
{
    return { wide(text), text.size() };
}

std::u16string textOf(HWND hwnd)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return { reinterpret_cast<const char16_t *>(text.data()), text.size() };
}

// Windows 10's per-monitor functions, looked up so that older systems still run the program at
// the system DPI.
UINT dpiOf(HWND hwnd)
{
    using GetDpiForWindowFn = UINT(WINAPI *)(HWND);
    static const auto getDpi = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleW(L"user32"), "GetDpiForWindow")));
    if (getDpi)
        return getDpi(hwnd);
    HDC dc = GetDC(hwnd);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(hwnd, dc);
    return dpi > 0 ? static_cast<UINT>(dpi) : defaultDpi;
}

RECT frameFor(HWND hwnd, int clientWidth, int clientHeight, UINT dpi)
{
    RECT rect { 0, 0, clientWidth, clientHeight };
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE));
    using AdjustFn = BOOL(WINAPI *)(RECT *, DWORD, BOOL, DWORD, UINT);
    static const auto adjust = reinterpret_cast<AdjustFn>(reinterpret_cast<void *>(
        GetProcAddress(GetModuleHandleW(L"user32"), "AdjustWindowRectExForDpi")));
    if (adjust)
        adjust(&rect, style, FALSE, exStyle, dpi);
    else
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    return rect;
}

int scaled(int twips, UINT dpi)
{
    return MulDiv(twips, static_cast<int>(dpi), twipsPerInch);
}

// The native control for an element, and its style.
struct NativeKind {
    const wchar_t *windowClass;
    DWORD style;
};

NativeKind nativeKind(const Element &e, bool firstOption)
{
    switch (e.kind) {
    case Kind::GroupBox:
        return { L"BUTTON", BS_GROUPBOX };
    case Kind::OptionButton:
        // The first option opens the group the arrow keys move through.
        return { L"BUTTON", BS_AUTORADIOBUTTON | (firstOption ? WS_GROUP | WS_TABSTOP : 0U) };
    case Kind::Button:
        // BS_NOTIFY: the window hears of focus changes, to show the focused button as default.
        return { L"BUTTON", BS_PUSHBUTTON | BS_NOTIFY | WS_TABSTOP | WS_GROUP };
    case Kind::Picture:
        return { L"STATIC", SS_BITMAP | SS_REALSIZECONTROL | SS_NOTIFY | WS_GROUP };
    case Kind::Label:
        return { L"STATIC",
            WS_GROUP | SS_NOPREFIX | (e.click != Action::None ? SS_NOTIFY : 0U)
                | (e.face == Face::Character ? SS_CENTER | SS_CENTERIMAGE : SS_LEFT) };
    case Kind::TextBlock:
    case Kind::List:
        break;
    }
    return { nullptr, 0 };
}
} // namespace

Form1Window::Form1Window(HINSTANCE instance, launch::Shell &shell, runtime::RandomSource &random)
    : instance_(instance)
    , model_(std::make_unique<Form1Model>(*this, shell, random))
{
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_VORLANK),
        IMAGE_ICON, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    windowClass.hIconSm = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_VORLANK), IMAGE_ICON, 16, 16, 0));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    RegisterClassExW(&windowClass);

    // Fixed size: a caption, a system menu and minimising, but no resizing or maximising.
    hwnd_ = CreateWindowExW(WS_EX_CONTROLPARENT, className, wide(texts::windowTitle),
        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
    if (!hwnd_)
        throw std::runtime_error("the window could not be created");
    pictures_[0] = loadPicture(instance, IDR_PRODUCT1);
    pictures_[1] = loadPicture(instance, IDR_PRODUCT2);
    createControls();
    layout(dpiOf(hwnd_));
}

Form1Window::~Form1Window()
{
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

void Form1Window::createControls()
{
    // Creation order is keyboard order: the design's tab indexes first, the pictures after them
    // and the group boxes last, below the controls they frame.
    std::vector<const Element *> order;
    for (const Element &e : elements())
        if (isShown(e.kind))
            order.push_back(&e);
    const auto rank = [](const Element *e) {
        return e->kind == Kind::GroupBox ? 2000 : e->tabIndex < 0 ? 1000 : e->tabIndex;
    };
    std::stable_sort(order.begin(), order.end(),
        [&](const Element *a, const Element *b) { return rank(a) < rank(b); });

    bool firstOption = true;
    for (const Element *e : order) {
        const NativeKind native = nativeKind(*e, firstOption && e->kind == Kind::OptionButton);
        firstOption = firstOption && e->kind != Kind::OptionButton;
        const auto id = static_cast<int>(firstControlId + (e - elements().data()));
        HWND hwnd = CreateWindowExW(0, native.windowClass,
            e->kind == Kind::Picture ? L"" : wideString(e->caption).c_str(),
            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | native.style, 0, 0, 0, 0, hwnd_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
        if (e->kind == Kind::Picture) {
            const auto &picture = pictures_[e->click == Action::OpenFirstProduct ? 0 : 1];
            SendMessageW(hwnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture.get()));
        }
        controls_.push_back({ e, hwnd });
    }
}

void Form1Window::layout(UINT dpi)
{
    windowFont_ = createFont(windowFace(), 9, dpi, Height::Cell);
    characterFont_ = createFont(characterFace(), 72, dpi, Height::Em);
    for (const Control &c : controls_) {
        const TwipRect r = windowRect(*c.element);
        SetWindowPos(c.hwnd, nullptr, scaled(r.left, dpi), scaled(r.top, dpi), scaled(r.width, dpi),
            scaled(r.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
        const HFONT font
            = c.element->face == Face::Character ? characterFont_.get() : windowFont_.get();
        SendMessageW(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
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
    SetFocus(control("Command4"));
}

HWND Form1Window::control(std::string_view name) const
{
    const auto found = std::find_if(controls_.begin(), controls_.end(),
        [&](const Control &c) { return c.element->name == name; });
    return found == controls_.end() ? nullptr : found->hwnd;
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
        command(LOWORD(wParam), HIWORD(wParam));
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
    case 0x02E0: { // WM_DPICHANGED: take the suggested rectangle and lay out anew
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

void Form1Window::command(int id, int code)
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
        if (const HWND button = control(elements()[index].name))
            SendMessageW(
                button, BM_SETSTYLE, code == BN_SETFOCUS ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
        return;
    }
    // A notifying button reports the second of two quick clicks as a double click: still a click.
    const bool doubleClickedButton
        = code == BN_DOUBLECLICKED && elements()[index].kind == Kind::Button;
    if (code == BN_CLICKED || doubleClickedButton) // BN_CLICKED = STN_CLICKED for the labels
        model_->click(elements()[index].click);
}

std::u16string Form1Window::title() const
{
    return textOf(hwnd_);
}

void Form1Window::setTitle(std::u16string_view title)
{
    SetWindowTextW(hwnd_, wideString(title).c_str());
}

std::u16string Form1Window::characterCaption() const
{
    return textOf(control("Label2"));
}

void Form1Window::setCharacterCaption(std::u16string_view text)
{
    SetWindowTextW(control("Label2"), wideString(text).c_str());
}

void Form1Window::setPromptCaption(std::u16string_view text)
{
    SetWindowTextW(control("Label3"), wideString(text).c_str());
}

bool Form1Window::recognisedSelected() const
{
    return SendMessageW(control("Option1(0)"), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Form1Window::showEndMessage(std::u16string_view text)
{
    MessageBoxW(hwnd_, wideString(text).c_str(), wide(texts::applicationTitle), MB_OK);
}

void Form1Window::showProblem(std::u16string_view message, std::u16string_view detail)
{
    showProblemBox(hwnd_, wide(texts::applicationTitle), wideString(message), wideString(detail),
        windowFace());
}

} // namespace vorlank::ui::win32
