#include "appearance.h"
#include "form1_widget.h"
#include "runtime/runtime.h"

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
    vorlank::ui::qt::applyChineseConventions();

    vorlank::runtime::ClockRandom random;
    std::unique_ptr<vorlank::ui::qt::Form1Widget> window;
    try {
        window = std::make_unique<vorlank::ui::qt::Form1Widget>(
            vorlank::ui::qt::desktopShell(), random);
    } catch (const std::exception &e) {
        // Only a damaged build gets here (its embedded inventory does not load): say so plainly.
        QMessageBox::critical(nullptr, QStringLiteral("Vorlank"),
            QStringLiteral("Vorlank cannot start: %1").arg(QString::fromUtf8(e.what())));
        return 1;
    }
    window->show();
    return QApplication::exec();
}
