// The runtime services the rest of the program relies on, with the exact semantics its callers
// expect: checked 32-bit arithmetic, the few text operations, GBK conversion and the
// pseudo-random generator. Text is UTF-16, as the window toolkits hold it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Raises one of the errors below. The page's program is built without exceptions (a ninth of a
// reader's download): there an error stops the program instead, which the page reports, and its
// description is never built.
#if defined(__cpp_exceptions)
#define VORLANK_RAISE(...) throw __VA_ARGS__
#else
#define VORLANK_RAISE(...) std::abort()
#endif

namespace vorlank::runtime
{

// Raised instead of wrapping when a counter leaves the signed 32-bit range.
class OverflowError : public std::overflow_error
{
public:
    using std::overflow_error::overflow_error;
};

// Raised when an index lies outside an array's bounds.
class SubscriptError : public std::out_of_range
{
public:
    using std::out_of_range::out_of_range;
};

// Raised for bytes that are not GBK, or text that GBK cannot carry; `offset` is the byte offset
// (decoding) or the UTF-16 offset (encoding) of the first offending unit.
class ConversionError : public std::runtime_error
{
public:
    ConversionError(const std::string &what, std::size_t offset)
        : std::runtime_error(what)
        , offset(offset)
    {
    }
    std::size_t offset;
};

std::int32_t checkedAdd(std::int32_t a, std::int32_t b);
std::int32_t checkedSubtract(std::int32_t a, std::int32_t b);
std::int32_t checkedMultiply(std::int32_t a, std::int32_t b);

// Splits at every CR LF. A delimiter at the very end leaves a final empty piece; the upper bound
// of the result is therefore its size − 1. The pieces are views into `text`.
std::vector<std::u16string_view> splitAtCrLf(std::u16string_view text);

// The piece at `index`, or SubscriptError.
std::u16string_view pieceAt(const std::vector<std::u16string_view> &pieces, std::int32_t index);

// Decimal digits, "-" before negatives, no leading space, no grouping.
std::u16string decimalText(std::int32_t value);

// Whether a surrogate pair starts at `i`: a high surrogate followed by a low one.
constexpr bool startsPair(std::u16string_view text, std::size_t i)
{
    return i + 1 < text.size() && text[i] >= 0xD800 && text[i] <= 0xDBFF && text[i + 1] >= 0xDC00
        && text[i + 1] <= 0xDFFF;
}

// UTF-16 as UTF-8 (half a surrogate pair as U+FFFD), for what leaves the program as bytes (a page,
// a test's report).
std::string toUtf8(std::u16string_view text);

// GBK (code page 936) to UTF-16 and back. Errors are exceptions, never replacement characters.
std::u16string decodeGbk(std::string_view bytes);
std::string encodeGbk(std::u16string_view text);

// The 24 high bits of `bits` as a float in [0, 1): they fill a float's mantissa exactly, so every
// value is exact and the largest is 1 − 2⁻²⁴.
float unitFloat(std::uint64_t bits);

// The pseudo-random generator as the test draw sees it. Tests substitute their own values.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // Reseeds from the system clock.
    virtual void reseed() = 0;
    // The next value, 0 <= r < 1 in single precision.
    virtual float next() = 0;
};

// The program's generator: a 64-bit mixing generator whose 24 high bits become a float, so
// that every value is exactly representable and below 1.0.
class ClockRandom final : public RandomSource
{
public:
    // Salted from the system's random device.
    ClockRandom();
    // Salted with `salt`, from a source of the caller's.
    explicit ClockRandom(std::uint64_t salt);
    void reseed() override;
    float next() override;

private:
    std::uint64_t state_;
    std::uint64_t reseeds_ = 0;
    std::uint64_t salt_;
};

// The same generator from a fixed seed, which reseeding leaves as it is: the same seed draws the
// same tests, so that a test run or a reader's report can be replayed.
class SeededRandom final : public RandomSource
{
public:
    explicit SeededRandom(std::uint64_t seed)
        : state_(seed)
    {
    }
    void reseed() override { }
    float next() override;

private:
    std::uint64_t state_;
};

// The program's generator: seeded when `seed` is a decimal number (VORLANK_SEED in the
// environment, the page's ?seed=), the clock's otherwise.
std::unique_ptr<RandomSource> programRandom(const char *seed);

} // namespace vorlank::runtime
