// What the Windows program tells screen readers beyond its controls' names: a polite live region
// that says each announcement without the focus moving (Narrator and NVDA read its change event),
// and a description on a control, which a screen reader reads with its name.
#pragma once

#include <windows.h>

#include <string_view>

namespace vorlank::ui::win32
{

// A static control of `window` that draws nothing and takes no focus, declared a polite live
// region. Where the system cannot declare it (Wine does not), its change events still go out.
class LiveRegion
{
public:
    LiveRegion(HWND window, HINSTANCE instance);
    // Has screen readers say `text` once; nothing for an empty text.
    void announce(std::u16string_view text) const;

private:
    HWND hwnd_;
};

// Gives `control` the description `text`, which a screen reader reads after its name, until
// forget(); false where the system does not take it.
bool describe(HWND control, std::u16string_view text);
void forget(HWND control);

} // namespace vorlank::ui::win32
