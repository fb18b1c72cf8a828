// The window's state and the one view of it every front end draws: events in, one view out. A
// front end tells it only what the user did (a click on an element) or what the world did (the
// address it was given could not be opened), draws the view it gets back and performs the one
// effect, opening the address. Nothing here calls a front end or waits for one.
#pragma once

#include "quiz/quiz.h"
#include "ui/elements.h"

#include <optional>
#include <string>
#include <string_view>

namespace vorlank::ui
{

// A modal box over the window. Qt: a message box, or for a warning a dialog with the detail in a
// read-only field; Win32: a dialog in the window's face; page: a modal dialog whose button the
// message describes, so that a screen reader reads the message with it.
struct Box {
    std::u16string title; // the application's title
    std::u16string message;
    // Selectable text to copy: an address that was not opened, an error's description. Every
    // front end shows it selected, with the focus, so that a copy takes it.
    std::u16string detail;
    std::u16string button; // the one button, which Enter and Escape press too
    bool warning = false; // a warning icon beside the message; the end message has none
    bool operator==(const Box &) const = default;
};

// The whole window as data. Beside each field, what each front end does with it.
struct View {
    // The window's title. Qt: the window's title, which a screen reader's "read the title" reads;
    // Win32: the window's text; page: the document's title and the caption bar drawn on it.
    std::u16string title;
    // The texts of the elements that show the prompt and the character (shownText): on all
    // three, the element's text and the name a screen reader reads for it.
    std::u16string prompt;
    std::u16string character;
    // The chosen answer, none at start: the option checked, on all three.
    const Element *checked = nullptr;
    // What the event just handled raised; none of it outlives the view it came in.
    std::optional<Box> box; // shown at once, modal, on all three
    // An address to open, which the state remembers until the next one. Qt: xdg-open (open on
    // macOS), watched; Win32: ShellExecuteA; page: a new tab. Each reports a failure, at once or
    // later, as openFailed().
    std::string address;
    // What a screen reader says once, without the focus moving. Qt: a notification object
    // shown; Win32: a polite live region's text and its change event; page: a status region.
    std::u16string announcement;
    // A test is drawn and not yet answered to its end. Page: leaving or reloading asks first.
    // The desktops leave it: closing a window is deliberate there, unlike a reload, and the
    // program keeps nothing that a test could lose.
    bool testUnderWay = false;
    // The program could not start: its box says why. All three take no more clicks; the desktops
    // end the program once the box is closed, the page stays, its title saying so.
    bool stopped = false;
    bool operator==(const View &) const = default;
};

// The text `element` shows in `view`: the prompt or the character on show, or its caption. It is
// also what a screen reader reads for the element.
std::u16string_view shownText(const View &view, const Element &element);

// Who opens addresses for a window: the desktop's opener, or the browser the page runs in (a new
// tab). Each front end says once which it is.
enum class Opener { Desktop, Browser };

class WindowState
{
public:
    // Fills the bands from the inventory, as the window's load does; throws when the program's
    // own data is damaged. A front end that must not be busy for long decodes the inventory
    // itself, a block at a time, and hands it over.
    WindowState(Opener opener, runtime::RandomSource &random,
        inventory::InventoryTexts texts = inventory::embeddedInventory());
    WindowState(const WindowState &) = delete;
    WindowState &operator=(const WindowState &) = delete;

    // The window as it stands, with nothing raised: at start, what the window first shows.
    View view() const;

    // A click on `element`, by the mouse or the keyboard, which runs its action. Nothing escapes:
    // a failure comes back as a box, and the window carries on.
    View click(const Element &element);

    // The address the last view gave could not be opened, at once or later: the user gets it to
    // copy.
    View openFailed() const;

    // Where `key` pressed on `from` takes the focus, with the answer chosen now.
    FocusMove focusMove(const Element &from, Key key, Keyboard keyboard) const;

private:
    View run(const Element &element);

    Opener opener_;
    inventory::InventoryTexts texts_;
    inventory::Bands bands_;
    quiz::Quiz quiz_;
    const Element *chosen_ = nullptr; // the answer chosen
    std::string opened_; // the last address given to open
};

// What kept the program from starting, as its reader is told.
enum class StartStep {
    Inventory, // the program's own inventory does not load (a damaged build)
    Window, // the desktop did not give the program its window
    File, // one of the page's files did not load
    Running, // the page's program stopped while it ran
};

// The window of a program that could not start: its box says which step or file failed, with
// `detail` (an error's description) to copy; for StartStep::File, `detail` is the file's name.
View cannotStart(StartStep step, std::string_view detail = {});

// An error's description as the user reads it: its ASCII as it stands, any other byte as U+FFFD.
std::u16string errorDetail(std::string_view what);

} // namespace vorlank::ui
