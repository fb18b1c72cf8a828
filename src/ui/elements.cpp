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

std::vector<const Element *> framedBy(const Element &box)
{
    return ordered([&](const Element &e) { return e.container == box.name; },
        [](const Element &e) { return e.twips.top * clientArea.width + e.twips.left; });
}

} // namespace vorlank::ui
