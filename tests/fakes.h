// Stand-ins for the window, the generator and the shell, so that the core is tested without a
// toolkit, and the Qt window without a desktop.
#pragma once

#include "launch/launch.h"
#include "runtime/runtime.h"
#include "texts/texts.h"
#include "ui/window_ops.h"

#include <string>
#include <utility>
#include <vector>

// Records what the test run shows; `recognised` is the answer selected.
class RecordingWindow final : public vorlank::ui::WindowOps
{
public:
    std::u16string title = vorlank::texts::windowTitle;
    std::u16string character = vorlank::texts::characterAtStart;
    std::u16string prompt = vorlank::texts::firstPrompt;
    bool recognised = false;
    std::vector<std::u16string> titles; // every title written, in order
    std::vector<std::u16string> endMessages;
    std::vector<std::u16string> problems; // message, a line break, detail

    void setTitle(std::u16string_view t) override { titles.emplace_back(title = t); }
    void setCharacterCaption(std::u16string_view t) override { character = t; }
    void setPromptCaption(std::u16string_view t) override { prompt = t; }
    bool recognisedSelected() const override { return recognised; }
    void showEndMessage(std::u16string_view t) override { endMessages.emplace_back(t); }
    void showProblem(std::u16string_view message, std::u16string_view detail) override
    {
        problems.push_back(std::u16string(message) + u'\n' + std::u16string(detail));
    }
};

// Plays back the given values in a loop; counts reseeds.
class ScriptedRandom final : public vorlank::runtime::RandomSource
{
public:
    explicit ScriptedRandom(std::vector<float> values)
        : values_(std::move(values))
    {
    }
    void reseed() override { ++reseeds; }
    float next() override { return values_[position_++ % values_.size()]; }
    int reseeds = 0;

private:
    std::vector<float> values_;
    std::size_t position_ = 0;
};

// Records every hand-over and keeps its late-failure listener; `opens` says whether the desktop
// takes the address.
class RecordingShell final : public vorlank::launch::Shell
{
public:
    std::vector<vorlank::launch::ShellArguments> calls;
    std::vector<LateFailure> listeners;
    bool opens = true;
    bool execute(const vorlank::launch::ShellArguments &a, LateFailure lateFailure) override
    {
        calls.push_back(a);
        listeners.push_back(std::move(lateFailure));
        return opens;
    }
};
