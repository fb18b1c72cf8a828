// The box that tells the user something went wrong: a warning, a line of explanation and the
// detail (an address the desktop did not open, an error's description) in a read-only field,
// selected, to copy. A message box would draw the address as a label, which can wrap it and which
// clips what the window face draws below its descent, such as the underscore.
#pragma once

class QString;
class QWidget;

namespace vorlank::ui::qt
{

// Shows the box, titled with the application title and modal to `parent`, and returns once the
// user has closed it.
void showProblemBox(QWidget *parent, const QString &message, const QString &detail);

} // namespace vorlank::ui::qt
