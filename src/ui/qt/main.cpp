#include "appearance.h"
#include "boxes.h"
#include "desktop_shell.h"
#include "main_window.h"
#include "qt_text.h"
#include "runtime/runtime.h"
#include "texts/texts.h"
#include "ui/window_state.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <utility>
#include <vector>

namespace
{
using namespace vorlank;

const char *const program = "vorlank";

void printLine(std::u16string_view text, const QString &detail = {})
{
    std::fprintf(stderr, "%s: %s\n", program, qPrintable(ui::qt::toQString(text) + detail));
}

// --help and --version, answered before any window or display is needed: the first one found
// prints and exits 0. Returns -1 when neither is given. The other arguments wait for the toolkit,
// which takes its own (-style, -platform, -display, -reverse, ...).
int answerInformationOptions(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const char *a = argv[i];
        if (std::strcmp(a, "-h") == 0 || std::strcmp(a, "--help") == 0) {
            std::fputs(qPrintable(ui::qt::toQString(texts::commandLineHelp)), stdout);
            return 0;
        }
        if (std::strcmp(a, "-v") == 0 || std::strcmp(a, "--version") == 0) {
            std::printf("Vorlank %s\n", VORLANK_VERSION);
            return 0;
        }
    }
    return -1;
}

// What is left once the toolkit has taken its own options must be ours: an unknown option or a
// stray argument is an error on standard error, exit status 2. Returns -1 when all is well.
// Before the toolkit has taken its options, `toolkits` names them (as its manual lists them, for
// the window system it could not reach): a single dash's word is one option then.
int refuseTheRest(const QStringList &arguments, bool toolkits = false)
{
    QCommandLineParser parser;
    parser.addOptions({ { { QStringLiteral("h"), QStringLiteral("help") }, {} },
        { { QStringLiteral("v"), QStringLiteral("version") }, {} } });
    if (toolkits) {
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        for (const char *name : { "platform", "platformpluginpath", "platformtheme", "plugin",
                 "qmljsdebugger", "qwindowgeometry", "qwindowicon", "qwindowtitle", "session",
                 "display", "geometry", "style", "stylesheet" })
            parser.addOption({ QString::fromLatin1(name), {}, QStringLiteral("value") });
        for (const char *name : { "reverse", "widgetcount", "nograb", "dograb", "sync" })
            parser.addOption({ QString::fromLatin1(name), {} });
    }
    QString error;
    if (!parser.parse(arguments))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = ui::qt::toQString(texts::unexpectedArgumentBefore)
            + parser.positionalArguments().first()
            + ui::qt::toQString(texts::unexpectedArgumentAfter);
    if (error.isEmpty())
        return -1;
    std::fprintf(stderr, "%s: %s\n%s\n", program, qPrintable(error),
        qPrintable(ui::qt::toQString(texts::commandLineTryHelp)));
    return 2;
}
// What the toolkit says while it starts. Kept back, so that a window system it cannot reach
// makes one clear line (the first thing that went wrong: an argument that is no one's, or the
// window system) and exit status 2 or 1, instead of its advice and an abort; handed on once the
// toolkit is up.
std::vector<std::pair<QtMsgType, QString>> startMessages;
QStringList startArguments;
void holdStartMessage(QtMsgType type, const QMessageLogContext & /*context*/, const QString &text)
{
    if (type != QtFatalMsg) {
        startMessages.emplace_back(type, text.trimmed());
        return;
    }
    if (const int status = refuseTheRest(startArguments, true); status >= 0)
        std::_Exit(status);
    const QString reason = startMessages.empty() ? text.section(QLatin1Char('\n'), 0, 0).trimmed()
                                                 : startMessages.front().second;
    printLine(texts::cannotOpenWindow, reason);
    std::_Exit(1);
}
} // namespace

int main(int argc, char *argv[])
{
    if (const int status = answerInformationOptions(argc, argv); status >= 0)
        return status;
    for (int i = 0; i < argc; ++i)
        startArguments.append(QString::fromLocal8Bit(argv[i]));
    const QtMessageHandler usual = qInstallMessageHandler(holdStartMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(usual);
    for (const auto &[type, text] : std::exchange(startMessages, {}))
        usual(type, QMessageLogContext(), text);
    if (const int status = refuseTheRest(QApplication::arguments()); status >= 0)
        return status;
    QApplication::setApplicationName(QStringLiteral("Vorlank"));
    QApplication::setApplicationVersion(QStringLiteral(VORLANK_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vorlank.Vorlank"));
    ui::qt::applyChineseConventions();

    const auto random = runtime::programRandom(std::getenv("VORLANK_SEED"));
    ui::qt::DesktopShell shell;
    std::unique_ptr<ui::qt::MainWindow> window;
    try {
        window = std::make_unique<ui::qt::MainWindow>(shell, *random);
    } catch (const std::exception &e) {
        // Only a damaged build gets here (its embedded inventory does not load): say so plainly.
        ui::qt::makeBox(nullptr, *ui::cannotStart(ui::StartStep::Inventory, e.what()).effects.box)
            ->exec();
        return 1;
    }
    window->show();
    return QApplication::exec();
}
