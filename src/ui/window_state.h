// The window's state and the one view of it every front end draws: events in, one step out. A
// front end tells it only what the user did (a click on an element, a key) or what the world did
// (the address it was given could not be opened), draws the view it gets back and then performs
// the step's effects once: the focus, an announcement, an address, a box. Nothing here calls a
// front end or waits for one.
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

// The whole window as data, to be drawn: what it shows for as long as nothing else happens.
// Beside each field, what each front end does with it.
struct View {
    // The window's title. Qt: the window's title, which a screen reader's "read the title" reads;
    // Win32: the window's text; page: the document's title and the caption bar drawn on it.
    std::u16string title;
    // The texts of the elements that show the prompt and the character: on all three, the
    // element's text and the name a screen reader reads for it. Qt and Win32 read both through
    // shownText, label by label; the page through its elements' data-shows.
    std::u16string prompt;
    std::u16string character;
    // The chosen answer, none at start: the option checked, on all three.
    const Element *checked = nullptr;
    // A test is drawn and not yet answered to its end. Page: leaving or reloading asks first.
    // The desktops leave it: closing a window is deliberate there, unlike a reload, and the
    // program keeps nothing that a test could lose.
    bool testUnderWay = false;
    // The program could not start: its box says why. All three take no more clicks; the desktops
    // end the program once the box is closed, the page stays, its title saying so.
    bool stopped = false;
    bool operator==(const View &) const = default;
};

// What the event just handled raised, performed once, after its view is drawn; none of it
// outlives the step it came in. Each front end performs them in this order.
struct Effects {
    // Where a key moved the keyboard's focus, on all three; null when the key is not the
    // window's to take (the toolkit's or the browser's, out of the page), or for a click.
    const Element *focus = nullptr;
    // What a screen reader says once, without the focus moving. Qt: a notification object
    // shown; Win32: a polite live region's text and its change event; page: a status region.
    std::u16string announcement;
    // An address to open, which the state remembers until the next one. Qt: xdg-open (open on
    // macOS), watched; Win32: ShellExecuteA; page: a new tab. A failure, at once or later, comes
    // back from the event loop as openFailed(), never from inside drawing.
    std::string address;
    std::optional<Box> box; // shown last, modal, on all three
    bool operator==(const Effects &) const = default;
};

// One event's outcome: the window to draw, then the effects to perform.
struct Step {
    View view;
    Effects effects;
    bool operator==(const Step &) const = default;
};

// The text `element` shows in `view`: the prompt or the character on show, or its caption. It is
// also what a screen reader reads for the element.
std::u16string_view shownText(const View &view, const Element &element);

// How a click came: pressed afresh (the mouse, a key), or repeated by a key held down.
enum class Press { Fresh, Repeat };

// Who opens addresses for a window: the desktop's opener, or the browser the page runs in (a new
// tab). Each front end says once which it is.
enum class Opener { Desktop, Browser };

class WindowState
{
public:
    // Fills the bands from the inventory, as the window's load does; throws when the program's
    // own data is damaged. A front end that must not be busy for long fills the bands itself,
    // a stage at a time, and hands them over.
    WindowState(Opener opener, runtime::RandomSource &random,
        inventory::Bands bands = inventory::embeddedBands());
    WindowState(const WindowState &) = delete;
    WindowState &operator=(const WindowState &) = delete;

    // The window as it stands: at start, what the window first shows.
    View view() const;

    // A click on `element`, by the mouse or the keyboard, which runs its action. A key held down
    // answers at its rate, but hands the desktop an address once a press: its repeats on a
    // look-up or a product do nothing. Nothing escapes: a failure comes back as a box, and the
    // window carries on.
    Step click(const Element &element, Press press = Press::Fresh);

    // `key` pressed on `from` on `keyboard`: Tab and Shift+Tab move the focus round the stops, an
    // arrow key on an answer moves to the other answer and chooses it. Effects::focus says where
    // the focus went; null when the key is not the window's, and nothing changed.
    Step press(const Element &from, Key key, Keyboard keyboard);

    // The address the last step gave could not be opened, at once or later: the user gets it to
    // copy.
    Step openFailed() const;

private:
    Step run(const Element &element, Press press);

    Opener opener_;
    inventory::Bands bands_;
    quiz::Quiz quiz_;
    const Element *chosen_ = nullptr; // the answer chosen
    std::string opened_; // the last address given to open
};

// What kept the program from starting, as its reader is told.
enum class StartStep {
    Inventory, // the program's own inventory does not load (a damaged build)
    Window, // the desktop did not give the program its window
    FileMissing, // one of the page's files did not come
    FileDamaged, // it came, but as something the browser cannot run (cut short, another page)
    FileRefused, // the browser will not run it (its WebAssembly turned off)
    Running, // the page's program stopped while it ran
};

// The window of a program that could not start: its box says which step or file failed, with
// `detail` (an error's description) to copy; for a file's step, `detail` is the file's name. Each
// says what the reader can do about it.
Step cannotStart(StartStep step, std::string_view detail = {});

// An error's description as the user reads it: its ASCII as it stands, any other byte as U+FFFD.
std::u16string errorDetail(std::string_view what);

} // namespace vorlank::ui
