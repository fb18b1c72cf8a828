#include "quiz.h"

#include "texts/texts.h"

#include <algorithm>
#include <cmath>

namespace vorlank::quiz
{

using namespace vorlank::runtime;

void Quiz::drawTest()
{
    state_.testString.clear();
    state_.knownCount = 0;
    window_.setPromptCaption(texts::firstPrompt);
    state_.testString.reserve(testLength);
    for (const inventory::FrequencyBand &band : bands_) {
        const std::int32_t n = band.count();
        for (std::int32_t draw = 0; draw < drawsPerBand; ++draw) {
            random_.reseed();
            const float product = random_.next() * static_cast<float>(n);
            // A generator at the edge of [0, 1) must not reach past the band's last item.
            const auto k = std::min(static_cast<std::int32_t>(std::floor(product)), n - 1);
            state_.testString += band.item(k);
        }
    }
    window_.setCharacterCaption(leftmostCharacter(state_.testString));
    state_.currentIndex = 1;
}

std::u16string_view Quiz::characterOnShow() const
{
    if (state_.currentIndex < 1)
        return texts::characterAtStart;
    const auto position = static_cast<std::size_t>(std::min(state_.currentIndex, testLength));
    return std::u16string_view(state_.testString).substr(position - 1, 1);
}

void Quiz::submitAnswer()
{
    // No test drawn yet, or the test is over: there is no character on show to answer for.
    if (state_.currentIndex < 1 || state_.currentIndex >= endMark)
        return;
    if (window_.recognisedSelected())
        state_.knownCount = checkedAdd(state_.knownCount, 1);
    state_.estimateShown = checkedMultiply(state_.knownCount, estimateFactor);
    // Built by appending: g++ 12 warns falsely (-Wrestrict) on a literal + string chain.
    std::u16string title = texts::estimateBefore;
    title += decimalText(*state_.estimateShown);
    title += texts::estimateAfter;
    window_.setTitle(title);
    state_.currentIndex = checkedAdd(state_.currentIndex, 1);
    if (state_.currentIndex == endMark) {
        window_.showEndMessage(std::u16string(texts::testOver).append(title));
        return;
    }
    window_.setCharacterCaption(middleCharacter(state_.testString, state_.currentIndex));
    std::u16string prompt = texts::promptBefore;
    prompt += decimalText(state_.currentIndex);
    prompt += texts::promptAfter;
    window_.setPromptCaption(prompt);
}

} // namespace vorlank::quiz
