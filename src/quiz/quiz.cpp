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
    state_.currentIndex = 1;
}

std::u16string_view Quiz::characterOnShow() const
{
    if (state_.currentIndex < 1)
        return texts::characterAtStart;
    const auto position = static_cast<std::size_t>(std::min(state_.currentIndex, testLength));
    return std::u16string_view(state_.testString).substr(position - 1, 1);
}

std::u16string Quiz::promptOnShow() const
{
    if (state_.currentIndex <= 1)
        return texts::firstPrompt;
    std::u16string prompt = texts::promptBefore;
    prompt += decimalText(std::min(state_.currentIndex, testLength));
    prompt += texts::promptAfter;
    return prompt;
}

Quiz::Submitted Quiz::submitAnswer(bool recognised)
{
    // No test drawn yet, or the test is over: there is no character on show to answer for.
    if (!underWay())
        return Submitted::Ignored;
    if (recognised)
        state_.knownCount = checkedAdd(state_.knownCount, 1);
    state_.estimateShown = checkedMultiply(state_.knownCount, estimateFactor);
    state_.currentIndex = checkedAdd(state_.currentIndex, 1);
    return state_.currentIndex == endMark ? Submitted::Ended : Submitted::Counted;
}

} // namespace vorlank::quiz
