// The window as data: its elements (kind, caption, rectangle, keyboard and reading order,
// alignment, picture, link, what a click runs), the faces and colours they are drawn in, the rule
// that turns twips into pixels, and where the keyboard's focus goes. Every front end builds its
// controls from this table and asks it where Tab and the arrow keys lead.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace vorlank::ui
{

// The design's layout unit: 1440 twips to the inch, so 15 twips to the pixel at 96 dpi.
constexpr int twipsPerInch = 1440;
constexpr int standardDpi = 96;

// `twips` in whole pixels at `dpi`, rounded to the nearest as Windows' MulDiv rounds.
constexpr int pixels(int twips, int dpi = standardDpi)
{
    const long long scaled = static_cast<long long>(twips) * dpi;
    const long long half = twipsPerInch / 2;
    return static_cast<int>(
        scaled >= 0 ? (scaled + half) / twipsPerInch : -((-scaled + half) / twipsPerInch));
}

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The window's client area.
constexpr TwipRect clientArea { 0, 0, 9315, 6045 };

// The colours of a classic desktop, 0xRRGGBB, for a front end that draws the window itself: the
// face of the window and its controls, their text, the light and dark edges of their frames, the
// desk behind the window, and the caption's gradient and text.
struct Palette {
    unsigned face;
    unsigned text;
    unsigned light;
    unsigned dark;
    unsigned desk;
    unsigned captionFrom;
    unsigned captionTo;
    unsigned captionText;
};
inline constexpr Palette palette {
    .face = 0xD4D0C8,
    .text = 0x000000,
    .light = 0xFFFFFF,
    .dark = 0x404040,
    .desk = 0x3A6EA5,
    .captionFrom = 0x0A246A,
    .captionTo = 0xA6CAF0,
    .captionText = 0xFFFFFF,
};

enum class Kind {
    GroupBox,
    OptionButton,
    Button,
    Label,
    Picture,
};

// What a click on an element runs. Choosing an answer is a click on its option, whether by the
// mouse or the keyboard; a product's page is the clicked element's link.
enum class Action {
    None,
    DrawTest,
    SubmitAnswer,
    LookupCharacter,
    OpenProductPage,
    ChooseRecognised,
    ChooseNotRecognised,
};

// What an element's text is: its caption throughout, or what the view gives it as the test runs.
enum class Shows {
    Caption,
    Prompt, // 第1个字：, then 第N个字
    Character, // the character on show
};

// Where an element's text or picture sits in its rectangle, and whether a text wraps.
enum class Alignment {
    TopLeftWrapped, // a paragraph: from the top left, wrapped at the rectangle's width
    Centred, // one line, centred both ways
};

enum class Face {
    Window, // the window's face at 9 points
    Character, // the character on show: a Song face at 72 points, centred
};

// What a face's point size measures.
enum class Measure {
    Em, // the glyphs' em square, as type is usually sized
    Line, // a whole line, ascent and descent: 9 points make the layout's 12-pixel lines
};

// What a face is: its size, and the families to take it from, the first one installed. Every one
// draws Simplified Chinese forms: SimSun ("宋体") where installed; otherwise AR PL UMing CN, a
// Song face with SimSun's 9-point metrics, for which the twip layout was drawn, or the best
// Simplified Chinese serif for the big character; never a Japanese or Traditional variant.
// Regular weight, GB2312 character set.
struct FaceSpec {
    int points;
    Measure measure;
    std::span<const std::u16string_view> families;
};
inline constexpr std::u16string_view windowFamilies[]
    = { u"宋体", u"SimSun", u"AR PL UMing CN", u"Microsoft YaHei", u"Noto Sans CJK SC" };
inline constexpr std::u16string_view characterFamilies[] = { u"宋体", u"SimSun", u"Songti SC",
    u"Noto Serif CJK SC", u"AR PL UMing CN", u"Microsoft YaHei" };
constexpr FaceSpec faceSpec(Face face)
{
    return face == Face::Character ? FaceSpec { 72, Measure::Em, characterFamilies }
                                   : FaceSpec { 9, Measure::Line, windowFamilies };
}

struct Element {
    std::string_view name; // the designer's name ("Command4"), for readers of a widget tree
    Kind kind;
    std::string_view container = {}; // the group box's name; empty for the window itself
    std::u16string_view caption = {}; // text at start; empty for pictures and texts of the view
    TwipRect twips; // relative to the container
    int tabIndex = -1; // the design's tab index; -1 where the element has none
    // Where the window's own elements stand in one column, as a reader takes them in; -1 inside a
    // group box, which keeps what it frames.
    int column = -1;
    Action click = Action::None;
    Shows shows = Shows::Caption;
    Face face = Face::Window;
    Alignment alignment = Alignment::TopLeftWrapped;
    std::string_view asset = {}; // a picture's artwork: the file's name without its extension
    std::u16string_view pictureName = {}; // what a picture shows, for screen readers
    std::string_view link = {}; // the page a click opens, for a product's picture and text
};

// Every element, in the order of the window's definition.
std::span<const Element> elements();

// The element's position in elements(), which front ends use as its identifier.
std::size_t indexOf(const Element &element);

// The group box that holds `element`, or null for the window's own elements.
const Element *containerOf(const Element &element);

// The element's rectangle relative to the window's client area.
TwipRect windowRect(const Element &element);

// What the group box `box` frames, row by row and left to right, as a reader takes it in.
std::vector<const Element *> framedBy(const Element &box);

// Whether the element takes the keyboard focus in a window: buttons and options do, labels,
// pictures and group boxes do not. (On a page each product's picture is a link that does.)
constexpr bool takesFocus(Kind kind)
{
    return kind == Kind::Button || kind == Kind::OptionButton;
}

// What a screen reader reads for the element at start: a picture's name, or the caption. An
// element whose text the test run changes is read by the text the view gives it.
constexpr std::u16string_view accessibleName(const Element &e)
{
    return e.kind == Kind::Picture ? e.pictureName : e.caption;
}

// The elements that take the focus in a window, in the order Tab visits them (by tab index):
// 开始测试, 提交, 查询此字, then the two answers. The first takes the focus when the window opens.
std::span<const Element *const> keyboardOrder();

// One stop of Tab: a button, the answers as one group (entered at the chosen one, the first
// when none is chosen, in which the arrow keys move and choose), or on a page a product's link.
using KeyboardStop = std::span<const Element *const>;

// How Tab goes round: a desktop window's, a dialog's; the page's, which keeps the window's order,
// adds each product's picture and lets the reader Tab out of the page at either end; and the
// page's in one column, where Tab follows the column as the reader sees it.
enum class Keyboard { Window, Page, Column };

// The stops of Tab in the order it visits them. Window: 开始测试, 提交, 查询此字, the answers.
// Page: the same, then the two products. Column: 开始测试, the answers, 提交, 查询此字, the
// two products.
std::span<const KeyboardStop> keyboardStops(Keyboard keyboard);

enum class Key {
    Tab,
    BackTab, // Shift+Tab
    Next, // the Right or Down arrow
    Previous, // the Left or Up arrow
};

// Where the focus goes.
struct FocusMove {
    const Element *to = nullptr; // null: the key is not the window's to take
    bool chooses = false; // an arrow key chooses the answer it moves to
    bool operator==(const FocusMove &) const = default;
};

// Where `key` pressed on `from` takes the focus, with `checked` the answer chosen (or none). Tab
// and Shift+Tab go round the stops (a window wraps; a page lets them leave at its ends); an arrow
// key on an answer moves to the other answer and chooses it; an arrow key elsewhere and a key on
// an element that is no stop are not the window's.
FocusMove focusMove(const Element &from, Key key, const Element *checked, Keyboard keyboard);

// Every element, topmost first, as a dialog stacks its controls: the keyboard order, then
// the labels and pictures, then the group boxes below everything they frame. Where two
// rectangles overlap (the answers' do), the earlier takes the clicks.
std::span<const Element *const> stackingOrder();

// The window's own elements (those not inside a group box) in the order one column shows them,
// as a reader takes them in: 开始测试, the prompt and the character, the answers with 提交 right
// under them and 查询此字, then the introduction, the instructions and the two products. No slip
// of a finger between the answers and 提交 lands on 开始测试.
std::span<const Element *const> readingOrder();

} // namespace vorlank::ui
