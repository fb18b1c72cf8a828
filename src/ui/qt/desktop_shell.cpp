#include "form1_widget.h"

#include "launch/launch.h"

#include <QDesktopServices>
#include <QUrl>

namespace vorlank::ui::qt
{

namespace
{
class DesktopShell final : public launch::Shell
{
public:
    bool execute(const launch::ShellArguments &a) override
    {
        // No shell is involved: Qt hands the URL to the desktop's opener as one argument.
        const std::string encoded = launch::percentEncodeAnsi(a.target);
        const QUrl url = QUrl::fromEncoded(
            QByteArray::fromRawData(encoded.data(), static_cast<qsizetype>(encoded.size())),
            QUrl::StrictMode);
        return url.isValid() && QDesktopServices::openUrl(url);
    }
};
} // namespace

launch::Shell &desktopShell()
{
    static DesktopShell shell;
    return shell;
}

} // namespace vorlank::ui::qt
