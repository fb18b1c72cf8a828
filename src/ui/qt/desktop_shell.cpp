#include "desktop_shell.h"

#include <QProcess>
#include <QUrl>

namespace vorlank::ui::qt
{

namespace
{
// The desktop's own opener: it finds the user's browser as every other program's links do.
QString openerProgram()
{
#ifdef Q_OS_MACOS
    return QStringLiteral("open");
#else
    return QStringLiteral("xdg-open");
#endif
}
} // namespace

bool DesktopShell::open(const std::string &address, LateFailure lateFailure)
{
    // No shell is involved: the opener gets the URL as one argument.
    const QUrl url = QUrl::fromEncoded(
        QByteArray::fromRawData(address.data(), static_cast<qsizetype>(address.size())),
        QUrl::StrictMode);
    if (!url.isValid())
        return false;
    // The opener is watched, not waited for: it may take its time, and an opener that finds no
    // browser only says so by its exit status, which a launch that reports success once the
    // opener has started never looks at. It has no parent, so that closing the window does not
    // kill it (with a browser it may have started in the foreground); it deletes itself once it
    // has ended.
    auto *opener = new QProcess;
    opener->setProgram(openerProgram());
    opener->setArguments({ QString::fromLatin1(url.toEncoded()) });
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    opener->setStandardInputFile(QProcess::nullDevice());
    const auto failed = [lateFailure] {
        if (lateFailure)
            lateFailure();
    };
    QObject::connect(opener, &QProcess::finished, opener,
        [opener, failed](int code, QProcess::ExitStatus status) {
            opener->deleteLater();
            if (status != QProcess::NormalExit || code != 0)
                failed();
        });
    opener->start();
    if (opener->state() == QProcess::NotRunning) {
        // No opener installed: the caller reports it at once.
        delete opener;
        return false;
    }
    QObject::connect(
        opener, &QProcess::errorOccurred, opener, [opener, failed](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart)
                return;
            opener->deleteLater();
            failed();
        });
    return true;
}

} // namespace vorlank::ui::qt
