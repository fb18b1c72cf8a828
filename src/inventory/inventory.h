// The ranked character inventory, embedded as two GBK text blocks, and its division into the
// thirteen frequency bands the test draws from.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vorlank::inventory
{

constexpr int bandCount = 13;

// An inventory too short for the band bounds.
class InventoryError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// An ordered list of characters, filled once; each item is one UTF-16 code unit.
class FrequencyBand
{
public:
    std::int32_t count() const { return static_cast<std::int32_t>(items_.size()); }
    // The item at 0-based `position`; SubscriptError outside the band.
    std::u16string item(std::int32_t position) const;
    // Appends the leftmost character of `row`.
    void append(std::u16string_view row) { items_ += row.substr(0, 1); }
    void reserve(std::size_t n) { items_.reserve(n); }
    std::u16string_view items() const { return items_; }

private:
    std::u16string items_;
};

// Band 0 holds the most frequent characters, band 12 the rarest.
using Bands = std::array<FrequencyBand, bandCount>;

struct InventoryTexts {
    std::u16string text1; // ranks 0 to 3560, rarest first
    std::u16string text2; // ranks 3561 to the most frequent
};

// The two embedded blocks as the program carries them, in GBK.
std::string_view embeddedText1Gbk();
std::string_view embeddedText2Gbk();

// The two embedded blocks, decoded from GBK.
InventoryTexts embeddedInventory();

// Joins the blocks, splits them into rows and fills the bands: band 0 takes every row from the
// most frequent down to rank 6000, band k (1..12) ranks 6499 − 500k down to 6000 − 500k.
// Throws InventoryError when there are fewer than 6000 rows.
Bands loadBands(std::u16string_view text1, std::u16string_view text2);

// The bands from the embedded blocks, decoded.
Bands embeddedBands();

// The bands' characters alone, band 0 first, each band in its own order: the inventory as the
// page carries it (a third of the blocks' bytes).
std::u16string bandCharacters(const Bands &bands);

// The bands back from bandCharacters' form: band 0 takes all but the last 6000 characters, every
// other band 500. Throws InventoryError when there are fewer than 6000.
Bands bandsFromCharacters(std::u16string_view characters);

} // namespace vorlank::inventory
