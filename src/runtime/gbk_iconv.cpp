// GBK through the C library's iconv: always present with glibc, strict (it stops at the first
// sequence it cannot convert instead of substituting), and kept up to date with the system.
#include "gbk_codec.h"

#include <iconv.h>

#include <bit>

namespace vorlank::runtime::codec
{

namespace
{
constexpr const char *utf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

// Runs `from` through a fresh converter into `out`, which is grown as needed.
template <typename Out>
bool convert(const char *to, const char *fromCode, const char *from, std::size_t size, Out &out)
{
    // NOLINTNEXTLINE(performance-no-int-to-ptr): iconv's own error value
    const auto failed = reinterpret_cast<iconv_t>(-1);
    iconv_t cd = iconv_open(to, fromCode);
    if (cd == failed)
        return false;
    std::string buffer(size * 4 + 8, '\0');
    char *in = const_cast<char *>(from); // iconv's signature; the input is not written
    std::size_t inLeft = size;
    char *outPtr = buffer.data();
    std::size_t outLeft = buffer.size();
    const bool ok = iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1)
        && iconv(cd, nullptr, nullptr, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    if (!ok)
        return false;
    const std::size_t written = buffer.size() - outLeft;
    out.assign(reinterpret_cast<const typename Out::value_type *>(buffer.data()),
        written / sizeof(typename Out::value_type));
    return true;
}
} // namespace

bool decode(std::string_view bytes, std::u16string &out)
{
    return convert(utf16, "GBK", bytes.data(), bytes.size(), out);
}

bool encode(std::u16string_view text, std::string &out)
{
    return convert("GBK", utf16, reinterpret_cast<const char *>(text.data()),
        text.size() * sizeof(char16_t), out);
}

} // namespace vorlank::runtime::codec
