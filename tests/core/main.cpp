// The core's suites: the same cases as a Linux program, a Windows program and a WebAssembly one.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include "core_test.h"

std::string utf8(std::u16string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size())
            c = 0x10000 + ((c - 0xD800) << 10U) + (text[++i] - 0xDC00U);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6U));
            out += static_cast<char>(0x80 | (c & 0x3FU));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12U));
            out += static_cast<char>(0x80 | ((c >> 6U) & 0x3FU));
            out += static_cast<char>(0x80 | (c & 0x3FU));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18U));
            out += static_cast<char>(0x80 | ((c >> 12U) & 0x3FU));
            out += static_cast<char>(0x80 | ((c >> 6U) & 0x3FU));
            out += static_cast<char>(0x80 | (c & 0x3FU));
        }
    }
    return out;
}
