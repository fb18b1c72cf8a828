// GBK on top of the platform's converter. Converters differ in what they let through (some map
// stray bytes to private-use characters), so every result is checked here the same way and, on
// failure, the offending unit is found by converting one unit at a time.
#include "gbk_codec.h"
#include "runtime.h"

#include <algorithm>

namespace vorlank::runtime
{

namespace
{
bool isSubstitute(char16_t u)
{
    return u == 0xFFFD || (u >= 0xE000 && u <= 0xF8FF);
}

// GBK's shape: single bytes below 0x80, and pairs of a lead byte 0x81..0xFE and a trail byte
// 0x40..0xFE but 0x7F. Converters that read code page 936 or GB18030 also take a lone 0x80 (the
// euro sign) and four-byte sequences, whose second byte is a digit: neither is GBK.
bool hasGbkShape(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80)
            continue;
        if (lead == 0x80 || lead == 0xFF || i + 1 == bytes.size())
            return false;
        const auto trail = static_cast<unsigned char>(bytes[++i]);
        if (trail < 0x40 || trail == 0x7F || trail == 0xFF)
            return false;
    }
    return true;
}

bool decodesCleanly(std::string_view bytes, std::u16string &out)
{
    return hasGbkShape(bytes) && codec::decode(bytes, out)
        && std::none_of(out.begin(), out.end(), isSubstitute);
}

bool encodesCleanly(std::u16string_view text, std::string &out)
{
    return std::none_of(text.begin(), text.end(), isSubstitute) && codec::encode(text, out)
        && hasGbkShape(out);
}

// `value` in at least `digits` upper-case hexadecimal digits.
std::string hex(unsigned value, int digits)
{
    std::string out;
    for (; digits > 0 || value != 0; --digits, value >>= 4U)
        out.insert(out.begin(), "0123456789ABCDEF"[value & 0xFU]);
    return out;
}

// What is wrong with bytes that are not GBK: the first unit that is not. A GBK unit is one byte
// below 0x80, or a lead byte 0x81..0xFE and its trail byte. (Unused where errors stop the
// program instead.)
[[maybe_unused]] ConversionError decodeError(std::string_view bytes)
{
    std::size_t i = 0;
    std::u16string one;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t length = lead >= 0x81 && lead <= 0xFE ? 2 : 1;
        if (i + length > bytes.size() || !decodesCleanly(bytes.substr(i, length), one)
            || one.size() != 1)
            break;
        i += length;
    }
    const unsigned byte = i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0U;
    return { "not GBK: byte 0x" + hex(byte, 2) + " at offset " + std::to_string(i), i };
}

// What is wrong with text that GBK cannot carry: its first character that has no GBK form.
[[maybe_unused]] ConversionError encodeError(std::u16string_view text)
{
    std::string ignored;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool pair = startsPair(text, i);
        const std::size_t length = pair ? 2 : 1;
        if (!encodesCleanly(text.substr(i, length), ignored)) {
            const char32_t c
                = pair ? 0x10000 + ((text[i] - 0xD800U) << 10U) + (text[i + 1] - 0xDC00U) : text[i];
            return { "no GBK form for U+" + hex(c, 4) + " at offset " + std::to_string(i), i };
        }
        i += length - 1;
    }
    return { "GBK encoding failed", 0 };
}
} // namespace

std::u16string decodeGbk(std::string_view bytes)
{
    std::u16string text;
    if (!decodesCleanly(bytes, text))
        VORLANK_RAISE(decodeError(bytes));
    return text;
}

std::string encodeGbk(std::u16string_view text)
{
    std::string bytes;
    if (!encodesCleanly(text, bytes))
        VORLANK_RAISE(encodeError(text));
    return bytes;
}

} // namespace vorlank::runtime
