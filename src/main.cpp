#include "launch/launch.h"
#include "runtime/runtime.h"
#include "ui/form1.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>
#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorlank"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vorlank.Vorlank"));

    vorlank::runtime::ClockRandom random;
    std::unique_ptr<vorlank::ui::Form1> window;
    try {
        window = std::make_unique<vorlank::ui::Form1>(vorlank::launch::desktopShell(), random);
    } catch (const std::exception &e) {
        // Only a damaged build gets here (its embedded inventory does not load): say so plainly.
        QMessageBox::critical(nullptr, QStringLiteral("Vorlank"),
            QStringLiteral("Vorlank cannot start: %1").arg(QString::fromUtf8(e.what())));
        return 1;
    }
    window->show();
    return QApplication::exec();
}
