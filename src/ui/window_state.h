// The window's state and the one view of it every front end draws: events in, one view out. A
// front end tells it only what the user did (a click on an element, which carries its action) or
// what the world did (an address that could not be opened), draws the view it gets back and
// performs the one effect, opening the address. Nothing here calls a front end or waits for one.
#pragma once

#include "quiz/quiz.h"
#include "ui/elements.h"

#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlank::ui
{

// A modal box over the window, titled with the application title, with one 确定 button.
struct Box {
    std::u16string message;
    // Selectable text to copy: an address the desktop did not open, an error's description.
    std::u16string detail;
    bool warning = false; // a warning icon beside the message; the end message has none
    bool operator==(const Box &) const = default;
};

// The text an element shows now.
struct ElementText {
    const Element *element;
    std::u16string text;
    bool operator==(const ElementText &) const = default;
};

// The whole window as data.
struct View {
    std::u16string title;
    // Every element whose text the test run changes, with its text (the prompt and the character
    // on show); its accessible name is that text too.
    std::vector<ElementText> texts;
    const Element *checked = nullptr; // the chosen answer; none at start
    // What the event just handled raised: a box to show, an address to open, and what a screen
    // reader should be told; none of them outlives the view it came in.
    std::optional<Box> box;
    std::string address;
    std::u16string announcement;
    // A test is drawn and not yet answered to its end.
    bool testUnderWay = false;
    bool operator==(const View &) const = default;
};

class WindowState
{
public:
    // Fills the bands from the inventory, as the window's load does; throws when the program's
    // own data is damaged. A front end that must not be busy for long decodes the inventory
    // itself, a block at a time, and hands it over.
    explicit WindowState(runtime::RandomSource &random,
        inventory::InventoryTexts texts = inventory::embeddedInventory());
    WindowState(const WindowState &) = delete;
    WindowState &operator=(const WindowState &) = delete;

    // The window as it stands, with nothing raised: at start, what the window first shows.
    View view() const;

    // A click on an element that runs `action`, by the mouse or the keyboard. Nothing escapes: a
    // failure comes back as a box, and the window carries on.
    View click(Action action);

    // Who did not open an address: the desktop, or the browser the page runs in (no new tab).
    enum class Opener { Desktop, Browser };
    // `opener` could not open `address`, at once or later: the user gets it to copy.
    View openFailed(std::string_view address, Opener opener = Opener::Desktop) const;

private:
    View run(Action action);

    inventory::InventoryTexts texts_;
    inventory::Bands bands_;
    quiz::Quiz quiz_;
    Action chosen_ = Action::None; // the click of the chosen answer
};

// An error's description as the user reads it: its ASCII as it stands, any other byte as U+FFFD.
std::u16string errorDetail(std::string_view what);

// What a build that cannot open its window says, with the reason.
std::u16string cannotStartMessage(const std::exception &reason);

} // namespace vorlank::ui
