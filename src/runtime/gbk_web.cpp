// GBK through the browser's own converter, the Encoding Standard's: TextDecoder("gbk") decodes;
// encoding takes its reverse, read off the decoder once, on first use. The standard's decoder
// also takes GB18030's four-byte sequences and reads 0x80 as the euro sign; neither is GBK, so
// both are refused here, as the other platforms' converters refuse them.
#include "gbk_codec.h"

#include <emscripten.h>

#include <algorithm>

namespace vorlank::runtime::codec
{

namespace
{
// The formatter would take the JavaScript below for C++ and break it.
// clang-format off

// Decodes `size` bytes into at most `size` UTF-16 units at `out`; the count, or -1.
EM_JS(int, decodeInBrowser, (const char *bytes, int size, char16_t *out), {
    let text;
    try {
        text = new TextDecoder("gbk", { fatal: true }).decode(HEAPU8.subarray(bytes, bytes + size));
    } catch (notGbk) {
        return -1;
    }
    for (let i = 0; i < text.length; ++i)
        HEAPU16[(out >> 1) + i] = text.charCodeAt(i);
    return text.length;
});

// Encodes `size` UTF-16 units into at most twice as many bytes at `out`; the count, or -1.
EM_JS(int, encodeInBrowser, (const char16_t *text, int size, char *out), {
    if (!Module.gbkBytes) {
        // Every two-byte code the decoder knows, lead 81..FE and trail 40..FE but 7F, decoded in
        // one go: each gives exactly one character. The first code of a character wins.
        const codes = [];
        for (let lead = 0x81; lead <= 0xFE; ++lead)
            for (let trail = 0x40; trail <= 0xFE; ++trail)
                if (trail !== 0x7F)
                    codes.push(lead, trail);
        const decoded = new TextDecoder("gbk").decode(new Uint8Array(codes));
        Module.gbkBytes = new Map();
        for (let i = 0; i < decoded.length && 2 * i < codes.length; ++i)
            if (!Module.gbkBytes.has(decoded.charCodeAt(i)))
                Module.gbkBytes.set(decoded.charCodeAt(i), codes[2 * i] << 8 | codes[2 * i + 1]);
    }
    let n = 0;
    for (let i = 0; i < size; ++i) {
        const unit = HEAPU16[(text >> 1) + i];
        if (unit < 0x80) {
            HEAPU8[out + n++] = unit;
            continue;
        }
        const code = Module.gbkBytes.get(unit);
        if (code === undefined)
            return -1;
        HEAPU8[out + n++] = code >> 8;
        HEAPU8[out + n++] = code & 0xFF;
    }
    return n;
});

// clang-format on

} // namespace

bool decode(std::string_view bytes, std::u16string &out)
{
    out.resize(bytes.size());
    const int length = decodeInBrowser(bytes.data(), static_cast<int>(bytes.size()), out.data());
    out.resize(static_cast<std::size_t>(std::max(length, 0)));
    return length >= 0;
}

bool encode(std::u16string_view text, std::string &out)
{
    out.resize(text.size() * 2);
    const int length = encodeInBrowser(text.data(), static_cast<int>(text.size()), out.data());
    out.resize(static_cast<std::size_t>(std::max(length, 0)));
    return length >= 0;
}

} // namespace vorlank::runtime::codec
