#include "window_state.h"

#include "launch/launch.h"
#include "texts/texts.h"

namespace vorlank::ui
{

namespace
{
const Element &characterElement()
{
    static const Element &label = element("Label2");
    return label;
}

const Element &promptElement()
{
    static const Element &label = element("Label3");
    return label;
}

// The title with the estimate E: "你认识", E, "个字！".
std::u16string estimateTitle(std::int32_t estimate)
{
    std::u16string title = texts::estimateBefore;
    title += runtime::decimalText(estimate);
    title += texts::estimateAfter;
    return title;
}
} // namespace

WindowState::WindowState(runtime::RandomSource &random, inventory::InventoryTexts texts)
    : texts_(std::move(texts))
    , bands_(inventory::loadBands(texts_.text1, texts_.text2))
    , quiz_(bands_, random)
{
}

View WindowState::view() const
{
    View v;
    const std::optional<std::int32_t> estimate = quiz_.estimateOnShow();
    v.title = estimate ? estimateTitle(*estimate) : std::u16string(texts::windowTitle);
    v.texts = { { &promptElement(), quiz_.promptOnShow() },
        { &characterElement(), std::u16string(quiz_.characterOnShow()) } };
    for (const Element &e : elements())
        if (chosen_ != Action::None && e.kind == Kind::OptionButton && e.click == chosen_)
            v.checked = &e;
    v.testUnderWay = quiz_.underWay();
    return v;
}

View WindowState::click(Action action)
{
    // A front end calls in from its toolkit's event dispatch, which an exception must not cross.
    try {
        return run(action);
    } catch (const std::exception &e) {
        View v = view();
        v.box = Box { texts::operationFailed, errorDetail(e.what()), true };
        return v;
    }
}

View WindowState::run(Action action)
{
    std::string address;
    switch (action) {
    case Action::None:
        break;
    case Action::ChooseRecognised:
    case Action::ChooseNotRecognised:
        chosen_ = action;
        break;
    case Action::DrawTest: {
        quiz_.drawTest();
        View v = view();
        // Read as the window shows it: the prompt, then the character.
        v.announcement = v.texts[0].text + u' ' + v.texts[1].text;
        return v;
    }
    case Action::SubmitAnswer: {
        const auto submitted = quiz_.submitAnswer(chosen_ == Action::ChooseRecognised);
        View v = view();
        if (submitted == quiz::Quiz::Submitted::Ended)
            v.box = Box { texts::testOver + v.title, {}, false };
        else if (submitted == quiz::Quiz::Submitted::Counted)
            v.announcement = v.title + u' ' + v.texts[0].text + u' ' + v.texts[1].text;
        return v;
    }
    case Action::LookupCharacter:
        address = launch::lookupAddress(quiz_.characterOnShow());
        break;
    case Action::OpenFirstProduct:
        address = launch::productPage(launch::Product::First);
        break;
    case Action::OpenSecondProduct:
        address = launch::productPage(launch::Product::Second);
        break;
    }
    View v = view();
    v.address = std::move(address);
    return v;
}

View WindowState::openFailed(std::string_view address, Opener opener) const
{
    View v = view();
    v.box = Box { opener == Opener::Browser ? texts::tabNotOpened : texts::addressNotOpened,
        errorDetail(address), true };
    return v;
}

std::u16string errorDetail(std::string_view what)
{
    std::u16string detail;
    detail.reserve(what.size());
    for (const char c : what)
        detail += static_cast<unsigned char>(c) < 0x80 ? static_cast<char16_t>(c) : u'\uFFFD';
    return detail;
}

std::u16string cannotStartMessage(const std::exception &reason)
{
    return texts::cannotStart + errorDetail(reason.what());
}

} // namespace vorlank::ui
