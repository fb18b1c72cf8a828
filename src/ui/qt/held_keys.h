// Keys held down. X repeats a held key as a release and a press that carry one time stamp, and
// the toolkit flags the pair as a repeat only when both have reached it together, which under
// load they need not have: a held Enter then reads as fresh presses. The stamp of every release
// is kept here, application-wide, so that a press with the same stamp is known for a repeat
// whichever window it lands in.
#pragma once

class QKeyEvent;

namespace vorlank::ui::qt
{

// Starts keeping the stamps; once, before any window is shown.
void watchHeldKeys();

// Whether `event` repeats a key held down.
bool heldKeyRepeat(const QKeyEvent &event);

} // namespace vorlank::ui::qt
