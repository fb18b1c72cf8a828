#include "event_handlers.h"

#include "launch/launch.h"
#include "quiz/quiz.h"
#include "texts/texts.h"

#include <exception>
#include <string>

namespace vorlank::ui
{

EventHandlers::EventHandlers(WindowOps &window, launch::Shell &shell, runtime::RandomSource &random)
    : window_(window)
    , shell_(shell)
    , texts_(inventory::embeddedInventory())
    , bands_(inventory::loadBands(texts_.text1, texts_.text2))
    , quiz_(std::make_unique<quiz::Quiz>(bands_, random, window))
    , self_(std::make_shared<EventHandlers *>(this))
{
}

EventHandlers::~EventHandlers() = default;

std::function<void(std::string_view)> EventHandlers::lateFailureListener()
{
    return [handlers = std::weak_ptr<EventHandlers *>(self_)](std::string_view address) {
        if (const auto alive = handlers.lock())
            (*alive)->report({ std::string(address), false });
    };
}

void EventHandlers::click(Action action)
{
    // The handlers run inside the toolkit's event dispatch, which an exception must not cross.
    try {
        run(action);
    } catch (const std::exception &e) {
        const std::string what = e.what();
        window_.showProblem(texts::operationFailed, std::u16string(what.begin(), what.end()));
    }
}

void EventHandlers::run(Action action)
{
    switch (action) {
    case Action::None:
        break;
    case Action::DrawTest:
        quiz_->drawTest();
        break;
    case Action::SubmitAnswer:
        quiz_->submitAnswer();
        break;
    case Action::LookupCharacter:
        report(launch::lookupCharacter(shell_, quiz_->characterOnShow(), lateFailureListener()));
        break;
    case Action::OpenFirstProduct:
        report(launch::openProductPage(shell_, launch::Product::First, lateFailureListener()));
        break;
    case Action::OpenSecondProduct:
        report(launch::openProductPage(shell_, launch::Product::Second, lateFailureListener()));
        break;
    }
}

// A desktop that could not open the address must not pass for one that did: the user gets the
// address to open by hand. Every address the program hands over is ASCII.
void EventHandlers::report(const launch::HandOver &handOver)
{
    if (handOver.opened)
        return;
    const std::string &address = handOver.target;
    window_.showProblem(texts::addressNotOpened, std::u16string(address.begin(), address.end()));
}

} // namespace vorlank::ui
