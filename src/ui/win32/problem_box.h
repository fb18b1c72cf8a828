// The box that tells the user something went wrong: a warning, a line of explanation and the
// detail (an address the desktop did not open, an error's description) in a read-only field the
// user can select and copy, which a plain message box does not allow.
#pragma once

#include <windows.h>

#include <string_view>

namespace vorlank::ui::win32
{

// Shows the box, modal to `owner`, titled `title`, in the window's face (`family` at `points`),
// and returns once the user has closed it. The detail starts selected, so Ctrl+C copies it.
void showProblemBox(HWND owner, std::wstring_view title, std::wstring_view message,
    std::wstring_view detail, std::wstring_view family, int points);

} // namespace vorlank::ui::win32
