#include "window_state.h"

#include "launch/launch.h"
#include "texts/texts.h"

#include <exception>

namespace vorlank::ui
{

namespace
{
// The title with the estimate E: "你认识", E, "个字！".
std::u16string estimateTitle(std::int32_t estimate)
{
    std::u16string title = texts::estimateBefore;
    title += runtime::decimalText(estimate);
    title += texts::estimateAfter;
    return title;
}

// What a screen reader says of a new character: the prompt and how many the test has, then the
// character.
std::u16string spoken(const View &v)
{
    std::u16string_view prompt = v.prompt;
    if (prompt.ends_with(u'：'))
        prompt.remove_suffix(1); // the first prompt's colon, which the total follows instead
    return std::u16string(prompt) + texts::totalBefore + runtime::decimalText(quiz::testLength)
        + texts::promptAfter + u' ' + v.character;
}

Box box(std::u16string message, std::u16string detail, bool warning)
{
    return { texts::applicationTitle, std::move(message), std::move(detail), texts::okButton,
        warning };
}

Step withBox(View view, Box shown)
{
    Step step { std::move(view), {} };
    step.effects.box = std::move(shown);
    return step;
}
} // namespace

WindowState::WindowState(Opener opener, runtime::RandomSource &random, inventory::Bands bands)
    : opener_(opener)
    , bands_(std::move(bands))
    , quiz_(bands_, random)
{
}

View WindowState::view() const
{
    View v;
    const std::optional<std::int32_t> estimate = quiz_.estimateOnShow();
    v.title = estimate ? estimateTitle(*estimate) : std::u16string(texts::windowTitle);
    v.prompt = quiz_.promptOnShow();
    v.character = quiz_.characterOnShow();
    v.checked = chosen_;
    v.testUnderWay = quiz_.underWay();
    return v;
}

Step WindowState::click(const Element &element, Press press)
{
    // A front end calls in from its toolkit's event dispatch, which an exception must not cross.
#if defined(__cpp_exceptions)
    try {
        return run(element, press);
    } catch (const std::exception &e) {
        return withBox(view(), box(texts::operationFailed, errorDetail(e.what()), true));
    }
#else
    return run(element, press); // an error stops the program (VORLANK_RAISE)
#endif
}

Step WindowState::run(const Element &element, Press press)
{
    Effects effects;
    const bool opens
        = element.click == Action::LookupCharacter || element.click == Action::OpenProductPage;
    if (opens && press == Press::Repeat)
        return { view(), {} };
    switch (element.click) {
    case Action::None:
        break;
    case Action::ChooseRecognised:
    case Action::ChooseNotRecognised:
        chosen_ = &element;
        break;
    case Action::DrawTest: {
        quiz_.drawTest();
        View v = view();
        // Read as the window shows it: the prompt, then the character.
        effects.announcement = spoken(v);
        return { std::move(v), std::move(effects) };
    }
    case Action::SubmitAnswer: {
        const bool recognised = chosen_ && chosen_->click == Action::ChooseRecognised;
        const auto submitted = quiz_.submitAnswer(recognised);
        View v = view();
        if (submitted == quiz::Quiz::Submitted::Ended)
            effects.box = box(texts::testOver + v.title, {}, false);
        else if (submitted == quiz::Quiz::Submitted::Counted)
            effects.announcement = v.title + u' ' + spoken(v);
        return { std::move(v), std::move(effects) };
    }
    case Action::LookupCharacter:
        effects.address = launch::lookupAddress(quiz_.characterOnShow());
        break;
    case Action::OpenProductPage:
        effects.address = element.link;
        break;
    }
    if (!effects.address.empty())
        opened_ = effects.address;
    return { view(), std::move(effects) };
}

Step WindowState::press(const Element &from, Key key, Keyboard keyboard)
{
    const FocusMove move = focusMove(from, key, chosen_, keyboard);
    if (!move.to)
        return { view(), {} };
    if (move.chooses)
        chosen_ = move.to;
    Step moved { view(), {} };
    moved.effects.focus = move.to;
    return moved;
}

Step WindowState::openFailed() const
{
    return withBox(view(),
        box(opener_ == Opener::Browser ? texts::tabNotOpened : texts::addressNotOpened,
            errorDetail(opened_), true));
}

std::u16string_view shownText(const View &view, const Element &element)
{
    return element.shows == Shows::Prompt   ? view.prompt
        : element.shows == Shows::Character ? view.character
                                            : accessibleName(element);
}

Step cannotStart(StartStep step, std::string_view detail)
{
    Step s;
    s.view.title = texts::notStartedTitle;
    s.view.stopped = true;
    std::u16string message = texts::cannotStart;
    switch (step) {
    case StartStep::Inventory:
        message += texts::inventoryDamaged;
        break;
    case StartStep::Window:
        message += texts::windowRefused;
        break;
    case StartStep::FileMissing:
        message += texts::fileBefore + errorDetail(detail) + texts::fileNotLoadedAfter
            + texts::reloadLater;
        detail = {};
        break;
    case StartStep::FileDamaged:
        message += texts::fileBefore + errorDetail(detail) + texts::fileDamagedAfter
            + texts::reloadLater;
        detail = {};
        break;
    case StartStep::FileRefused:
        message += texts::fileRefusedBefore + errorDetail(detail) + texts::fileRefusedAfter
            + texts::allowOrChange;
        detail = {};
        break;
    case StartStep::Running:
        message += texts::programStopped + std::u16string(texts::reloadLater);
        break;
    }
    s.effects.box = box(std::move(message), errorDetail(detail), true);
    return s;
}

std::u16string errorDetail(std::string_view what)
{
    std::u16string detail;
    detail.reserve(what.size());
    for (const char c : what)
        detail += static_cast<unsigned char>(c) < 0x80 ? static_cast<char16_t>(c) : u'\uFFFD';
    return detail;
}

} // namespace vorlank::ui
