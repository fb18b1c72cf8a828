#include "inventory.h"

#include "runtime/runtime.h"

#include <algorithm>

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

std::u16string findRowFault(std::u16string_view joined)
{
    if (joined.size() < 2 || joined.substr(joined.size() - 2) != u"\r\n")
        return u"the inventory does not end with CR LF";
    const std::vector<std::u16string_view> pieces = splitAtCrLf(joined);
    const auto isDigit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
    for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
        const std::u16string_view row = pieces[i];
        const std::u16string_view count = row.size() >= 2 ? row.substr(2) : std::u16string_view();
        const bool surrogate = !row.empty() && row[0] >= 0xD800 && row[0] <= 0xDFFF;
        const bool wellFormed = row.size() >= 3 && !surrogate && row[0] != u'|' && row[1] == u'|'
            && std::all_of(count.begin(), count.end(), isDigit)
            && !(count.size() > 1 && count[0] == u'0');
        if (!wellFormed)
            return u"row " + decimalText(static_cast<std::int32_t>(i))
                + u" is not character|count: \"" + std::u16string(row) + u"\"";
    }
    return {};
}

} // namespace vorlank::inventory
