// The platform's GBK converter, whole-buffer and strict: code page 936 on Windows, the browser's
// TextDecoder in the page, iconv elsewhere. gbk.cpp builds the program's conversions and their
// error offsets on it, and refuses what is not GBK's shape whatever the converter takes.
#pragma once

#include <string>
#include <string_view>

namespace vorlank::runtime::codec
{

// False when any byte sequence of `bytes` is not GBK; `out` is then unspecified.
bool decode(std::string_view bytes, std::u16string &out);

// False when any character of `text` has no GBK form; `out` is then unspecified.
bool encode(std::u16string_view text, std::string &out);

} // namespace vorlank::runtime::codec
