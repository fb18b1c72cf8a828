// The window, Form1, as data: its elements (kind, container, caption, twip rectangle, keyboard
// order, picture, what a click runs) and the faces they are drawn in. Both front ends build their
// controls from it and nothing else.
#pragma once

#include <span>
#include <string_view>

namespace vorlank::ui
{

// The design's layout unit: 1440 twips to the inch, so 15 twips to the pixel at 96 dpi.
constexpr int twipsPerInch = 1440;
constexpr int twipsPerPixel = 15;

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const TwipRect &) const = default;
};

// The window's client area.
constexpr TwipRect clientArea { 0, 0, 9315, 6045 };

enum class Kind {
    TextBlock, // inventory data, never shown
    List, // a frequency band, never shown
    GroupBox,
    OptionButton,
    Button,
    Label,
    Picture,
};

// What a click on an element runs.
enum class Action {
    None,
    DrawTest,
    SubmitAnswer,
    LookupCharacter,
    OpenFirstProduct,
    OpenSecondProduct
};

enum class Face {
    Window, // the window's face at 9 points
    Character, // the character on show: a Song face at 72 points, centred
};

// What a face is: its size, and the families to take it from, the first one installed. Every one
// draws Simplified Chinese forms: SimSun ("宋体") where installed; otherwise AR PL UMing CN, a
// Song face with SimSun's 9-point metrics, for which the twip layout was drawn, or the best
// Simplified Chinese serif for the big character; never a Japanese or Traditional variant.
// Regular weight, GB2312 character set.
struct FaceSpec {
    int points;
    std::span<const std::u16string_view> families;
};
inline constexpr std::u16string_view windowFamilies[]
    = { u"宋体", u"SimSun", u"AR PL UMing CN", u"Microsoft YaHei", u"Noto Sans CJK SC" };
inline constexpr std::u16string_view characterFamilies[] = { u"宋体", u"SimSun", u"Songti SC",
    u"Noto Serif CJK SC", u"AR PL UMing CN", u"Microsoft YaHei" };
constexpr FaceSpec faceSpec(Face face)
{
    return face == Face::Character ? FaceSpec { 72, characterFamilies }
                                   : FaceSpec { 9, windowFamilies };
}

// The artwork a picture element shows.
enum class Artwork { None, FirstProduct, SecondProduct };

struct Element {
    std::string_view name; // "Command4", "Option1(0)", "List1(12)"
    Kind kind;
    std::string_view container; // empty for the window itself
    std::u16string_view caption; // text at start; empty for pictures, lists and data
    TwipRect twips; // relative to the container
    int tabIndex; // position in the keyboard order; -1 where the element has none
    Action click = Action::None;
    Face face = Face::Window;
    Artwork artwork = Artwork::None;
};

// Every element, in the order of the window's definition.
std::span<const Element> elements();

// The element called `name`; std::out_of_range when there is none.
const Element &element(std::string_view name);

// The element's rectangle relative to the window's client area.
TwipRect windowRect(const Element &element);

// Whether the element is shown at all (inventory blocks and band lists are not).
constexpr bool isShown(Kind kind)
{
    return kind != Kind::TextBlock && kind != Kind::List;
}

} // namespace vorlank::ui
