// The window's native controls, made from the element table: classic BUTTON and STATIC
// controls, created in keyboard order and placed at their twip rectangles for a DPI.
#pragma once

#include "ui/elements.h"

#include <windows.h>

#include <vector>

namespace vorlank::ui::win32
{

// Control identifiers start clear of IDOK and IDCANCEL, which the dialog keys send.
constexpr int firstControlId = 100;

struct Control {
    const Element *element;
    HWND hwnd;
};

// Creates a control for every shown element inside `window`, in the stacking order, each with
// the identifier firstControlId + its index in the table and its accessible name as its window
// text; a picture shows its artwork from `pictures` (first product, second product).
std::vector<Control> createControls(HWND window, HINSTANCE instance, const HBITMAP (&pictures)[2]);

// Places every control at its rectangle for `dpi` and gives it its face.
void layoutControls(
    const std::vector<Control> &controls, UINT dpi, HFONT windowFont, HFONT characterFont);

} // namespace vorlank::ui::win32
