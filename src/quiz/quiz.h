// A test run: the draw of 91 characters, seven from each frequency band, and the answers that
// move through it and keep the estimate in the window title.
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
constexpr std::int32_t endMark = testLength + 1; // CurrentIndex once the last answer is in

struct TestState {
    std::u16string testString; // drawn characters in draw order, band 0 first
    std::int32_t currentIndex = 0; // 1-based position on show; 0 before any draw
    std::int32_t knownCount = 0; // answers counted as recognised
    std::optional<std::int32_t> estimateShown; // the estimate in the title, once there is one
};

// What the test run shows and reads on the window. Each front end's window implements it; tests
// use a recording fake, so the test logic never needs a widget.
class TestDisplay
{
public:
    virtual ~TestDisplay() = default;
    // Replaces the window's title (the running estimate).
    virtual void setTitle(std::u16string_view title) = 0;
    // Shows `text` as the big character on show (Label2); a screen reader reads it too.
    virtual void setCharacterCaption(std::u16string_view text) = 0;
    // The position prompt beside it (Label3).
    virtual void setPromptCaption(std::u16string_view text) = 0;
    // Whether "认识" (recognised, Option1(0)) is the selected answer.
    virtual bool recognisedSelected() const = 0;
    // A modal box with one OK button and no icon, titled with the application title; returns
    // once the user has dismissed it.
    virtual void showEndMessage(std::u16string_view text) = 0;
};

class Quiz
{
public:
    Quiz(const inventory::Bands &bands, runtime::RandomSource &random, TestDisplay &window)
        : bands_(bands)
        , random_(random)
        , window_(window)
    {
    }

    // Draws a fresh test and shows its first character; discards any test in progress.
    void drawTest();
    // Counts the answer for the character on show and moves to the next one; the answer to the
    // last character ends the test with a message. Does nothing before a draw or after the end.
    void submitAnswer();

    const TestState &state() const { return state_; }

    // The character on show: 人 before any test, then the test's character at the position on
    // show; after the end, the last one stays.
    std::u16string_view characterOnShow() const;
    // The estimate the title shows; none while it still shows the window's own title.
    std::optional<std::int32_t> estimateOnShow() const { return state_.estimateShown; }

private:
    const inventory::Bands &bands_;
    runtime::RandomSource &random_;
    TestDisplay &window_;
    TestState state_;
};

} // namespace vorlank::quiz
