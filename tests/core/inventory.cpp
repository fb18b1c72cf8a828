#include "inventory/inventory.h"
#include "core_test.h"
#include "runtime/runtime.h"

#include <algorithm>
#include <iterator>
#include <set>
#include <tuple>
#include <vector>

using namespace vorlank;
using namespace vorlank::inventory;

namespace
{
struct Row {
    char16_t character;
    int count;
};

std::vector<Row> rowsOf(std::u16string_view joined)
{
    std::vector<Row> rows;
    const auto pieces = runtime::splitAtCrLf(joined);
    for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
        int count = 0;
        for (const char16_t digit : pieces[i].substr(2))
            count = count * 10 + (digit - u'0');
        rows.push_back({ pieces[i][0], count });
    }
    return rows;
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

// GB2312 is the part of GBK whose two bytes both lie in A1..FE.
bool inGb2312(char16_t c)
{
    const std::string bytes = runtime::encodeGbk(std::u16string(1, c));
    return bytes.size() == 2 && std::all_of(bytes.begin(), bytes.end(), [](char b) {
        return static_cast<unsigned char>(b) >= 0xA1 && static_cast<unsigned char>(b) <= 0xFE;
    });
}

const InventoryTexts &texts()
{
    static const InventoryTexts embedded = embeddedInventory();
    return embedded;
}
} // namespace

TEST_SUITE("inventory")
{
    TEST_CASE("the committed blocks have their documented shape and facts")
    {
        CHECK(embeddedText1Gbk().size() == 21366);
        CHECK(embeddedText2Gbk().size() == 22188);
        CHECK(rowsOf(texts().text1).size() == 3561);
        const std::vector<Row> rows = rowsOf(texts().text1 + texts().text2);
        REQUIRE(rows.size() == 6730);

        std::set<char16_t> seen;
        std::u16string outsideGb2312;
        int zeros = 0;
        bool ascending = true;
        for (std::size_t rank = 0; rank < rows.size(); ++rank) {
            CHECK(seen.insert(rows[rank].character).second);
            ascending = ascending && (rank == 0 || rows[rank - 1].count <= rows[rank].count);
            zeros += rows[rank].count == 0;
            if (!inGb2312(rows[rank].character))
                outsideGb2312 += rows[rank].character;
        }
        CHECK(ascending);
        CHECK(outsideGb2312 == u"弢");
        CHECK(zeros == 1305);
        const Row telling[] = {
            { u'亻', 0 }, // rank 0
            { u'冂', 0 }, { u'凵', 0 }, { u'勹', 0 }, { u'厶', 0 },
            { u'镶', 5 }, // 3560, the last of the first block
            { u'乃', 6 }, // 3561, the first of the second
            { u'一', 905 }, // 6725
            { u'大', 1086 }, { u'人', 1159 }, { u'子', 1401 }, { u'不', 1440 }, // 6729
        };
        const std::size_t ranks[] = { 0, 1, 2, 3, 4, 3560, 3561, 6725, 6726, 6727, 6728, 6729 };
        for (std::size_t i = 0; i < std::size(ranks); ++i) {
            CAPTURE(ranks[i]);
            CHECK(rows[ranks[i]].character == telling[i].character);
            CHECK(rows[ranks[i]].count == telling[i].count);
        }
    }

    TEST_CASE("the bands follow the band table")
    {
        const std::vector<Row> rows = rowsOf(texts().text1 + texts().text2);
        const Bands bands = loadBands(texts().text1, texts().text2);
        // first appended, last appended, count of the first and of the last row
        const std::tuple<char16_t, char16_t, int, int> table[] = {
            { u'不', u'圈', 1440, 73 },
            { u'索', u'臭', 73, 40 },
            { u'继', u'仿', 40, 24 },
            { u'份', u'扁', 24, 14 },
            { u'峡', u'炕', 14, 9 },
            { u'帛', u'嗝', 9, 5 },
            { u'颊', u'甄', 5, 3 },
            { u'瑜', u'犄', 3, 2 },
            { u'滁', u'嘹', 2, 1 },
            { u'龇', u'栀', 1, 1 },
            { u'柽', u'锴', 1, 0 },
            { u'銎', u'轼', 0, 0 },
            { u'軎', u'亻', 0, 0 },
        };
        std::u16string all;
        for (int b = 0; b < bandCount; ++b) {
            CAPTURE(b);
            const auto &[first, last, firstCount, lastCount] = table[b];
            const FrequencyBand &band = bands[static_cast<std::size_t>(b)];
            CHECK(band.count() == (b == 0 ? 730 : 500));
            CHECK(band.item(0) == std::u16string(1, first));
            CHECK(band.item(band.count() - 1) == std::u16string(1, last));
            const int high = b == 0 ? 6729 : 6499 - 500 * b;
            CHECK(rows[static_cast<std::size_t>(high)].count == firstCount);
            CHECK(rows[static_cast<std::size_t>(high - band.count() + 1)].count == lastCount);
            all += band.items();
        }
        // Every row lands exactly once, most frequent first: the reverse of the inventory.
        std::u16string expected;
        for (const Row &row : rows)
            expected += row.character;
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
    }
}
