// The program's one window, Form1, as both front ends build it: its elements as data (kind,
// container, caption, twip rectangle, keyboard order, what a click runs) and its state and event
// handlers. A front end creates the native controls from the table, implements WindowOps on
// them, and passes every click to Form1Model.
#pragma once

#include "inventory/inventory.h"
#include "ui/texts.h"
#include "ui/window_ops.h"

#include <memory>
#include <span>
#include <string_view>

namespace vorlank::launch
{
class Shell;
struct HandOver;
} // namespace vorlank::launch
namespace vorlank::runtime
{
class RandomSource;
}
namespace vorlank::quiz
{
class Quiz;
struct TestState;
} // namespace vorlank::quiz

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

struct Element {
    std::string_view name; // "Command4", "Option1(0)", "List1(12)"
    Kind kind;
    std::string_view container; // empty for the window itself
    std::u16string_view caption; // text at start; empty for pictures, lists and data
    TwipRect twips; // relative to the container
    int tabIndex; // position in the keyboard order; -1 where the element has none
    Action click = Action::None;
    Face face = Face::Window;
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

// The window's state and its event handlers, the same for every front end: the inventory
// texts (Text1, Text2), the bands (List1(0) to List1(12)) and the test run.
class Form1Model
{
public:
    // Loads the embedded inventory into the bands, as the window's load event does; throws when
    // the program's own data is damaged.
    Form1Model(WindowOps &window, launch::Shell &shell, runtime::RandomSource &random);
    ~Form1Model();
    Form1Model(const Form1Model &) = delete;
    Form1Model &operator=(const Form1Model &) = delete;

    // Runs what a click on an element does. Nothing escapes: a failure is shown to the user
    // through WindowOps::showProblem and the window carries on.
    void click(Action action);

    const inventory::InventoryTexts &inventoryTexts() const { return texts_; }
    const inventory::Bands &bands() const { return bands_; }
    const quiz::TestState &testState() const;

private:
    void run(Action action);
    void report(const launch::HandOver &handOver);

    WindowOps &window_;
    launch::Shell &shell_;
    inventory::InventoryTexts texts_;
    inventory::Bands bands_;
    std::unique_ptr<quiz::Quiz> quiz_;
};

} // namespace vorlank::ui
