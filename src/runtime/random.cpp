#include "runtime.h"

#include <chrono>
#include <ctime>
#include <random>
#include <string_view>

namespace vorlank::runtime
{

namespace
{
std::uint64_t splitMix(std::uint64_t &state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// The wall clock in nanoseconds. The C library's clock has no error to report, where the standard
// library's would bring its whole error formatting into the page's program; Windows' C library
// (msvcrt) lacks it.
std::uint64_t wallClockNanoseconds()
{
#ifdef _WIN32
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
#else
    std::timespec now {};
    std::timespec_get(&now, TIME_UTC);
    return static_cast<std::uint64_t>(now.tv_sec) * 1000000000U
        + static_cast<std::uint64_t>(now.tv_nsec);
#endif
}
} // namespace

ClockRandom::ClockRandom()
    : ClockRandom((std::uint64_t { std::random_device {}() } << 32) ^ std::random_device {}())
{
}

ClockRandom::ClockRandom(std::uint64_t salt)
    : salt_(salt)
{
    reseed();
}

// The clock alone repeats within one tick; the reseed counter keeps successive seeds apart and
// the per-process salt keeps two programs started in the same tick apart.
void ClockRandom::reseed()
{
    std::uint64_t mix = wallClockNanoseconds() ^ salt_;
    mix += ++reseeds_ * 0xD1B54A32D192ED03ull;
    state_ = splitMix(mix);
}

float unitFloat(std::uint64_t bits)
{
    constexpr float scale = 1.0f / 16777216.0f;
    return static_cast<float>(bits >> 40U) * scale;
}

float ClockRandom::next()
{
    return unitFloat(splitMix(state_));
}

float SeededRandom::next()
{
    return unitFloat(splitMix(state_));
}

std::unique_ptr<RandomSource> programRandom(const char *seed)
{
    std::uint64_t value = 0;
    const std::string_view digits = seed ? seed : "";
    const bool decimal = !digits.empty() && digits.size() <= 19
        && digits.find_first_not_of("0123456789") == std::string_view::npos;
    for (const char d : decimal ? digits : std::string_view())
        value = value * 10 + static_cast<std::uint64_t>(d - '0');
    if (decimal)
        return std::make_unique<SeededRandom>(value);
    return std::make_unique<ClockRandom>();
}

} // namespace vorlank::runtime
