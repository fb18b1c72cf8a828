#include "elements.h"

#include "launch/addresses.h"
#include "texts/texts.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <vector>

namespace vorlank::ui
{

namespace
{
using enum Kind;
using enum Alignment;
namespace t = texts;
namespace a = launch::addresses;

// The window's definition: positions are Left, Top, Width, Height in twips within the container.
constexpr std::array table {
    Element { .name = "Frame1",
        .kind = GroupBox,
        .caption = t::answerGroup,
        .twips = { 240, 3360, 2775, 855 },
        .tabIndex = 8,
        .column = 3 },
    Element { .name = "Option1(1)",
        .kind = OptionButton,
        .container = "Frame1",
        .caption = t::notRecognised,
        .twips = { 1320, 360, 1215, 375 },
        .tabIndex = 9,
        .click = Action::ChooseNotRecognised },
    Element { .name = "Option1(0)",
        .kind = OptionButton,
        .container = "Frame1",
        .caption = t::recognised,
        .twips = { 240, 360, 1215, 375 },
        .tabIndex = 10,
        .click = Action::ChooseRecognised },
    Element { .name = "Command1",
        .kind = Button,
        .caption = t::lookUpButton,
        .twips = { 3120, 2280, 1335, 855 },
        .tabIndex = 7,
        .column = 5,
        .click = Action::LookupCharacter },
    Element { .name = "Frame2",
        .kind = GroupBox,
        .caption = t::instructionsGroup,
        .twips = { 240, 4440, 4215, 1455 },
        .tabIndex = 5,
        .column = 7 },
    Element { .name = "Label4",
        .kind = Label,
        .container = "Frame2",
        .caption = t::instructions,
        .twips = { 120, 360, 3855, 855 },
        .tabIndex = 6 },
    Element { .name = "Command3",
        .kind = Button,
        .caption = t::submitButton,
        .twips = { 3120, 3480, 1335, 735 },
        .tabIndex = 4,
        .column = 4,
        .click = Action::SubmitAnswer },
    Element { .name = "Command4",
        .kind = Button,
        .caption = t::startButton,
        .twips = { 3120, 1560, 1335, 615 },
        .tabIndex = 3,
        .column = 0,
        .click = Action::DrawTest },
    Element { .name = "Frame3",
        .kind = GroupBox,
        .caption = t::otherProgramsGroup,
        .twips = { 4560, 120, 4575, 5775 },
        .tabIndex = 0,
        .column = 8 },
    Element { .name = "Label5",
        .kind = Label,
        .container = "Frame3",
        .caption = t::firstAdvert,
        .twips = { 2400, 240, 1935, 2295 },
        .tabIndex = 2,
        .click = Action::OpenProductPage,
        .link = a::firstProductPage },
    Element { .name = "Label6",
        .kind = Label,
        .container = "Frame3",
        .caption = t::secondAdvert,
        .twips = { 960, 2640, 3375, 3015 },
        .tabIndex = 1,
        .click = Action::OpenProductPage,
        .link = a::secondProductPage },
    Element { .name = "Image1",
        .kind = Picture,
        .container = "Frame3",
        .twips = { 120, 240, 2160, 2160 },
        .click = Action::OpenProductPage,
        .asset = "product1",
        .pictureName = t::firstProduct,
        .link = a::firstProductPage },
    Element { .name = "Image2",
        .kind = Picture,
        .container = "Frame3",
        .twips = { 120, 2640, 750, 750 },
        .click = Action::OpenProductPage,
        .asset = "product2",
        .pictureName = t::secondProduct,
        .link = a::secondProductPage },
    Element { .name = "Label1",
        .kind = Label,
        .caption = t::introduction,
        .twips = { 120, 120, 4335, 1095 },
        .tabIndex = 13,
        .column = 6 },
    Element { .name = "Label2",
        .kind = Label,
        .twips = { 1200, 1560, 1815, 1575 },
        .tabIndex = 12,
        .column = 2,
        .shows = Shows::Character,
        .face = Face::Character,
        .alignment = Centred },
    Element { .name = "Label3",
        .kind = Label,
        .twips = { 120, 1560, 855, 255 },
        .tabIndex = 11,
        .column = 1,
        .shows = Shows::Prompt },
};

// The elements `keep` keeps, in the order of their `rank`, ties in the table's order. An
// insertion sort: the table is small, and a page's program carries no more than it needs.
std::vector<const Element *> ordered(auto keep, int (*rank)(const Element &))
{
    std::vector<const Element *> order;
    for (const Element &e : table) {
        if (!keep(e))
            continue;
        order.push_back(&e);
        for (std::size_t at = order.size() - 1; at > 0 && rank(*order[at - 1]) > rank(e); --at)
            std::swap(order[at - 1], order[at]);
    }
    return order;
}

// Where an element stands in the stacking order: focus takers first, group boxes last, the
// design's tab index within each, and elements without one after those with one.
int stackingRank(const Element &e)
{
    const int layer = takesFocus(e.kind) ? 0 : e.kind == GroupBox ? 2 : 1;
    return layer * 1000 + (e.tabIndex < 0 ? 999 : e.tabIndex);
}

// What a group box frames, row by row and left to right, as a reader takes it in.
std::vector<const Element *> framedBy(const Element &box)
{
    return ordered([&](const Element &e) { return e.container == box.name; },
        [](const Element &e) { return e.twips.top * clientArea.width + e.twips.left; });
}

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

std::span<const Element> elements()
{
    return table;
}

std::size_t indexOf(const Element &e)
{
    return static_cast<std::size_t>(&e - table.data());
}

const Element &elementShowing(Shows shows)
{
    const auto *found = std::find_if(
        table.begin(), table.end(), [&](const Element &e) { return e.shows == shows; });
    if (found == table.end())
        throw std::logic_error("no element of the window shows that");
    return *found;
}

const Element *containerOf(const Element &e)
{
    if (e.container.empty())
        return nullptr;
    const auto *found = std::find_if(
        table.begin(), table.end(), [&](const Element &box) { return box.name == e.container; });
    if (found == table.end())
        throw std::logic_error("an element lies in a group box the window lacks");
    return found;
}

TwipRect windowRect(const Element &e)
{
    TwipRect rect = e.twips;
    if (const Element *outer = containerOf(e)) {
        const TwipRect at = windowRect(*outer);
        rect.left += at.left;
        rect.top += at.top;
    }
    return rect;
}

std::span<const Element *const> stackingOrder()
{
    static const std::vector<const Element *> order
        = ordered([](const Element &) { return true; }, stackingRank);
    return order;
}

std::span<const Element *const> readingOrder()
{
    static const std::vector<const Element *> order = ordered(
        [](const Element &e) { return e.column >= 0; }, [](const Element &e) { return e.column; });
    return order;
}

std::span<const Element *const> keyboardOrder()
{
    // The top of the stacking order, which it is by tab index.
    static const std::vector<const Element *> order
        = ordered([](const Element &e) { return takesFocus(e.kind); },
            [](const Element &e) { return e.tabIndex; });
    return order;
}

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
