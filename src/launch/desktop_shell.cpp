#include "launch.h"

#ifdef Q_OS_WIN
#include "shell_execute.h"
#else
#include <QDesktopServices>
#endif

namespace vorlank::launch
{

namespace
{
class DesktopShell final : public Shell
{
public:
    void execute(const ShellArguments &a) override
    {
#ifdef Q_OS_WIN
        shellExecuteAnsi(a.operation.constData(), a.target.constData(), a.parameters.constData(),
            a.directory.constData(), a.showMode);
#else
        // No shell is involved: Qt hands the URL to the desktop's opener as one argument.
        QDesktopServices::openUrl(urlFromAnsi(a.target));
#endif
    }
};
} // namespace

Shell &desktopShell()
{
    static DesktopShell shell;
    return shell;
}

} // namespace vorlank::launch
