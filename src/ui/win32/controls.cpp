#include "controls.h"

#include "dpi.h"
#include "wide_text.h"

#include <commctrl.h>

namespace vorlank::ui::win32
{

namespace
{
// The native control for an element, and its style.
struct NativeKind {
    const wchar_t *windowClass;
    DWORD style;
};

NativeKind nativeKind(const Element &e, bool firstOption)
{
    switch (e.kind) {
    case Kind::GroupBox:
        return { WC_BUTTONW, BS_GROUPBOX };
    case Kind::OptionButton:
        // The first option opens the group the arrow keys move through.
        return { WC_BUTTONW, BS_AUTORADIOBUTTON | (firstOption ? WS_GROUP | WS_TABSTOP : 0U) };
    case Kind::Button:
        // BS_NOTIFY: the window hears of focus changes, to show the focused button as default.
        return { WC_BUTTONW, BS_PUSHBUTTON | BS_NOTIFY | WS_TABSTOP | WS_GROUP };
    case Kind::Picture:
        return { WC_STATICW, SS_BITMAP | SS_REALSIZECONTROL | SS_NOTIFY | WS_GROUP };
    case Kind::Label:
        return { WC_STATICW,
            WS_GROUP | SS_NOPREFIX | (e.click != Action::None ? SS_NOTIFY : 0U)
                | (e.face == Face::Character ? SS_CENTER | SS_CENTERIMAGE : SS_LEFT) };
    case Kind::TextBlock:
    case Kind::List:
        break;
    }
    return { nullptr, 0 };
}
} // namespace

std::vector<Control> createControls(HWND window, HINSTANCE instance, const HBITMAP (&pictures)[2])
{
    // Creation order is the stacking order, which a dialog's Tab follows among the controls that
    // take the focus; the group boxes come last, below the controls they frame.
    std::vector<Control> controls;
    bool firstOption = true;
    for (const Element *e : stackingOrder()) {
        const NativeKind native = nativeKind(*e, firstOption && e->kind == Kind::OptionButton);
        firstOption = firstOption && e->kind != Kind::OptionButton;
        const auto id = static_cast<int>(firstControlId + (e - elements().data()));
        // A picture's window text is its name, which screen readers read; the picture itself is
        // set below.
        const std::wstring text
            = wideString(e->kind == Kind::Picture ? e->pictureName : e->caption);
        HWND hwnd = CreateWindowExW(0, native.windowClass, text.c_str(),
            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | native.style, 0, 0, 0, 0, window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        if (e->artwork != Artwork::None) {
            const HBITMAP picture = pictures[e->artwork == Artwork::FirstProduct ? 0 : 1];
            SendMessageW(hwnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
        }
        controls.push_back({ e, hwnd });
    }
    return controls;
}

void layoutControls(
    const std::vector<Control> &controls, UINT dpi, HFONT windowFont, HFONT characterFont)
{
    for (const Control &c : controls) {
        const TwipRect r = windowRect(*c.element);
        SetWindowPos(c.hwnd, nullptr, scaled(r.left, dpi), scaled(r.top, dpi), scaled(r.width, dpi),
            scaled(r.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
        const HFONT font = c.element->face == Face::Character ? characterFont : windowFont;
        SendMessageW(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

} // namespace vorlank::ui::win32
