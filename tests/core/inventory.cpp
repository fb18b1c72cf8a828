#include "inventory/inventory.h"
#include "core_test.h"
#include "runtime/runtime.h"

#include <algorithm>

using namespace vorlank;
using namespace vorlank::inventory;

namespace
{
// The rows' characters, rank 0 (the rarest) first.
std::u16string charactersOf(std::u16string_view joined)
{
    std::u16string characters;
    const auto pieces = runtime::splitAtCrLf(joined);
    for (std::size_t i = 0; i + 1 < pieces.size(); ++i)
        characters += pieces[i][0];
    return characters;
}

// The same rows with every count replaced: the bands must not notice.
std::u16string withOtherCounts(std::u16string_view text)
{
    std::u16string out;
    const auto pieces = runtime::splitAtCrLf(text);
    for (std::size_t i = 0; i + 1 < pieces.size(); ++i)
        out.append(pieces[i].substr(0, 1))
            .append(u"|")
            .append(runtime::decimalText(static_cast<std::int32_t>((i * 7919) % 100000)))
            .append(u"\r\n");
    return out;
}

std::u16string syntheticInventory(int rows)
{
    std::u16string text;
    for (int i = 0; i < rows; ++i)
        text += static_cast<char16_t>(0x4E00 + i) + std::u16string(u"|0\r\n");
    return text;
}

const InventoryTexts &texts()
{
    static const InventoryTexts embedded = embeddedInventory();
    return embedded;
}
} // namespace

TEST_SUITE("inventory")
{
    // The data's own facts (its size, order, counts and telling rows) are the generator's to
    // assert, and tools/make-inventory --check keeps the committed blocks to its output.
    TEST_CASE("the bands follow the band table")
    {
        const Bands bands = loadBands(texts().text1, texts().text2);
        const std::u16string_view firsts = u"不索继份峡帛颊瑜滁龇柽銎軎";
        const std::u16string_view lasts = u"圈臭仿扁炕嗝甄犄嘹栀锴轼亻";
        std::u16string all;
        for (std::size_t b = 0; b < bands.size(); ++b) {
            CAPTURE(b);
            CHECK(bands[b].count() == (b == 0 ? 730 : 500));
            CHECK(bands[b].item(0) == firsts.substr(b, 1));
            CHECK(bands[b].item(bands[b].count() - 1) == lasts.substr(b, 1));
            all += bands[b].items();
        }
        // Every row lands exactly once, most frequent first: the reverse of the inventory.
        std::u16string expected = charactersOf(texts().text1 + texts().text2);
        std::reverse(expected.begin(), expected.end());
        CHECK(all == expected);
        CHECK_THROWS_AS(bands[1].item(500), runtime::SubscriptError);

        // The rows either side of the blocks' boundary stay two, both in band 5.
        const std::u16string_view band5 = bands[5].items();
        const std::size_t nai = band5.find(u'乃');
        REQUIRE(nai != std::u16string_view::npos);
        CHECK(band5[nai + 1] == u'镶');
        CHECK(band5.find_first_of(u"|\r\n") == std::u16string_view::npos);
    }

    TEST_CASE("counts have no effect on the bands")
    {
        const Bands original = loadBands(texts().text1, texts().text2);
        const Bands recounted
            = loadBands(withOtherCounts(texts().text1), withOtherCounts(texts().text2));
        for (std::size_t b = 0; b < original.size(); ++b)
            CHECK(recounted[b].items() == original[b].items());
    }

    TEST_CASE("too short an inventory is rejected")
    {
        CHECK_THROWS_AS(loadBands(syntheticInventory(5999), u""), InventoryError);
        CHECK_THROWS_AS(loadBands(u"", u""), InventoryError);
        const Bands bands = loadBands(syntheticInventory(6000), u"");
        CHECK(bands[0].count() == 0); // band 0 takes whatever lies above rank 5999
        CHECK(bands[12].count() == 500);
        CHECK_THROWS_AS(bandsFromCharacters(std::u16string(5999, u'一')), InventoryError);
    }

    TEST_CASE("the page's form of the inventory gives back the same bands")
    {
        const Bands original = loadBands(texts().text1, texts().text2);
        const std::u16string characters = bandCharacters(original);
        CHECK(characters.size() == 6730);
        const Bands back = bandsFromCharacters(characters);
        for (std::size_t b = 0; b < original.size(); ++b)
            CHECK(back[b].items() == original[b].items());
    }
}
