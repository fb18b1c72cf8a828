// The start-up floor: the same window with the same elements, texts, faces and pictures, and
// nothing else: no inventory, no bands, no test logic.
#include "ui/qt/widgets.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint);
    vorlank::ui::qt::buildWidgets(&window);
    window.show();
    return QApplication::exec();
}
