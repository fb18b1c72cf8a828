#include "elements.h"

#include <algorithm>

namespace vorlank::ui
{

FocusMove focusMove(const Element &from, Key key, const Element *checked, Keyboard keyboard)
{
    const std::span<const KeyboardStop> stops = keyboardStops(keyboard);
    const auto at = std::find_if(stops.begin(), stops.end(),
        [&](const KeyboardStop &s) { return std::find(s.begin(), s.end(), &from) != s.end(); });
    if (at == stops.end())
        return {};
    if (key == Key::Next || key == Key::Previous) {
        if (at->size() < 2)
            return {};
        const auto count = static_cast<std::ptrdiff_t>(at->size());
        const std::ptrdiff_t here = std::find(at->begin(), at->end(), &from) - at->begin();
        const std::ptrdiff_t next = (here + (key == Key::Next ? 1 : count - 1)) % count;
        return { (*at)[static_cast<std::size_t>(next)], true };
    }
    const auto count = static_cast<std::ptrdiff_t>(stops.size());
    std::ptrdiff_t next = (at - stops.begin()) + (key == Key::Tab ? 1 : -1);
    if (next < 0 || next >= count) {
        if (keyboard != Keyboard::Window)
            return {}; // out of the page, to what follows it or to the browser
        next = (next + count) % count;
    }
    const KeyboardStop &stop = stops[static_cast<std::size_t>(next)];
    const auto chosen = std::find(stop.begin(), stop.end(), checked);
    return { chosen != stop.end() ? *chosen : stop.front(), false };
}

} // namespace vorlank::ui
