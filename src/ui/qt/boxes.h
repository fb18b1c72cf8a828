// The window's boxes as the view gives them: the end message as a message box, and a warning as
// a dialog with its detail (an address that was not opened, an error's description) in a
// read-only field, selected, to copy. A message box would draw an address as a label, which can
// wrap it and which clips what the window face draws below its descent, such as the underscore.
#pragma once

#include "ui/window_state.h"

class QDialog;
class QWidget;

namespace vorlank::ui::qt
{

// The box, modal to `parent` (or the application) and deleted once closed; open() it, or exec()
// it where nothing else is left to do. A held key's repeats never close it, so that Enter held
// down on 提交 does not close the end message before it can be read.
QDialog *makeBox(QWidget *parent, const Box &content);

} // namespace vorlank::ui::qt
