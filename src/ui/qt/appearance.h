// The window's look: its faces, icon and pictures, and Qt's own texts. Every face is a
// Simplified Chinese one, whatever the locale, so that shared characters take their mainland forms.
#pragma once

#include <QFont>
#include <QIcon>
#include <QPixmap>

namespace vorlank::ui::qt
{

// The window's face and the character's (ui::faceSpec), as Qt fonts.
QFont windowFont();
QFont characterFont();

// Makes the application's own texts (message boxes and their buttons included) read as on a
// Chinese desktop, whatever the locale: the window face for every widget and Qt's Simplified
// Chinese translation where it is installed.
void applyChineseConventions();

// A PNG picture of the program's resources, decoded by Qt itself.
QPixmap picture(const QString &resource);

// The window icon: the 16-pixel design and its 32-pixel rendering.
QIcon windowIcon();

} // namespace vorlank::ui::qt
