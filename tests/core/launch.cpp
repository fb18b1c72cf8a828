#include "launch/launch.h"
#include "core_test.h"
#include "inventory/inventory.h"
#include "launch/addresses.h"
#include "runtime/runtime.h"

using namespace vorlank;
using namespace vorlank::launch;

namespace
{
constexpr std::string_view lookupOfRen = "https://dict.baidu.com/s?wd=%C8%CB&select=0&tn=qorvex_pg";

// The bytes of a run of %XX escapes; empty when `escaped` is anything else.
std::string unescaped(std::string_view escaped)
{
    const auto digit = [](char c) {
        return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    };
    std::string bytes;
    for (std::size_t i = 0; i + 3 <= escaped.size(); i += 3) {
        if (escaped[i] != '%' || digit(escaped[i + 1]) < 0 || digit(escaped[i + 2]) < 0)
            return {};
        bytes += static_cast<char>(digit(escaped[i + 1]) * 16 + digit(escaped[i + 2]));
    }
    return escaped.size() % 3 == 0 ? bytes : std::string();
}
} // namespace

TEST_SUITE("launch")
{
    // The dictionary reads its query as GBK. The address carries the character's GBK bytes
    // percent-encoded, so it is plain ASCII: the same bytes on every ANSI code page and in every
    // browser, which would re-encode raw text as UTF-8.
    TEST_CASE("the look-up address carries the character's GBK bytes percent-encoded")
    {
        CHECK(lookupAddress(u"人") == lookupOfRen);
        // A character GBK cannot carry is refused with the runtime's clear error.
        CHECK_THROWS_AS(lookupAddress(u"\U0001F600"), runtime::ConversionError);
        // An empty query is the prefix and the suffix.
        CHECK(lookupAddress(u"")
            == std::string(addresses::dictionaryPrefix) + addresses::dictionarySuffix);
    }

    // 弢 is 8F 7C in GBK, and 7C is "|": a URL must carry both bytes escaped. So must every other
    // character of the inventory, whatever its trail byte looks like.
    TEST_CASE("every character gives an address that decodes back to it")
    {
        const std::string prefix = addresses::dictionaryPrefix;
        const std::string suffix = addresses::dictionarySuffix;
        CHECK(lookupAddress(u"弢") == prefix + "%8F%7C" + suffix);
        const auto texts = inventory::embeddedInventory();
        int checked = 0;
        for (const std::u16string &block : { texts.text1, texts.text2 }) {
            for (const std::u16string_view row : runtime::splitAtCrLf(block)) {
                if (row.empty())
                    continue;
                const std::u16string character(row.substr(0, 1));
                const std::string address = lookupAddress(character);
                const bool framed = address.starts_with(prefix) && address.ends_with(suffix);
                const std::string query = framed
                    ? address.substr(prefix.size(), address.size() - prefix.size() - suffix.size())
                    : std::string();
                const std::string bytes = unescaped(query);
                if (bytes.empty() || runtime::decodeGbk(bytes) != character) {
                    CAPTURE(address);
                    FAIL("not the character's GBK bytes, escaped");
                }
                ++checked;
            }
        }
        CHECK(checked == 6730);
    }
}
