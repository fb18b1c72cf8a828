// GBK conversion cases, in plain C++ so that the same program checks both converters: iconv
// here, and code page 936 when cross-built for Windows and run under Wine.
#include "inventory/inventory.h"
#include "runtime/runtime.h"

#include <cstdio>
#include <string>

using namespace vorlank;

namespace
{
int passed = 0;
int failed = 0;

void check(bool ok, const char *what)
{
    ++(ok ? passed : failed);
    if (!ok)
        std::printf("FAIL: %s\n", what);
}

// The offset a ConversionError names for `convert`, or -1 when it does not throw.
template <typename F> long errorOffset(F convert, const char *mustMention)
{
    try {
        convert();
    } catch (const runtime::ConversionError &e) {
        check(std::string(e.what()).find(mustMention) != std::string::npos, mustMention);
        return static_cast<long>(e.offset);
    }
    return -1;
}
} // namespace

int main()
{
    // 弢 is 8F 7C in GBK: its second byte is the ASCII bar that separates a row's fields.
    const std::string bytes = "\xC8\xCB|1159\r\n\x8F\x7C|0\r\n";
    const std::u16string text = u"人|1159\r\n弢|0\r\n";
    check(runtime::decodeGbk(bytes) == text, "decodes 人 and 弢");
    check(runtime::encodeGbk(text) == bytes, "encodes 人 and 弢");
    check(runtime::decodeGbk("").empty() && runtime::encodeGbk(u"").empty(), "empty text");

    // Every row of the embedded inventory survives the round trip byte for byte.
    for (const std::string_view block :
        { inventory::embeddedText1Gbk(), inventory::embeddedText2Gbk() })
        check(runtime::encodeGbk(runtime::decodeGbk(block)) == block, "inventory round trip");

    check(errorOffset([] { runtime::decodeGbk("ab\xC8\xCBx\x81\x20"); }, "offset 5") == 5,
        "invalid trail byte");
    check(errorOffset([] { runtime::decodeGbk("\xC8\xCB\xFF"); }, "0xFF at offset 2") == 2,
        "a byte that is no GBK at all");
    check(errorOffset([] { runtime::decodeGbk("abc\xC8"); }, "offset 3") == 3,
        "truncated at the end");
    check(errorOffset([] { runtime::encodeGbk(u"人😀"); }, "U+1F600 at offset 1") == 1,
        "a character outside the BMP");
    check(errorOffset([] { runtime::encodeGbk(u"ab한"); }, "U+D55C at offset 2") == 2,
        "a character GBK lacks is not replaced by a look-alike");
    check(errorOffset([] { runtime::encodeGbk(u"人\uE000"); }, "offset 1") == 1,
        "a private-use character");

    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
