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
    Element { "Frame1", GroupBox, "", t::answerGroup, { 240, 3360, 2775, 855 }, 8 },
    Element { "Option1(1)", OptionButton, "Frame1", t::notRecognised, { 1320, 360, 1215, 375 }, 9,
        Action::ChooseNotRecognised },
    Element { "Option1(0)", OptionButton, "Frame1", t::recognised, { 240, 360, 1215, 375 }, 10,
        Action::ChooseRecognised },
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
        Action::OpenFirstProduct, Face::Window, TopLeftWrapped, {}, {}, a::firstProductPage },
    Element { "Label6", Label, "Frame3", t::secondAdvert, { 960, 2640, 3375, 3015 }, 1,
        Action::OpenSecondProduct, Face::Window, TopLeftWrapped, {}, {}, a::secondProductPage },
    Element { "Image1", Picture, "Frame3", u"", { 120, 240, 2160, 2160 }, -1,
        Action::OpenFirstProduct, Face::Window, TopLeftWrapped, "product1", t::firstProduct,
        a::firstProductPage },
    Element { "Image2", Picture, "Frame3", u"", { 120, 2640, 750, 750 }, -1,
        Action::OpenSecondProduct, Face::Window, TopLeftWrapped, "product2", t::secondProduct,
        a::secondProductPage },
    Element { "Label1", Label, "", t::introduction, { 120, 120, 4335, 1095 }, 13 },
    Element { "Label2", Label, "", t::characterAtStart, { 1200, 1560, 1815, 1575 }, 12,
        Action::None, Face::Character, Centred },
    Element { "Label3", Label, "", t::firstPrompt, { 120, 1560, 855, 255 }, 11 },
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
    order.reserve(table.size());
    for (const Element &e : table)
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

std::size_t indexOf(const Element &e)
{
    return static_cast<std::size_t>(&e - table.data());
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
    // 提交 directly under the answers, and 开始测试, which discards a test, apart from both.
    static const std::array order = { &element("Command4"), &element("Label3"), &element("Label2"),
        &element("Frame1"), &element("Command3"), &element("Command1"), &element("Label1"),
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

std::span<const KeyboardStop> keyboardStops()
{
    // Each button is a stop of its own; options that follow one another in one group box are one.
    static const std::vector<KeyboardStop> stops = [] {
        std::vector<KeyboardStop> made;
        const std::span<const Element *const> order = keyboardOrder();
        for (std::size_t i = 0; i < order.size(); ++i) {
            const Element &e = *order[i];
            const bool joins = !made.empty() && e.kind == OptionButton
                && made.back().back()->kind == OptionButton
                && made.back().back()->container == e.container;
            if (joins)
                made.back() = order.subspan(i - made.back().size(), made.back().size() + 1);
            else
                made.push_back(order.subspan(i, 1));
        }
        return made;
    }();
    return stops;
}

} // namespace vorlank::ui
