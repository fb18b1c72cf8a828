// The start-up floor: the same window with the same elements, texts, faces and pictures, and
// nothing else: no inventory, no bands, no test logic.
#include "ui/elements.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint);
    vorlank::ui::buildElements(&window);
    window.show();
    return QApplication::exec();
}
