#include "inventory.h"

#include "runtime/runtime.h"

#include <cstdint>

namespace vorlank::inventory
{

using namespace vorlank::runtime;

namespace
{
constexpr std::int32_t bandRows = 500;
constexpr std::int32_t lastBandRows = 6000; // ranks 0..5999 belong to bands 1 to 12

// Band 0 takes ranks `top` down to 6000, band k (1..12) 6499 − 500k down to 6000 − 500k, each
// from the leftmost character of `row(rank)`.
template <class Row> Bands fillBands(std::int32_t top, Row row)
{
    Bands bands;
    const auto fill = [&](FrequencyBand &band, std::int32_t high, std::int32_t low) {
        band.reserve(static_cast<std::size_t>(high - low) + 1);
        for (std::int32_t rank = high; rank >= low; --rank)
            band.append(row(rank));
    };
    fill(bands[0], top, lastBandRows);
    for (std::size_t k = 1; k < bands.size(); ++k) {
        const auto low = lastBandRows - bandRows * static_cast<std::int32_t>(k);
        fill(bands[k], low + bandRows - 1, low);
    }
    return bands;
}
} // namespace

std::u16string FrequencyBand::item(std::int32_t position) const
{
    if (position < 0 || static_cast<std::size_t>(position) >= items_.size())
        VORLANK_RAISE(SubscriptError("band position " + std::to_string(position) + " outside 0.."
            + std::to_string(static_cast<std::int64_t>(items_.size()) - 1)));
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
        VORLANK_RAISE(InventoryError(
            "the inventory has " + std::to_string(upper) + " rows; the bands need at least 6000"));
    return fillBands(top, [&](std::int32_t rank) { return pieceAt(pieces, rank); });
}

std::u16string bandCharacters(const Bands &bands)
{
    std::u16string all;
    for (const FrequencyBand &band : bands)
        all.append(band.items());
    return all;
}

Bands bandsFromCharacters(std::u16string_view characters)
{
    // Band order runs from the most frequent down: the last character has rank 0.
    if (characters.size() < lastBandRows || characters.size() > INT32_MAX)
        VORLANK_RAISE(InventoryError("the inventory has " + std::to_string(characters.size())
            + " characters; the bands need at least 6000"));
    const auto top = static_cast<std::int32_t>(characters.size() - 1);
    return fillBands(top, [&](std::int32_t rank) {
        return characters.substr(static_cast<std::size_t>(top - rank), 1);
    });
}

} // namespace vorlank::inventory
