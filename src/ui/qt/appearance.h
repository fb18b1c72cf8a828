// The window's look: its faces, icon and pictures, and Qt's own texts. Every face is a
// Simplified Chinese one, whatever the locale, so that shared characters take their mainland forms.
#pragma once

#include <QFont>
#include <QIcon>
#include <QPixmap>

namespace vorlank::ui::qt
{

// SimSun at 9 points where installed; otherwise AR PL UMing CN, a Song face with SimSun's
// metrics at that size, for which the window's twip layout was drawn.
QFont windowFont();

// The face for the character on show, at 72 points: SimSun where installed, otherwise the best
// Simplified Chinese serif there is (never a Japanese or Traditional variant).
QFont characterFont();

// Makes the application's own texts (message boxes and their buttons included) read as on a
// Chinese desktop, whatever the locale: the window face for every widget and Qt's Simplified
// Chinese translation where it is installed.
void applyChineseConventions();

// A PNG picture of the program's resources, decoded by Qt itself.
QPixmap picture(const QString &resource);

// The window icon: the 16-pixel design and larger renderings for task switchers.
QIcon windowIcon();

} // namespace vorlank::ui::qt
