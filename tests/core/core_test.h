// What every suite of the core's tests shares: doctest, and the core's UTF-16 text printed as
// UTF-8 when a comparison fails.
#pragma once

#include "runtime/runtime.h"

#include <doctest.h>

#include <string>
#include <string_view>

inline std::string utf8(std::u16string_view text)
{
    return vorlank::runtime::toUtf8(text);
}

namespace doctest
{
template <> struct StringMaker<std::u16string> {
    static String convert(const std::u16string &text) { return ('"' + utf8(text) + '"').c_str(); }
};
template <> struct StringMaker<std::u16string_view> {
    static String convert(std::u16string_view text) { return ('"' + utf8(text) + '"').c_str(); }
};
} // namespace doctest
