// The window's state and what each click runs, the same for every front end. A front end creates
// its controls from the element table, implements WindowOps on them and passes every click here.
#pragma once

#include "inventory/inventory.h"
#include "ui/elements.h"
#include "ui/window_ops.h"

#include <functional>
#include <memory>
#include <string_view>

namespace vorlank::launch
{
class Shell;
struct HandOver;
} // namespace vorlank::launch

namespace vorlank::ui
{

// The window's state and its event handlers, the same for every front end: the inventory
// texts (Text1, Text2), the bands (List1(0) to List1(12)) and the test run.
class EventHandlers
{
public:
    // Loads the embedded inventory into the bands, as the window's load event does; throws when
    // the program's own data is damaged.
    EventHandlers(WindowOps &window, launch::Shell &shell, runtime::RandomSource &random);
    ~EventHandlers();
    EventHandlers(const EventHandlers &) = delete;
    EventHandlers &operator=(const EventHandlers &) = delete;

    // Runs what a click on an element does. Nothing escapes: a failure is shown to the user
    // through WindowOps::showProblem and the window carries on.
    void click(Action action);

    // The test run: its state, the character on show and the estimate in the title.
    const quiz::Quiz &quiz() const { return *quiz_; }
    const quiz::TestState &testState() const { return quiz_->state(); }

private:
    void run(Action action);
    void report(const launch::HandOver &handOver);
    // Where the shell tells of a hand-over that failed after it was accepted; it does nothing
    // once these handlers are gone.
    std::function<void(std::string_view)> lateFailureListener();

    WindowOps &window_;
    launch::Shell &shell_;
    inventory::InventoryTexts texts_;
    inventory::Bands bands_;
    std::unique_ptr<quiz::Quiz> quiz_;
    std::shared_ptr<EventHandlers *> self_; // outlived by the listeners handed to the shell
};

} // namespace vorlank::ui
