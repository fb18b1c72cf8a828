// Stand-ins for the generator and the desktop's opener, so that the core is tested without a
// toolkit, and the Qt window without a desktop.
#pragma once

#include "launch/launch.h"
#include "runtime/runtime.h"

#include <string>
#include <utility>
#include <vector>

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

// Records every address handed over; `opens` says whether the desktop takes the address.
class RecordingShell final : public vorlank::launch::Shell
{
public:
    std::vector<std::string> opened;
    bool opens = true;
    bool open(const std::string &address, LateFailure /*lateFailure*/) override
    {
        opened.push_back(address);
        return opens;
    }
};
