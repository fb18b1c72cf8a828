// Users' journeys, as tests/journeys.txt writes them, taken through the window's state with the
// keys a front end passes on: the core's own answer to what a window shows after the same clicks
// and keys. The core's suites check the table's expectations with it; the oracle program answers
// the storms with it.
#pragma once

#include "ui/window_state.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace journeys
{

// One row of the table: the keyboards that take it, the actions, and what the window shows
// after them ("title ...", "box ..." or "focus ...").
struct Row {
    std::vector<vorlank::ui::Keyboard> keyboards;
    std::vector<std::string> actions;
    std::string expected;
};

// The rows of the table; std::invalid_argument for a line that is not one.
std::vector<Row> parse(std::string_view table);

// The element a screen reader reads by `name` (or whose name starts so, as a paragraph's does):
// null when there is none.
const vorlank::ui::Element *named(std::string_view name);

// A window's state with its keyboard's focus and its box: the mouse clicks where it is told, and
// the keys do what every front end makes them do. Space presses a focused button and chooses a
// focused answer; Enter presses a focused button or link; Tab, Shift+Tab and the arrow keys go
// where the core says; while a box is open only Enter, Space and Escape reach it, and close it.
class Walk
{
public:
    Walk(vorlank::ui::WindowState &state, vorlank::ui::Keyboard keyboard);

    // A click on the element a screen reader reads by the name in Chinese, "×N" repeated N times,
    // or a key as X names it ("space", "Return", "Tab", "shift+Tab", "Left", ...);
    // std::invalid_argument for anything else.
    void take(std::string_view action);

    // What the window shows, as the table's third column asks it: "title ..." (no box open),
    // "box ..." (the message of the box left open) or "focus ..." (the name of what has the
    // focus, "none" when it left the window).
    std::string outcome(std::string_view asked) const;

    const vorlank::ui::View &last() const { return last_; }
    const std::optional<vorlank::ui::Box> &box() const { return box_; }
    const vorlank::ui::Element *focus() const { return focus_; }

private:
    void click(const vorlank::ui::Element &element);
    void press(std::string_view key);

    vorlank::ui::WindowState &state_;
    vorlank::ui::Keyboard keyboard_;
    vorlank::ui::View last_;
    std::optional<vorlank::ui::Box> box_;
    const vorlank::ui::Element *focus_;
};

} // namespace journeys
