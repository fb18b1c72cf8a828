#include "journey.h"

#include "runtime/runtime.h"

#include <stdexcept>

using namespace vorlank;
using namespace vorlank::ui;

namespace journeys
{

namespace
{
std::vector<std::string> words(std::string_view text)
{
    std::vector<std::string> found;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        if (end > at)
            found.emplace_back(text.substr(at, end - at));
        at = end + 1;
    }
    return found;
}

std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string_view::npos ? std::string()
                                           : std::string(text.substr(first, last - first + 1));
}

std::string utf8(std::u16string_view text)
{
    return runtime::toUtf8(text);
}
} // namespace

std::vector<Row> parse(std::string_view table)
{
    std::vector<Row> rows;
    while (!table.empty()) {
        const std::size_t end = std::min(table.find('\n'), table.size());
        const std::string_view line = table.substr(0, end);
        table.remove_prefix(std::min(end + 1, table.size()));
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t first = line.find('|');
        const std::size_t second = line.find('|', first + 1);
        if (second == std::string_view::npos)
            throw std::invalid_argument("not a journey: " + std::string(line));
        Row row { {}, words(line.substr(first + 1, second - first - 1)),
            trimmed(line.substr(second + 1)) };
        for (const std::string &keyboard : words(line.substr(0, first))) {
            if (keyboard == "window" || keyboard == "all")
                row.keyboards.push_back(Keyboard::Window);
            if (keyboard == "page" || keyboard == "all")
                row.keyboards.push_back(Keyboard::Page);
            if (keyboard == "column" || keyboard == "all")
                row.keyboards.push_back(Keyboard::Column);
        }
        if (row.keyboards.empty() || row.actions.empty())
            throw std::invalid_argument("not a journey: " + std::string(line));
        rows.push_back(std::move(row));
    }
    return rows;
}

const Element *named(std::u16string_view name)
{
    const Element *starting = nullptr;
    for (const Element &e : elements()) {
        if (accessibleName(e) == name)
            return &e;
        if (!starting && !name.empty() && accessibleName(e).starts_with(name))
            starting = &e;
    }
    return starting;
}

std::u16string nameOf(const Element &element, const View &view)
{
    switch (element.shows) {
    case Shows::Prompt:
        return view.prompt;
    case Shows::Character:
        return view.character;
    case Shows::Caption:
        break;
    }
    return std::u16string(accessibleName(element));
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
    const std::string name(action.substr(0, times));
    // As named() finds it: by the whole name, or a paragraph by its start.
    const Element *target = nullptr;
    for (const Element &e : elements()) {
        const std::string whole = utf8(accessibleName(e));
        if (whole == name) {
            target = &e;
            break;
        }
        if (!target && !whole.empty() && whole.starts_with(name))
            target = &e;
    }
    if (!target)
        throw std::invalid_argument("no element named " + name);
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
    if (shift)
        key.remove_prefix(6);
    const bool closes = key == "Return" || key == "space" || key == "Escape";
    const bool moves
        = key == "Tab" || key == "Left" || key == "Right" || key == "Up" || key == "Down";
    if (!closes && !moves)
        throw std::invalid_argument("no key " + std::string(key));
    if (box_) {
        if (closes)
            box_.reset();
        return;
    }
    if (moves && !focus_) {
        // From outside the page Tab comes back in at its first stop, Shift+Tab at its last.
        if (key == "Tab")
            focus_ = (shift ? keyboardStops(keyboard_).back() : keyboardStops(keyboard_).front())
                         .front();
        return;
    }
    if (moves) {
        const Key which = key == "Tab"     ? (shift ? Key::BackTab : Key::Tab)
            : key == "Left" || key == "Up" ? Key::Previous
                                           : Key::Next;
        const FocusMove move = state_.focusMove(*focus_, which, keyboard_);
        if (move.to)
            focus_ = move.to;
        else if (which == Key::Tab || which == Key::BackTab)
            focus_ = nullptr; // out of the page
        if (move.chooses)
            click(*move.to);
        return;
    }
    if (!focus_)
        return;
    const bool presses = focus_->kind == Kind::Button
        || (key == "space" ? focus_->kind == Kind::OptionButton
                           : key == "Return" && !focus_->link.empty());
    if (presses)
        click(*focus_);
}

std::string Walk::outcome(std::string_view asked) const
{
    if (box_)
        return "box " + utf8(box_->message);
    if (asked.starts_with("focus"))
        return "focus " + (focus_ ? utf8(nameOf(*focus_, last_)) : std::string("none"));
    return "title " + utf8(last_.title);
}

} // namespace journeys
