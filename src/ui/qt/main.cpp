#include "appearance.h"
#include "desktop_shell.h"
#include "form1_widget.h"
#include "qt_text.h"
#include "runtime/runtime.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include <cstdio>
#include <exception>
#include <memory>

namespace
{
// The usual options, answered before any window or display is needed: --help and --version
// print and exit 0, anything else is an error on standard error and exit status 2. Returns -1
// when the window is to open.
int answerCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Estimates how many Simplified Chinese characters you can read."));
    const QCommandLineOption help({ QStringLiteral("h"), QStringLiteral("help") },
        QStringLiteral("Display this help and exit."));
    const QCommandLineOption version({ QStringLiteral("v"), QStringLiteral("version") },
        QStringLiteral("Display the version and exit."));
    parser.addOptions({ help, version });
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "vorlank: %s\nTry 'vorlank --help' for more information.\n",
            qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(help)) {
        // No application object exists yet to name the program.
        std::fputs(qPrintable(parser.helpText().replace(
                       QStringLiteral("<executable_name>"), QStringLiteral("vorlank"))),
            stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("Vorlank %s\n", VORLANK_VERSION);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "vorlank: unexpected argument '%s'\n",
            qPrintable(parser.positionalArguments().constFirst()));
        return 2;
    }
    return -1;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("vorlank"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VORLANK_VERSION));
    if (const int status = answerCommandLine(argc, argv); status >= 0)
        return status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorlank"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vorlank.Vorlank"));
    vorlank::ui::qt::applyChineseConventions();

    using namespace vorlank;
    runtime::ClockRandom random;
    ui::qt::DesktopShell shell;
    std::unique_ptr<ui::qt::Form1Widget> window;
    try {
        window = std::make_unique<ui::qt::Form1Widget>(shell, random);
    } catch (const std::exception &e) {
        // Only a damaged build gets here (its embedded inventory does not load): say so plainly.
        QMessageBox::critical(nullptr, ui::qt::toQString(texts::applicationTitle),
            ui::qt::toQString(texts::cannotStart) + QString::fromUtf8(e.what()));
        return 1;
    }
    window->show();
    return QApplication::exec();
}
