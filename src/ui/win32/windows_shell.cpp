#include "windows_shell.h"

#include <windows.h>

#include <shellapi.h>

namespace vorlank::ui::win32
{

bool WindowsShell::execute(const launch::ShellArguments &a, LateFailure /*lateFailure*/)
{
    // The desktop, not the program's window, owns the launch. Every argument is ASCII, which
    // reads the same in every ANSI code page. Results up to 32 are the shell's error codes.
    const HINSTANCE result = ShellExecuteA(GetDesktopWindow(), a.operation.c_str(),
        a.target.c_str(), a.parameters.c_str(), a.directory.c_str(), a.showMode);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace vorlank::ui::win32
