#include "elements.h"

#include "launch/addresses.h"
#include "runtime/runtime.h"
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

// A list of at most one item for each of the table's elements, made at compile time: a program
// then carries only the lists.
template <typename Item> struct Fixed {
    std::array<Item, table.size()> items {};
    std::size_t size = 0;
    constexpr void add(const Item &item) { items.at(size++) = item; }
    constexpr std::span<const Item> all() const { return { items.data(), size }; }
};
using Listed = Fixed<const Element *>;

// The elements `keep` keeps, in the order of their `rank`, ties in the table's order (an insertion
// sort).
constexpr Listed ordered(auto keep, auto rank)
{
    Listed order;
    for (const Element &e : table) {
        if (!keep(e))
            continue;
        order.add(&e);
        for (std::size_t at = order.size - 1; at > 0 && rank(*order.items.at(at - 1)) > rank(e);
             --at)
            std::swap(order.items.at(at - 1), order.items.at(at));
    }
    return order;
}

// Where an element stands in the stacking order: focus takers first, group boxes last, the
// design's tab index within each, and elements without one after those with one.
constexpr int stackingRank(const Element &e)
{
    const int layer = takesFocus(e.kind) ? 0 : e.kind == GroupBox ? 2 : 1;
    return layer * 1000 + (e.tabIndex < 0 ? 999 : e.tabIndex);
}

constexpr Listed stacking = ordered([](const Element &) { return true; }, stackingRank);
constexpr Listed reading = ordered(
    [](const Element &e) { return e.column >= 0; }, [](const Element &e) { return e.column; });
// The top of the stacking order, which it is by tab index.
constexpr Listed byTabIndex = ordered([](const Element &e) { return takesFocus(e.kind); },
    [](const Element &e) { return e.tabIndex; });

constexpr Listed framedIn(const Element &box)
{
    return ordered([&](const Element &e) { return e.container == box.name; },
        [](const Element &e) { return e.twips.top * clientArea.width + e.twips.left; });
}

// The elements Tab visits on each keyboard, in order; the answers one after the other, in the
// window's order, so that the group is entered alike on every keyboard. A page's own stops come
// after the window's: each product's picture, a link.
constexpr Listed focusable(Keyboard keyboard)
{
    Listed order;
    if (keyboard != Keyboard::Column)
        for (const Element *e : byTabIndex.all())
            order.add(e);
    if (keyboard == Keyboard::Window)
        return order;
    for (const Element *e : reading.all()) {
        if (keyboard == Keyboard::Column) {
            if (takesFocus(e->kind))
                order.add(e);
            for (const Element *in : byTabIndex.all())
                if (in->container == e->name)
                    order.add(in);
        }
        const Listed framed = framedIn(*e);
        for (const Element *in : framed.all())
            if (in->kind == Picture && !in->link.empty())
                order.add(in);
    }
    return order;
}

constexpr std::array tabOrders
    = { focusable(Keyboard::Window), focusable(Keyboard::Page), focusable(Keyboard::Column) };

// The stops of one keyboard's Tab order: each button a stop of its own; options that follow one
// another in one group box one stop.
constexpr Fixed<KeyboardStop> stopsOf(const Listed &order)
{
    Fixed<KeyboardStop> made;
    const std::span<const Element *const> focusable = order.all();
    for (std::size_t i = 0; i < focusable.size(); ++i) {
        const Element &e = *focusable[i];
        KeyboardStop *last = made.size > 0 ? &made.items.at(made.size - 1) : nullptr;
        if (last && e.kind == OptionButton && last->back()->kind == OptionButton
            && last->back()->container == e.container)
            *last = focusable.subspan(i - last->size(), last->size() + 1);
        else
            made.add(focusable.subspan(i, 1));
    }
    return made;
}

constexpr std::array tabStops
    = { stopsOf(tabOrders[0]), stopsOf(tabOrders[1]), stopsOf(tabOrders[2]) };
} // namespace

std::span<const Element> elements()
{
    return table;
}

std::size_t indexOf(const Element &e)
{
    return static_cast<std::size_t>(&e - table.data());
}

const Element *containerOf(const Element &e)
{
    if (e.container.empty())
        return nullptr;
    const auto *found = std::find_if(
        table.begin(), table.end(), [&](const Element &box) { return box.name == e.container; });
    if (found == table.end())
        VORLANK_RAISE(std::logic_error("an element lies in a group box the window lacks"));
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
    return stacking.all();
}

std::span<const Element *const> readingOrder()
{
    return reading.all();
}

std::span<const Element *const> keyboardOrder()
{
    return byTabIndex.all();
}

std::vector<const Element *> framedBy(const Element &box)
{
    const Listed framed = framedIn(box);
    const auto all = framed.all();
    return { all.begin(), all.end() };
}

std::span<const KeyboardStop> keyboardStops(Keyboard keyboard)
{
    return tabStops.at(static_cast<std::size_t>(keyboard)).all();
}

} // namespace vorlank::ui
