// The window's boxes, drawn in the window's own face so that their Chinese reads the same on
// every system (the system's message face may have no Chinese glyphs at all): the end message,
// and the box that tells the user something went wrong, with the detail (an address the desktop
// did not open, an error's description) in a read-only field to select and copy, which a
// message box does not allow.
#pragma once

#include "ui/elements.h"
#include "ui/window_state.h"

#include <windows.h>

#include <string_view>

namespace vorlank::ui::win32
{

// Shows the box, modal to `owner`, titled with the application title, with one 确定 button
// that Enter and Escape press too, and returns once the user has closed it. A detail starts
// selected and focused, so Ctrl+C copies it.
void showBox(HWND owner, const Box &content, const FaceSpec &face);

} // namespace vorlank::ui::win32
