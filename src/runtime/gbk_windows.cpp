// GBK through Windows' own code page 936, strict in both directions: invalid bytes fail the
// decoding, and a character without a GBK form fails the encoding instead of becoming "?".
#include "gbk_codec.h"

#include <windows.h>

namespace vorlank::runtime::codec
{

namespace
{
constexpr UINT gbk = 936;
}

bool decode(std::string_view bytes, std::u16string &out)
{
    out.clear();
    if (bytes.empty())
        return true;
    const int size = static_cast<int>(bytes.size());
    const int length
        = MultiByteToWideChar(gbk, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (length <= 0)
        return false;
    out.resize(static_cast<std::size_t>(length));
    return MultiByteToWideChar(gbk, MB_ERR_INVALID_CHARS, bytes.data(), size,
               reinterpret_cast<wchar_t *>(out.data()), length)
        == length;
}

bool encode(std::u16string_view text, std::string &out)
{
    out.clear();
    if (text.empty())
        return true;
    const auto *wide = reinterpret_cast<const wchar_t *>(text.data());
    const int size = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(
        gbk, WC_NO_BEST_FIT_CHARS, wide, size, nullptr, 0, nullptr, &usedDefault);
    if (length <= 0 || usedDefault)
        return false;
    out.resize(static_cast<std::size_t>(length));
    return WideCharToMultiByte(
               gbk, WC_NO_BEST_FIT_CHARS, wide, size, out.data(), length, nullptr, &usedDefault)
        == length
        && !usedDefault;
}

} // namespace vorlank::runtime::codec
