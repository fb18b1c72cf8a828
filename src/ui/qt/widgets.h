// The window's elements as Qt widgets, built from the element table: each at its twip rectangle,
// with its text, face, alignment, picture, accessible name and stacking. No behaviour: MainWindow
// wires the clicks and the keys, and draws the view.
#pragma once

#include <vector>

class QWidget;

namespace vorlank::ui::qt
{

// Gives `window` its icon, face and fixed size and builds its elements inside it; the
// widget of each element at the element's index in the table.
std::vector<QWidget *> buildWidgets(QWidget *window);

} // namespace vorlank::ui::qt
