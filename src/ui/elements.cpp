#include "elements.h"

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
namespace t = texts;

// The window's definition: positions are Left, Top, Width, Height in twips within the container.
constexpr std::array table {
    Element { "Text2", TextBlock, "", u"", { 7200, 7920, 1575, 855 }, 28 },
    Element { "Text1", TextBlock, "", u"", { 5760, 7920, 1335, 855 }, 27 },
    Element { "List1(12)", List, "", u"", { 4560, 7920, 975, 1680 }, 26 },
    Element { "List1(11)", List, "", u"", { 3480, 7920, 975, 1680 }, 25 },
    Element { "List1(10)", List, "", u"", { 2400, 7920, 975, 1680 }, 24 },
    Element { "List1(9)", List, "", u"", { 1320, 7920, 975, 1680 }, 23 },
    Element { "List1(8)", List, "", u"", { 240, 7920, 975, 1680 }, 22 },
    Element { "List1(7)", List, "", u"", { 7800, 6120, 975, 1680 }, 21 },
    Element { "List1(6)", List, "", u"", { 6720, 6120, 975, 1680 }, 20 },
    Element { "List1(5)", List, "", u"", { 5640, 6120, 975, 1680 }, 19 },
    Element { "List1(4)", List, "", u"", { 4560, 6120, 975, 1680 }, 18 },
    Element { "List1(3)", List, "", u"", { 3480, 6120, 975, 1680 }, 17 },
    Element { "List1(2)", List, "", u"", { 2400, 6120, 975, 1680 }, 16 },
    Element { "List1(1)", List, "", u"", { 1320, 6120, 975, 1680 }, 15 },
    Element { "List1(0)", List, "", u"", { 240, 6120, 975, 1680 }, 14 },
    Element { "Frame1", GroupBox, "", t::answerGroup, { 240, 3360, 2775, 855 }, 8 },
    Element { "Option1(1)", OptionButton, "Frame1", t::notRecognised, { 1320, 360, 1215, 375 }, 9 },
    Element { "Option1(0)", OptionButton, "Frame1", t::recognised, { 240, 360, 1215, 375 }, 10,
        Action::None, Face::Window, Artwork::None, Role::Recognised },
    Element { "Command1", Button, "", t::lookUpButton, { 3120, 2280, 1335, 855 }, 7,
        Action::LookupCharacter },
    Element { "Frame2", GroupBox, "", t::instructionsGroup, { 240, 4440, 4215, 1455 }, 5 },
    Element { "Label4", Label, "Frame2", t::instructions, { 120, 360, 3855, 855 }, 6 },
    Element { "Command3", Button, "", t::submitButton, { 3120, 3480, 1335, 735 }, 4,
        Action::SubmitAnswer },
    Element {
        "Command4", Button, "", t::startButton, { 3120, 1560, 1335, 615 }, 3, Action::DrawTest },
    Element { "Frame3", GroupBox, "", t::otherProgramsGroup, { 4560, 120, 4575, 5775 }, 0 },
    Element { "Label5", Label, "Frame3", t::firstAdvert, { 2400, 240, 1935, 2295 }, 2,
        Action::OpenFirstProduct },
    Element { "Label6", Label, "Frame3", t::secondAdvert, { 960, 2640, 3375, 3015 }, 1,
        Action::OpenSecondProduct },
    Element { "Image1", Picture, "Frame3", u"", { 120, 240, 2160, 2160 }, -1,
        Action::OpenFirstProduct, Face::Window, Artwork::FirstProduct, Role::None,
        t::firstProduct },
    Element { "Image2", Picture, "Frame3", u"", { 120, 2640, 750, 750 }, -1,
        Action::OpenSecondProduct, Face::Window, Artwork::SecondProduct, Role::None,
        t::secondProduct },
    Element { "Label1", Label, "", t::introduction, { 120, 120, 4335, 1095 }, 13 },
    Element { "Label2", Label, "", t::characterAtStart, { 1200, 1560, 1815, 1575 }, 12,
        Action::None, Face::Character, Artwork::None, Role::Character },
    Element { "Label3", Label, "", t::firstPrompt, { 120, 1560, 855, 255 }, 11, Action::None,
        Face::Window, Artwork::None, Role::Prompt },
};

// Where an element stands in the stacking order: focus takers first, group boxes last, the
// design's tab index within each, and elements without one after those with one.
int stackingRank(const Element &e)
{
    const int layer = takesFocus(e.kind) ? 0 : e.kind == GroupBox ? 2 : 1;
    return layer * 1000 + (e.tabIndex < 0 ? 999 : e.tabIndex);
}

std::vector<const Element *> stacked()
{
    std::vector<const Element *> order;
    for (const Element &e : table)
        if (isShown(e.kind))
            order.push_back(&e);
    std::stable_sort(order.begin(), order.end(),
        [](const Element *a, const Element *b) { return stackingRank(*a) < stackingRank(*b); });
    return order;
}
} // namespace

std::span<const Element> elements()
{
    return table;
}

const Element &element(std::string_view name)
{
    const auto *found = std::find_if(
        table.begin(), table.end(), [&](const Element &e) { return e.name == name; });
    if (found == table.end())
        throw std::out_of_range("the window has no element " + std::string(name));
    return *found;
}

const Element &elementFor(Role role)
{
    const auto *found = std::find_if(
        table.begin(), table.end(), [&](const Element &e) { return e.role == role; });
    if (role == Role::None || found == table.end())
        throw std::out_of_range("no element plays this role");
    return *found;
}

TwipRect windowRect(const Element &e)
{
    TwipRect rect = e.twips;
    if (!e.container.empty()) {
        const TwipRect outer = windowRect(element(e.container));
        rect.left += outer.left;
        rect.top += outer.top;
    }
    return rect;
}

std::span<const Element *const> stackingOrder()
{
    static const std::vector<const Element *> order = stacked();
    return order;
}

std::span<const Element *const> readingOrder()
{
    static const std::array order = { &element("Label3"), &element("Label2"), &element("Frame1"),
        &element("Command4"), &element("Command3"), &element("Command1"), &element("Label1"),
        &element("Frame2"), &element("Frame3") };
    return order;
}

std::span<const Element *const> keyboardOrder()
{
    const std::span<const Element *const> all = stackingOrder();
    const auto focusable = std::count_if(
        all.begin(), all.end(), [](const Element *e) { return takesFocus(e->kind); });
    return all.first(static_cast<std::size_t>(focusable));
}

} // namespace vorlank::ui
