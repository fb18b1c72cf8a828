// The window's native controls, made from the element table: classic BUTTON and STATIC
// controls, created in stacking order and placed at their twip rectangles for a DPI.
#pragma once

#include "fonts_and_pictures.h"
#include "ui/elements.h"

#include <windows.h>

#include <vector>

namespace vorlank::ui::win32
{

// Control identifiers start clear of IDOK and IDCANCEL, which the dialog keys send.
constexpr int firstControlId = 100;

// Creates a control for every element inside `window`, in the stacking order, each with the
// identifier firstControlId + its index in the table and its accessible name as its window text;
// a picture shows its bitmap from `pictures`. The controls come back by the element's index.
std::vector<HWND> createControls(
    HWND window, HINSTANCE instance, const std::vector<Bitmap> &pictures);

// Places every control at its rectangle for `dpi` and gives it its face.
void layoutControls(
    const std::vector<HWND> &controls, UINT dpi, HFONT windowFont, HFONT characterFont);

} // namespace vorlank::ui::win32
