#include "launch/launch.h"
#include "runtime/runtime.h"
#include "ui/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorlank"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vorlank.Vorlank"));

    vorlank::runtime::ClockRandom random;
    vorlank::ui::Form1 window(vorlank::launch::desktopShell(), random);
    window.show();
    return QApplication::exec();
}
