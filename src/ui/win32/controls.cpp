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

// Where Tab stops: the first control of each keyboard stop, which opens a group for the arrow
// keys; the other options of a stop only continue that group.
bool opensStop(const Element &e)
{
    for (const KeyboardStop &stop : keyboardStops(Keyboard::Window))
        if (stop.front() == &e)
            return true;
    return false;
}

NativeKind nativeKind(const Element &e)
{
    const DWORD stop = opensStop(e) ? WS_GROUP | WS_TABSTOP : 0U;
    switch (e.kind) {
    case Kind::GroupBox:
        return { WC_BUTTONW, BS_GROUPBOX };
    case Kind::OptionButton:
        return { WC_BUTTONW, BS_AUTORADIOBUTTON | stop };
    case Kind::Button:
        // BS_NOTIFY: the window hears of focus changes, to show the focused button as default.
        return { WC_BUTTONW, BS_PUSHBUTTON | BS_NOTIFY | stop };
    case Kind::Picture:
        return { WC_STATICW, SS_BITMAP | SS_REALSIZECONTROL | SS_NOTIFY | WS_GROUP };
    case Kind::Label:
        break;
    }
    return { WC_STATICW,
        WS_GROUP | SS_NOPREFIX | (e.click != Action::None ? SS_NOTIFY : 0U)
            | (e.alignment == Alignment::Centred ? SS_CENTER | SS_CENTERIMAGE : SS_LEFT) };
}
} // namespace

std::vector<HWND> createControls(
    HWND window, HINSTANCE instance, const std::vector<Bitmap> &pictures)
{
    // Creation order is the stacking order, which a dialog's Tab follows among the controls that
    // take the focus; the group boxes come last, below the controls they frame.
    std::vector<HWND> controls(elements().size());
    for (const Element *e : stackingOrder()) {
        const NativeKind native = nativeKind(*e);
        const std::size_t index = indexOf(*e);
        const auto id = static_cast<int>(firstControlId + index);
        // A picture's window text is its name, which screen readers read; the picture itself is
        // set below.
        const std::wstring text = wideString(accessibleName(*e));
        HWND hwnd = CreateWindowExW(0, native.windowClass, text.c_str(),
            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | native.style, 0, 0, 0, 0, window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        if (pictures[index])
            SendMessageW(
                hwnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(pictures[index].get()));
        controls[index] = hwnd;
    }
    return controls;
}

void layoutControls(
    const std::vector<HWND> &controls, UINT dpi, HFONT windowFont, HFONT characterFont)
{
    const auto scaled = [dpi](int twips) { return pixels(twips, static_cast<int>(dpi)); };
    for (const Element &e : elements()) {
        const TwipRect r = windowRect(e);
        HWND hwnd = controls[indexOf(e)];
        SetWindowPos(hwnd, nullptr, scaled(r.left), scaled(r.top), scaled(r.width),
            scaled(r.height), SWP_NOZORDER | SWP_NOACTIVATE);
        const HFONT font = e.face == Face::Character ? characterFont : windowFont;
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

} // namespace vorlank::ui::win32
