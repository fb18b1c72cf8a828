#include "journey.h"

#include "runtime/runtime.h"
#include "ui/view_json.h"

#include <algorithm>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <utility>

using namespace vorlank;
using namespace vorlank::ui;

namespace journeys
{

namespace
{
// The context words some harness knows: alone, or as name=value.
constexpr std::string_view contexts[]
    = { "fails", "late", "early", "served", "offline", "phone", "sideways", "tablet", "spacing",
          "missing=", "damaged=", "dpi=", "locale=", "text=", "minimum=" };

std::vector<std::string> words(std::string_view text)
{
    std::istringstream in { std::string(text) };
    return { std::istream_iterator<std::string>(in), std::istream_iterator<std::string>() };
}

std::string text(const std::string &utf8)
{
    return jsonString(utf8);
}

std::string text(std::u16string_view utf16)
{
    return jsonString(runtime::toUtf8(utf16));
}

template <typename Text> std::string list(const std::vector<Text> &items)
{
    std::string out = "[";
    for (const Text &item : items)
        out.append(out.size() > 1 ? "," : "").append(text(item));
    return out + "]";
}
} // namespace

std::vector<Row> parse(std::string_view table)
{
    std::vector<Row> rows;
    std::istringstream lines { std::string(table) };
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line.front() == '#')
            continue;
        std::vector<std::string> columns(1);
        for (const char c : line)
            c == '|' ? void(columns.emplace_back()) : columns.back().push_back(c);
        Row row { {}, columns.size() == 4 ? words(columns[1]) : words({}), {}, {}, line };
        for (const std::string &word : columns.size() == 4 ? words(columns[0]) : words({}))
            for (const auto &[name, keyboard] :
                { std::pair { "window", Keyboard::Window }, std::pair { "page", Keyboard::Page },
                    std::pair { "column", Keyboard::Column } })
                if (word == name || word == "all")
                    row.keyboards.push_back(keyboard);
        for (const std::string &word : row.context)
            if (std::none_of(std::begin(contexts), std::end(contexts), [&](std::string_view known) {
                    return known.ends_with('=') ? word.starts_with(known) : word == known;
                }))
                throw std::invalid_argument("no context " + word);
        for (const std::string &action : columns.size() == 4 ? words(columns[2]) : words({})) {
            const std::size_t times = action.find("×");
            const int count = times == std::string::npos ? 1 : std::stoi(action.substr(times + 2));
            row.actions.insert(row.actions.end(), count, action.substr(0, times));
        }
        row.outcome = columns.size() == 4 && !words(columns[3]).empty() ? columns[3].substr(1) : "";
        if (row.keyboards.empty() || row.outcome.empty())
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

Walk::Walk(
    Keyboard keyboard, const std::vector<std::string> &context, runtime::RandomSource &random)
    : keyboard_(keyboard)
    , state_(keyboard == Keyboard::Window ? Opener::Desktop : Opener::Browser, random)
    , view_(state_.view())
    , focus_(keyboard == Keyboard::Window ? keyboardStops(keyboard).front().front() : nullptr)
{
    for (const std::string &word : context) {
        opens_ = opens_ && word != "fails";
        late_ = late_ || word == "late";
        const bool missing = word.starts_with("missing=");
        if (missing || word.starts_with("damaged=")) {
            const Step failed = cannotStart(
                missing ? StartStep::FileMissing : StartStep::FileDamaged, word.substr(8));
            stopped_ = true;
            view_ = failed.view;
            box_ = failed.effects.box;
            focus_ = nullptr; // the window takes no focus
        }
    }
}

void Walk::apply(const Step &step)
{
    view_ = step.view;
    if (step.effects.focus)
        focus_ = step.effects.focus;
    if (!step.effects.announcement.empty())
        heard_.push_back(step.effects.announcement);
    if (step.effects.box)
        box_ = step.effects.box;
    if (step.effects.address.empty())
        return;
    if (opens_)
        opened_.push_back(step.effects.address); // the desktop took it
    failing_ = opens_ && late_;
    if (!opens_)
        apply(state_.openFailed());
}

void Walk::take(std::string_view action)
{
    const bool failing = std::exchange(failing_, false);
    const bool fresh = std::exchange(fresh_, false);
    if (action == "away") {
        // Away and back: the window keeps its focus.
    } else if (static_cast<unsigned char>(action.front()) < 0x80) {
        if (!(fresh && !focus_ && action == "shift+Tab")) // out, from before the first control
            press(action);
    } else if (const Element *target = named(action)) {
        click(*target);
    } else {
        throw std::invalid_argument("no element named " + std::string(action));
    }
    if (failing)
        apply(state_.openFailed()); // the opener gave up meanwhile
}

void Walk::click(const Element &element)
{
    if (stopped_ && !box_ && !element.link.empty()) {
        focus_ = &element;
        opened_.emplace_back(element.link); // a product's link needs no program
    }
    if (box_ || stopped_)
        return; // the box is modal; a window that did not start takes no other clicks
    // A click focuses a button or an answer, and on a page a link too.
    if (takesFocus(element.kind) || (keyboard_ != Keyboard::Window && !element.link.empty()))
        focus_ = &element;
    apply(state_.click(element));
}

void Walk::press(std::string_view key)
{
    const bool held = key.starts_with("held:");
    const bool shift = key.starts_with("shift+");
    key.remove_prefix(held ? 5 : shift ? 6 : 0);
    if (key == "Return" || key == "space" || key == "Escape") {
        const bool answer = focus_ && focus_->kind == Kind::OptionButton;
        const bool presses = focus_
            && (focus_->kind == Kind::Button
                || (key == "space" ? answer
                                   : key == "Return"
                            && (!focus_->link.empty()
                                || (answer && keyboard_ != Keyboard::Window))));
        if (box_)
            box_.reset(); // only the keys that close a box reach it, and only a fresh press
        else if (presses)
            click(*focus_);
        // A held key's repeats may neither close the box its press raised nor hand the desktop
        // anything again; elsewhere they answer at the key's rate, which no row can count.
        if (held && presses && !box_ && state_.click(*focus_, Press::Repeat) != Step { view_, {} })
            throw std::invalid_argument("the repeats of a key held down here cannot be counted");
        return;
    }
    const std::pair<std::string_view, Key> moves[]
        = { { "Tab", shift ? Key::BackTab : Key::Tab }, { "Left", Key::Previous },
              { "Up", Key::Previous }, { "Right", Key::Next }, { "Down", Key::Next } };
    const auto move = std::find_if(
        std::begin(moves), std::end(moves), [&](const auto &m) { return m.first == key; });
    if (move == std::end(moves))
        throw std::invalid_argument("no key " + std::string(key));
    if (box_ || stopped_)
        return;
    if (!focus_) {
        // From outside the page Tab comes back in at its first stop, Shift+Tab at its last.
        const auto stops = keyboardStops(keyboard_);
        focus_ = key == "Tab" ? (shift ? stops.back() : stops.front()).front() : nullptr;
        return;
    }
    const Step step = state_.press(*focus_, move->second, keyboard_);
    if (!step.effects.focus && key == "Tab")
        focus_ = nullptr; // out of the page
    apply(step);
}

std::string Walk::observe()
{
    const char *keyboards[] = { "window", "page", "column" };
    std::string box = "null";
    std::string focus = "null";
    if (box_) {
        box = "{\"title\":" + text(box_->title) + ",\"message\":" + text(box_->message)
            + ",\"detail\":" + (box_->detail.empty() ? "null" : text(box_->detail))
            + ",\"button\":" + text(box_->button) + "}";
        // The box's field has the focus, named by the message above it; or else its button.
        focus = text(box_->detail.empty() ? box_->button : box_->message);
    } else if (focus_) {
        focus = text(shownText(view_, *focus_));
    }
    std::string seen = R"({"keyboard":")" + std::string(keyboards[static_cast<int>(keyboard_)])
        + R"(","title":)" + text(view_.title) + ",\"prompt\":" + text(view_.prompt)
        + ",\"character\":" + text(view_.character) + ",\"checked\":"
        + (view_.checked ? text(view_.checked->caption) : "null") + ",\"focus\":" + focus
        + ",\"box\":" + box + ",\"heard\":" + list(heard_) + ",\"opened\":" + list(opened_)
        + ",\"leaving\":" + (keyboard_ != Keyboard::Window && view_.testUnderWay ? "true" : "false")
        + ",\"faults\":[]}";
    heard_.clear();
    opened_.clear();
    return seen;
}

std::string Walk::outcome(std::string_view asked) const
{
    if (box_)
        return "box " + runtime::toUtf8(box_->message);
    if (asked.starts_with("focus"))
        return "focus " + (focus_ ? runtime::toUtf8(shownText(view_, *focus_)) : "none");
    return "title " + runtime::toUtf8(view_.title);
}

} // namespace journeys
