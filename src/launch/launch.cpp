#include "launch.h"

#include "addresses.h"
#include "runtime/runtime.h"

namespace vorlank::launch
{

namespace
{
// A query value's bytes as a URL carries them: every byte percent-encoded, so that a GBK trail
// byte that looks like ASCII ("|", "[", "\\", ...) cannot be read as part of the URL.
std::string percentEncoded(std::string_view bytes)
{
    constexpr char digits[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        encoded += '%';
        encoded += digits[byte >> 4U];
        encoded += digits[byte & 0xFU];
    }
    return encoded;
}
} // namespace

std::string lookupAddress(std::u16string_view character)
{
    return addresses::dictionaryPrefix + percentEncoded(runtime::encodeGbk(character))
        + addresses::dictionarySuffix;
}

} // namespace vorlank::launch
