#include "launch.h"

#include <windows.h>

#include <shellapi.h>

namespace vorlank::launch
{

namespace
{
class WindowsShell final : public Shell
{
public:
    bool execute(const ShellArguments &a) override
    {
        // The desktop, not the program's window, owns the launch; the shell's result is not
        // examined, as the browser reports its own failures.
        ShellExecuteA(GetDesktopWindow(), a.operation.c_str(), a.target.c_str(),
            a.parameters.c_str(), a.directory.c_str(), a.showMode);
        return true;
    }
};
} // namespace

Shell &windowsShell()
{
    static WindowsShell shell;
    return shell;
}

} // namespace vorlank::launch
