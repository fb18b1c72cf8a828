#include "runtime.h"

namespace vorlank::runtime
{

std::vector<std::u16string_view> splitAtCrLf(std::u16string_view text)
{
    constexpr std::u16string_view delimiter = u"\r\n";
    std::vector<std::u16string_view> pieces;
    std::size_t start = 0;
    for (std::size_t at = text.find(delimiter); at != std::u16string_view::npos;
         at = text.find(delimiter, start)) {
        pieces.push_back(text.substr(start, at - start));
        start = at + delimiter.size();
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

// By hand: the standard facet for it (codecvt<char16_t, char8_t>) is missing from the browser
// build's C++ library, and the one for char is deprecated.
std::string toUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size() * 3);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (startsPair(text, i))
            c = 0x10000 + ((c - 0xD800) << 10U) + (text[++i] - 0xDC00U);
        else if (c >= 0xD800 && c <= 0xDFFF)
            c = 0xFFFD; // half a pair: UTF-8 cannot carry it
        const auto byte = [&](char32_t value) { out += static_cast<char>(value); };
        if (c < 0x80) {
            byte(c);
        } else if (c < 0x800) {
            byte(0xC0 | (c >> 6U));
            byte(0x80 | (c & 0x3FU));
        } else if (c < 0x10000) {
            byte(0xE0 | (c >> 12U));
            byte(0x80 | ((c >> 6U) & 0x3FU));
            byte(0x80 | (c & 0x3FU));
        } else {
            byte(0xF0 | (c >> 18U));
            byte(0x80 | ((c >> 12U) & 0x3FU));
            byte(0x80 | ((c >> 6U) & 0x3FU));
            byte(0x80 | (c & 0x3FU));
        }
    }
    return out;
}

std::u16string decimalText(std::int32_t value)
{
    const std::string digits = std::to_string(value);
    return { digits.begin(), digits.end() };
}

} // namespace vorlank::runtime
