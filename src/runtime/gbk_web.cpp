// GBK through the browser's own converter, the Encoding Standard's (gbk_web.js). The standard's
// decoder also takes GB18030's four-byte sequences and reads 0x80 as the euro sign; neither is
// GBK, and gbk.cpp refuses both, as on every platform.
#include "gbk_codec.h"

#include <algorithm>

extern "C" {
// In gbk_web.js: the counts written, or -1. The decoded text comes as UTF-8.
int vorlank_gbk_decode(const char *bytes, int size, char *out, int capacity);
int vorlank_gbk_encode(const char16_t *text, int size, char *out);
}

namespace vorlank::runtime::codec
{

namespace
{
// The browser's UTF-8, which is well formed, as UTF-16.
std::u16string fromUtf8(std::string_view utf8)
{
    std::u16string text;
    text.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i++]);
        const int more = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
        char32_t c = more == 0 ? lead : lead & (0x3FU >> more);
        for (int k = 0; k < more && i < utf8.size(); ++k)
            c = (c << 6U) | (static_cast<unsigned char>(utf8[i++]) & 0x3FU);
        if (c >= 0x10000) {
            text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10U));
            text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FFU));
        } else {
            text += static_cast<char16_t>(c);
        }
    }
    return text;
}
} // namespace

bool decode(std::string_view bytes, std::u16string &out)
{
    // No byte gives more than three bytes of UTF-8 (a lone 0x80, the euro sign, does).
    std::string utf8(bytes.size() * 3, '\0');
    const int length = vorlank_gbk_decode(
        bytes.data(), static_cast<int>(bytes.size()), utf8.data(), static_cast<int>(utf8.size()));
    if (length < 0)
        return false;
    utf8.resize(static_cast<std::size_t>(length));
    out = fromUtf8(utf8);
    return true;
}

bool encode(std::u16string_view text, std::string &out)
{
    out.resize(text.size() * 2);
    const int length = vorlank_gbk_encode(text.data(), static_cast<int>(text.size()), out.data());
    out.resize(static_cast<std::size_t>(std::max(length, 0)));
    return length >= 0;
}

} // namespace vorlank::runtime::codec
