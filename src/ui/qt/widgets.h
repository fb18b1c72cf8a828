// The window's elements as Qt widgets, built from the element table: each at its twip
// rectangle, with its text, face, picture and keyboard order. No behaviour: Form1Widget wires
// the clicks.
#pragma once

#include "ui/form1.h"

#include <utility>
#include <vector>

class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace vorlank::ui::qt
{

struct Widgets {
    QLabel *character = nullptr; // Role::Character
    QLabel *prompt = nullptr; // Role::Prompt
    QRadioButton *recognised = nullptr; // Role::Recognised
    std::vector<QRadioButton *> answers; // the answer options, in the keyboard order
    // Every element a click acts on, with what the click runs.
    std::vector<std::pair<QWidget *, Action>> clickable;
};

// Gives `window` its name, title, icon, face and fixed size and builds its elements inside it.
Widgets buildWidgets(QWidget *window);

} // namespace vorlank::ui::qt
