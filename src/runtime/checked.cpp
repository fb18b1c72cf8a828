#include "runtime.h"

#include <limits>

namespace vorlank::runtime
{

namespace
{
std::int32_t narrow(std::int64_t wide, const char *operation)
{
    if (wide < std::numeric_limits<std::int32_t>::min()
        || wide > std::numeric_limits<std::int32_t>::max())
        throw OverflowError(std::string("overflow in 32-bit ") + operation);
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

QStringView pieceAt(const QList<QStringView> &pieces, std::int32_t index)
{
    if (index < 0 || index >= pieces.size())
        throw SubscriptError("subscript " + std::to_string(index) + " outside 0.."
            + std::to_string(pieces.size() - 1));
    return pieces[index];
}

} // namespace vorlank::runtime
