// A test run: the draw of 91 characters, seven from each frequency band, the answers that move
// through it, and the estimate they add up to.
#pragma once

#include "inventory/inventory.h"
#include "runtime/runtime.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorlank::quiz
{

constexpr std::int32_t drawsPerBand = 7;
constexpr std::int32_t testLength = inventory::bandCount * drawsPerBand; // 91
constexpr std::int32_t estimateFactor = 74;
constexpr std::int32_t endMark = testLength + 1; // currentIndex once the last answer is in

struct TestState {
    std::u16string testString; // drawn characters in draw order, band 0 first
    std::int32_t currentIndex = 0; // 1-based position on show; 0 before any draw
    std::int32_t knownCount = 0; // answers counted as recognised
    std::optional<std::int32_t> estimateShown; // the estimate in the title, once there is one
};

class Quiz
{
public:
    Quiz(const inventory::Bands &bands, runtime::RandomSource &random)
        : bands_(bands)
        , random_(random)
    {
    }

    // Draws a fresh test and puts its first character on show; discards any test in progress.
    // The estimate on show stays until the first answer.
    void drawTest();

    // What submitting an answer did.
    enum class Submitted {
        Ignored, // before a draw or after the end: nothing changed
        Counted, // the next character is on show
        Ended, // that was the answer to the last character
    };
    // Counts the answer for the character on show and moves to the next one.
    Submitted submitAnswer(bool recognised);

    // Whether a test has been drawn and not yet answered to its end.
    bool underWay() const { return state_.currentIndex >= 1 && state_.currentIndex < endMark; }

    // The character on show: 人 before any test, then the test's character at the position on
    // show; after the end, the last one stays.
    std::u16string_view characterOnShow() const;
    // The prompt beside it: 第1个字： before any answer, then 第N个字 for the position on show.
    std::u16string promptOnShow() const;
    // The estimate the title shows; none while it still shows the window's own title.
    std::optional<std::int32_t> estimateOnShow() const { return state_.estimateShown; }

private:
    const inventory::Bands &bands_;
    runtime::RandomSource &random_;
    TestState state_;
};

} // namespace vorlank::quiz
