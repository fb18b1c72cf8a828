#include "shell_execute.h"

#include <windows.h>

#include <shellapi.h>

namespace vorlank::launch
{

void shellExecuteAnsi(const char *operation, const char *target, const char *parameters,
    const char *directory, int showMode)
{
    // The desktop, not the program's window, owns the launch.
    ShellExecuteA(GetDesktopWindow(), operation, target, parameters, directory, showMode);
}

} // namespace vorlank::launch
