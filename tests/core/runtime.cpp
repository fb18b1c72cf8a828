#include "runtime/runtime.h"
#include "core_test.h"
#include "inventory/inventory.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <set>

using namespace vorlank;
using namespace vorlank::runtime;

TEST_SUITE("runtime")
{
    TEST_CASE("checked arithmetic at the 32-bit edges")
    {
        constexpr auto max = std::numeric_limits<std::int32_t>::max();
        constexpr auto min = std::numeric_limits<std::int32_t>::min();
        CHECK(checkedAdd(max - 1, 1) == max);
        CHECK_THROWS_AS(checkedAdd(max, 1), OverflowError);
        CHECK_THROWS_AS(checkedAdd(min, -1), OverflowError);
        CHECK(checkedSubtract(min + 1, 1) == min);
        CHECK_THROWS_AS(checkedSubtract(min, 1), OverflowError);
        CHECK_THROWS_AS(checkedSubtract(0, min), OverflowError);
        CHECK(checkedMultiply(29020049, 74) == 2147483626);
        CHECK_THROWS_AS(checkedMultiply(29020050, 74), OverflowError);
        CHECK_THROWS_AS(checkedMultiply(min, -1), OverflowError);
    }

    TEST_CASE("the split keeps the final empty piece")
    {
        const std::u16string text = u"a|1\r\nb|2\r\n";
        const auto pieces = splitAtCrLf(text);
        REQUIRE(pieces.size() == 3);
        CHECK(pieces[2].empty());
        CHECK(pieceAt(pieces, 1) == u"b|2");
        CHECK_THROWS_AS(pieceAt(pieces, 3), SubscriptError);
        CHECK_THROWS_AS(pieceAt(pieces, -1), SubscriptError);
        // A lone CR or LF is not a delimiter.
        CHECK(splitAtCrLf(u"a\rb\nc").size() == 1);
        CHECK(splitAtCrLf(u"").size() == 1);
    }

    TEST_CASE("decimal text and UTF-8")
    {
        CHECK(decimalText(6734) == u"6734");
        CHECK(decimalText(-5) == u"-5");
        CHECK(decimalText(1234567) == u"1234567"); // no grouping
        CHECK(toUtf8(u"a人😀") == "a\xE4\xBA\xBA\xF0\x9F\x98\x80");
    }

    TEST_CASE("the generator stays below one and reaches its top")
    {
        ClockRandom random;
        float highest = 0;
        bool inRange = true;
        for (int i = 0; i < 2'000'000; ++i) {
            const float r = random.next();
            inRange = inRange && r >= 0.0f && r < 1.0f;
            highest = std::max(highest, r);
        }
        CHECK(inRange);
        CHECK(highest > 0.999f);
    }

    TEST_CASE("reseeds within one clock tick do not repeat")
    {
        ClockRandom random;
        std::set<float> firsts;
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < 1000; ++i) {
            random.reseed();
            firsts.insert(random.next());
        }
        // 1000 reseeds take far less than a coarse clock tick; the values must still differ.
        CHECK(std::chrono::steady_clock::now() - start < std::chrono::seconds(1));
        CHECK(firsts.size() > 990);

        ClockRandom other;
        random.reseed();
        other.reseed();
        CHECK(random.next() != other.next()); // two generators started together differ
    }

    TEST_CASE("GBK both ways, on the platform's own converter")
    {
        // 弢 is 8F 7C in GBK: its second byte is the ASCII bar that separates a row's fields.
        const std::string bytes = "\xC8\xCB|1159\r\n\x8F\x7C|0\r\n";
        const std::u16string text = u"人|1159\r\n弢|0\r\n";
        CHECK(decodeGbk(bytes) == text);
        CHECK(encodeGbk(text) == bytes);
        CHECK(decodeGbk("").empty());
        CHECK(encodeGbk(u"").empty());
        // Every row of the embedded inventory survives the round trip byte for byte.
        for (const std::string_view block :
            { inventory::embeddedText1Gbk(), inventory::embeddedText2Gbk() })
            CHECK(encodeGbk(decodeGbk(block)) == block);
    }

    TEST_CASE("what is not GBK is named with its offset, never replaced")
    {
        struct Case {
            const char *what;
            std::string bytes; // decoded when not empty
            std::u16string text; // encoded otherwise
            std::string mention;
            std::size_t offset;
        };
        const Case cases[] = {
            { "an invalid trail byte", "ab\xC8\xCBx\x81\x20", u"", "offset 5", 5 },
            { "a byte that is no GBK at all", "\xC8\xCB\xFF", u"", "0xFF at offset 2", 2 },
            { "truncated at the end", "abc\xC8", u"", "offset 3", 3 },
            { "a character outside the BMP", "", u"人😀", "U+1F600 at offset 1", 1 },
            { "a character GBK lacks", "", u"ab한", "U+D55C at offset 2", 2 },
            { "a private-use character", "", u"人\uE000", "offset 1", 1 },
            // Code page 936 reads a lone 0x80 as the euro sign, GB18030 takes four-byte
            // sequences, and the euro sign has no GBK form: none of them is GBK.
            { "a lone 0x80", "a\x80", u"", "0x80 at offset 1", 1 },
            { "a four-byte GB18030 sequence", "a\x81\x30\x81\x30", u"", "offset 1", 1 },
            { "the euro sign", "", u"a\u20AC", "U+20AC at offset 1", 1 },
        };
        for (const Case &c : cases) {
            CAPTURE(c.what);
            try {
                if (c.bytes.empty())
                    encodeGbk(c.text);
                else
                    decodeGbk(c.bytes);
                FAIL("converted");
            } catch (const ConversionError &e) {
                CHECK(std::string(e.what()).find(c.mention) != std::string::npos);
                CHECK(e.offset == c.offset);
            }
        }
    }
}
