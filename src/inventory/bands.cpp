#include "inventory.h"

#include "runtime/runtime.h"

namespace vorlank::inventory
{

using namespace vorlank::runtime;

namespace
{
constexpr std::int32_t bandRows = 500;
constexpr std::int32_t lastBandRows = 6000; // ranks 0..5999 belong to bands 1 to 12
} // namespace

std::u16string FrequencyBand::item(std::int32_t position) const
{
    if (position < 0 || static_cast<std::size_t>(position) >= items_.size())
        throw SubscriptError("band position " + std::to_string(position) + " outside 0.."
            + std::to_string(static_cast<std::int64_t>(items_.size()) - 1));
    return { items_[static_cast<std::size_t>(position)] };
}

Bands loadBands(std::u16string_view text1, std::u16string_view text2)
{
    std::u16string joined;
    joined.reserve(text1.size() + text2.size());
    joined.append(text1).append(text2);
    const std::vector<std::u16string_view> pieces = splitAtCrLf(joined);
    // The final CR LF leaves an empty last piece, so the rows are pieces 0 .. upper − 1.
    const auto upper = static_cast<std::int32_t>(pieces.size() - 1);
    const std::int32_t top = checkedSubtract(upper, 1);
    if (top < lastBandRows - 1)
        throw InventoryError(
            "the inventory has " + std::to_string(upper) + " rows; the bands need at least 6000");

    Bands bands;
    const auto fill = [&](FrequencyBand &band, std::int32_t high, std::int32_t low) {
        band.reserve(static_cast<std::size_t>(high - low) + 1);
        for (std::int32_t row = high; row >= low; --row)
            band.append(pieceAt(pieces, row));
    };
    fill(bands[0], top, lastBandRows);
    for (std::size_t k = 1; k < bands.size(); ++k) {
        const auto low = lastBandRows - bandRows * static_cast<std::int32_t>(k);
        fill(bands[k], low + bandRows - 1, low);
    }
    return bands;
}

} // namespace vorlank::inventory
