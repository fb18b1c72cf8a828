#include "journey.h"

#include "runtime/runtime.h"

#include <sstream>
#include <stdexcept>

using namespace vorlank;
using namespace vorlank::ui;

namespace journeys
{

std::vector<Row> parse(std::string_view table)
{
    std::vector<Row> rows;
    std::istringstream lines { std::string(table) };
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line.front() == '#')
            continue;
        std::istringstream fields(line);
        std::string keyboards;
        std::string actions;
        std::string expected;
        std::getline(fields, keyboards, '|');
        std::getline(fields, actions, '|');
        std::getline(fields >> std::ws, expected);
        Row row { {}, {}, expected };
        std::istringstream named(keyboards);
        for (std::string word; named >> word;) {
            const bool all = word == "all";
            if (word == "window" || all)
                row.keyboards.push_back(Keyboard::Window);
            if (word == "page" || all)
                row.keyboards.push_back(Keyboard::Page);
            if (word == "column" || all)
                row.keyboards.push_back(Keyboard::Column);
        }
        std::istringstream taken(actions);
        for (std::string word; taken >> word;)
            row.actions.push_back(word);
        if (row.keyboards.empty() || row.actions.empty() || expected.empty())
            throw std::invalid_argument("not a journey: " + line);
        rows.push_back(std::move(row));
    }
    return rows;
}

const Element *named(std::string_view name)
{
    const Element *starting = nullptr;
    for (const Element &e : elements()) {
        const std::string whole = runtime::toUtf8(accessibleName(e));
        if (whole == name)
            return &e;
        if (!starting && !name.empty() && whole.starts_with(name))
            starting = &e;
    }
    return starting;
}

Walk::Walk(WindowState &state, Keyboard keyboard)
    : state_(state)
    , keyboard_(keyboard)
    , last_(state.view())
    , focus_(keyboardStops(keyboard).front().front())
{
}

void Walk::take(std::string_view action)
{
    // What an event raises does not outlive its view.
    last_.box.reset();
    last_.address.clear();
    last_.announcement.clear();
    if (static_cast<unsigned char>(action.front()) < 0x80) {
        press(action);
        return;
    }
    const std::size_t times = action.find("×");
    const Element *target = named(action.substr(0, times));
    if (!target)
        throw std::invalid_argument("no element named " + std::string(action));
    const int count
        = times == std::string_view::npos ? 1 : std::stoi(std::string(action.substr(times + 2)));
    for (int i = 0; i < count; ++i)
        click(*target);
}

void Walk::click(const Element &element)
{
    if (box_)
        return; // the box is modal
    if (takesFocus(element.kind))
        focus_ = &element;
    last_ = state_.click(element);
    box_ = last_.box;
}

void Walk::press(std::string_view key)
{
    const bool shift = key.starts_with("shift+");
    key.remove_prefix(shift ? 6 : 0);
    const bool closes = key == "Return" || key == "space" || key == "Escape";
    const Key move = key == "Tab"         ? (shift ? Key::BackTab : Key::Tab)
        : key == "Left" || key == "Up"    ? Key::Previous
        : key == "Right" || key == "Down" ? Key::Next
        : closes                          ? Key::Tab
                 : throw std::invalid_argument("no key " + std::string(key));
    if (box_ || (closes && !focus_)) {
        box_.reset(); // only the keys that close a box reach it
        return;
    }
    if (closes) {
        const bool presses = focus_->kind == Kind::Button
            || (key == "space" ? focus_->kind == Kind::OptionButton
                               : key == "Return" && !focus_->link.empty());
        if (presses)
            click(*focus_);
        return;
    }
    const bool tab = move == Key::Tab || move == Key::BackTab;
    if (!focus_) {
        // From outside the page Tab comes back in at its first stop, Shift+Tab at its last.
        const auto stops = keyboardStops(keyboard_);
        focus_ = tab ? (shift ? stops.back() : stops.front()).front() : nullptr;
        return;
    }
    const FocusMove moved = state_.focusMove(*focus_, move, keyboard_);
    if (moved.to || tab)
        focus_ = moved.to; // null: out of the page
    if (moved.chooses)
        click(*moved.to);
}

std::string Walk::outcome(std::string_view asked) const
{
    if (box_)
        return "box " + runtime::toUtf8(box_->message);
    if (asked.starts_with("focus"))
        return "focus " + (focus_ ? runtime::toUtf8(shownText(last_, *focus_)) : "none");
    return "title " + runtime::toUtf8(last_.title);
}

} // namespace journeys
