#include "windows_shell.h"

#include <windows.h>

#include <shellapi.h>

namespace vorlank::ui::win32
{

namespace
{
// What the shell receives besides the address: the verb, and "0" for the parameters and the
// directory. A browser given an address ignores both, and the text "0" keeps every argument
// ASCII, which reads the same in every ANSI code page.
constexpr char openVerb[] = "open";
constexpr char noParameters[] = "0";
constexpr char noDirectory[] = "0";
} // namespace

bool WindowsShell::open(const std::string &address, LateFailure /*lateFailure*/)
{
    // The desktop, not the program's window, owns the launch. Every argument is ASCII, which
    // reads the same in every ANSI code page. Results up to 32 are the shell's error codes.
    const HINSTANCE result = ShellExecuteA(
        GetDesktopWindow(), openVerb, address.c_str(), noParameters, noDirectory, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace vorlank::ui::win32
