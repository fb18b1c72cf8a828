#include "elements.h"

#include <algorithm>
#include <array>
#include <vector>

namespace vorlank::ui
{

namespace
{
using enum Kind;

// Each button a stop of its own; options that follow one another in one group box one stop.
std::vector<KeyboardStop> stopsOf(std::span<const Element *const> focusable)
{
    std::vector<KeyboardStop> made;
    for (std::size_t i = 0; i < focusable.size(); ++i) {
        const Element &e = *focusable[i];
        const bool joins = !made.empty() && e.kind == OptionButton
            && made.back().back()->kind == OptionButton
            && made.back().back()->container == e.container;
        if (joins)
            made.back() = focusable.subspan(i - made.back().size(), made.back().size() + 1);
        else
            made.push_back(focusable.subspan(i, 1));
    }
    return made;
}

// A page's own stops after the window's: each product's picture, a link.
bool productLink(const Element &e)
{
    return e.kind == Picture && !e.link.empty();
}

// The elements Tab visits on each keyboard, in order; the answers one after the other, in the
// window's order, so that the group is entered alike on every keyboard.
std::vector<const Element *> focusable(Keyboard keyboard)
{
    const std::span<const Element *const> window = keyboardOrder();
    std::vector<const Element *> order;
    if (keyboard != Keyboard::Column)
        for (const Element *e : window)
            order.push_back(e);
    if (keyboard == Keyboard::Window)
        return order;
    for (const Element *e : readingOrder()) {
        if (keyboard == Keyboard::Column) {
            if (takesFocus(e->kind))
                order.push_back(e);
            for (const Element *in : window)
                if (in->container == e->name)
                    order.push_back(in);
        }
        for (const Element *in : framedBy(*e))
            if (productLink(*in))
                order.push_back(in);
    }
    return order;
}
} // namespace

std::span<const KeyboardStop> keyboardStops(Keyboard keyboard)
{
    using enum Keyboard;
    static const std::array order = { focusable(Window), focusable(Page), focusable(Column) };
    static const std::array stops = { stopsOf(order[0]), stopsOf(order[1]), stopsOf(order[2]) };
    return stops[static_cast<std::size_t>(keyboard)];
}

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
