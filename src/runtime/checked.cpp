#include "runtime.h"

#include <limits>

namespace vorlank::runtime
{

namespace
{
std::int32_t narrow(std::int64_t wide, [[maybe_unused]] const char *operation)
{
    if (wide < std::numeric_limits<std::int32_t>::min()
        || wide > std::numeric_limits<std::int32_t>::max())
        VORLANK_RAISE(OverflowError(std::string("overflow in 32-bit ") + operation));
    return static_cast<std::int32_t>(wide);
}
} // namespace

std::int32_t checkedAdd(std::int32_t a, std::int32_t b)
{
    return narrow(std::int64_t { a } + b, "addition");
}

std::int32_t checkedSubtract(std::int32_t a, std::int32_t b)
{
    return narrow(std::int64_t { a } - b, "subtraction");
}

std::int32_t checkedMultiply(std::int32_t a, std::int32_t b)
{
    return narrow(std::int64_t { a } * b, "multiplication");
}

std::u16string_view pieceAt(const std::vector<std::u16string_view> &pieces, std::int32_t index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= pieces.size())
        VORLANK_RAISE(SubscriptError("subscript " + std::to_string(index) + " outside 0.."
            + std::to_string(static_cast<std::int64_t>(pieces.size()) - 1)));
    return pieces[static_cast<std::size_t>(index)];
}

} // namespace vorlank::runtime
