// Users' journeys, as tests/journeys.txt writes them, taken through the window's state with the
// keys a front end passes on: the core's answer to what a window shows, and what its user's tools
// observe, after each step. The core's suites check the table's outcomes with it; the window
// oracle answers every front end's harness with it.
#pragma once

#include "ui/window_state.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace journeys
{

// One row of the table: the keyboards that take it, the context its window starts in (words such
// as "fails", "dpi=144"), its actions one by one ("提交×3" is three) and what the window shows
// after them ("title ...", "box ..." or "focus ...").
struct Row {
    std::vector<vorlank::ui::Keyboard> keyboards;
    std::vector<std::string> context;
    std::vector<std::string> actions;
    std::string outcome;
    std::string line; // as the table writes it
};

// The rows of the table; std::invalid_argument for a line that is not one, or a context word no
// harness knows.
std::vector<Row> parse(std::string_view table);

// The element a screen reader reads by `name` (or whose name starts so, as a paragraph's does):
// null when there is none.
const vorlank::ui::Element *named(std::string_view name);

// A window in a context, with its keyboard's focus and its box: the mouse clicks where it is told
// and the keys do what every front end makes them do. Space presses a focused button and chooses
// a focused answer; Enter presses a focused button or link, and on a page chooses an answer; Tab,
// Shift+Tab and the arrow keys go where the core says; while a box is open only Enter, Space and
// Escape reach it, and close it. A key held down ("held:Return") presses once, and its repeats
// must do nothing more; "away" leaves the window as it is. In the context "fails" no address
// opens, in "late" each fails after the next action, and in "missing=FILE" the page did not start.
class Walk
{
public:
    Walk(vorlank::ui::Keyboard keyboard, const std::vector<std::string> &context,
        vorlank::runtime::RandomSource &random);

    // One action: a click on the element a screen reader reads by the name in Chinese, or a key
    // as X names it ("space", "Return", "Tab", "shift+Tab", "Left", "held:Return", ...);
    // std::invalid_argument for anything else.
    void take(std::string_view action);

    // What the user's tools observe now, one line of JSON: the keyboard, the title, the prompt,
    // the character, the chosen answer, what has the focus (in a box, its field or button), the
    // box, what a screen reader was told and the addresses that opened since the last
    // observation, whether leaving asks first (a page while a test is under way; a desktop
    // never does), and the faults a harness found in how its window is drawn (none here).
    std::string observe();

    // What the window shows, as the table's last column asks it.
    std::string outcome(std::string_view asked) const;

private:
    void click(const vorlank::ui::Element &element);
    void press(std::string_view key);
    void apply(const vorlank::ui::Step &step);

    vorlank::ui::Keyboard keyboard_;
    vorlank::ui::WindowState state_;
    bool opens_ = true; // the desktop or browser opens every address
    bool late_ = false; // the desktop takes each address, and gives up after the next action
    bool failing_ = false; // an address it took is about to fail
    bool stopped_ = false;
    bool fresh_ = true; // no action yet (an unfocused page: before its first control)
    vorlank::ui::View view_;
    std::optional<vorlank::ui::Box> box_;
    const vorlank::ui::Element *focus_;
    std::vector<std::u16string> heard_;
    std::vector<std::string> opened_;
};

} // namespace journeys
