// GBK through the browser's own converter, the Encoding Standard's (gbk_web.js). The standard's
// decoder also takes GB18030's four-byte sequences and reads 0x80 as the euro sign; neither is
// GBK, and gbk.cpp refuses both, as on every platform.
#include "gbk_codec.h"

#include <algorithm>

extern "C" {
// In gbk_web.js: the counts written, or -1.
int vorlank_gbk_decode(const char *bytes, int size, char16_t *out);
int vorlank_gbk_encode(const char16_t *text, int size, char *out);
}

namespace vorlank::runtime::codec
{

bool decode(std::string_view bytes, std::u16string &out)
{
    out.resize(bytes.size());
    const int length = vorlank_gbk_decode(bytes.data(), static_cast<int>(bytes.size()), out.data());
    out.resize(static_cast<std::size_t>(std::max(length, 0)));
    return length >= 0;
}

bool encode(std::u16string_view text, std::string &out)
{
    out.resize(text.size() * 2);
    const int length = vorlank_gbk_encode(text.data(), static_cast<int>(text.size()), out.data());
    out.resize(static_cast<std::size_t>(std::max(length, 0)));
    return length >= 0;
}

} // namespace vorlank::runtime::codec
