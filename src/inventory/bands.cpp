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

QString FrequencyBand::item(std::int32_t position) const
{
    if (position < 0 || position >= items_.size())
        throw SubscriptError("band position " + std::to_string(position) + " outside 0.."
            + std::to_string(items_.size() - 1));
    return { items_[position] };
}

Bands loadBands(const QString &text1, const QString &text2)
{
    const QString joined = text1 + text2;
    const QList<QStringView> pieces = splitAtCrLf(joined);
    // The final CR LF leaves an empty last piece, so the rows are pieces 0 .. upper − 1.
    const auto upper = static_cast<std::int32_t>(pieces.size() - 1);
    const std::int32_t top = checkedSubtract(upper, 1);
    if (top < lastBandRows - 1)
        throw InventoryError(
            "the inventory has " + std::to_string(upper) + " rows; the bands need at least 6000");

    Bands bands;
    const auto fill = [&](FrequencyBand &band, std::int32_t high, std::int32_t low) {
        band.reserve(high - low + 1);
        for (std::int32_t row = high; row >= low; --row)
            band.append(pieceAt(pieces, row));
    };
    fill(bands[0], top, lastBandRows);
    for (std::int32_t k = 1; k < bandCount; ++k)
        fill(bands[k], lastBandRows + bandRows - 1 - bandRows * k, lastBandRows - bandRows * k);
    return bands;
}

QString findRowFault(QStringView joined)
{
    if (!joined.endsWith(u"\r\n"))
        return QStringLiteral("the inventory does not end with CR LF");
    const QList<QStringView> pieces = splitAtCrLf(joined);
    for (qsizetype i = 0; i + 1 < pieces.size(); ++i) {
        const QStringView row = pieces[i];
        const QStringView count = row.size() >= 2 ? row.sliced(2) : QStringView();
        const bool wellFormed = row.size() >= 3 && !row[0].isSurrogate() && row[0] != u'|'
            && row[1] == u'|'
            && std::all_of(count.begin(), count.end(), [](QChar c) { return c.isDigit(); })
            && !(count.size() > 1 && count[0] == u'0');
        if (!wellFormed)
            return QStringLiteral("row %1 is not character|count: \"%2\"").arg(i).arg(row);
    }
    return {};
}

} // namespace vorlank::inventory
