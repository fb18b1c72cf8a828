// The window's faces.
#pragma once

#include <QFont>

namespace vorlank::ui
{

// SimSun at 9 points where installed, a Simplified Chinese sans-serif otherwise.
QFont windowFont();

// The face for the character on show: SimSun where installed, otherwise a Simplified Chinese
// serif (never a Japanese or Traditional variant), at 72 points.
QFont characterFont();

} // namespace vorlank::ui
