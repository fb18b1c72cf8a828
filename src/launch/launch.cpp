#include "launch.h"

#include "addresses.h"
#include "runtime/runtime.h"

namespace vorlank::launch
{

namespace
{
std::string ansi(const ShellValue &value)
{
    if (const auto *text = std::get_if<std::u16string>(&value))
        return runtime::encodeGbk(*text);
    return runtime::encodeGbk(runtime::decimalText(std::get<std::int32_t>(value)));
}

std::u16string widen(std::string_view ascii)
{
    return { ascii.begin(), ascii.end() };
}

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

constexpr std::u16string_view verb = u"open";
constexpr std::int32_t showNormal = 1;
} // namespace

ShellArguments shellArguments(std::u16string_view operation, const ShellValue &target,
    const ShellValue &parameters, const ShellValue &directory, std::int32_t showMode)
{
    return { runtime::encodeGbk(operation), ansi(target), ansi(parameters), ansi(directory),
        showMode };
}

HandOver shellOpen(Shell &shell, std::u16string_view operation, const ShellValue &target,
    const ShellValue &parameters, const ShellValue &directory, std::int32_t showMode)
{
    ShellArguments arguments = shellArguments(operation, target, parameters, directory, showMode);
    const bool opened = shell.execute(arguments);
    return { std::move(arguments.target), opened };
}

std::u16string lookupAddress(std::u16string_view character)
{
    return widen(addresses::dictionaryPrefix) + widen(percentEncoded(runtime::encodeGbk(character)))
        + widen(addresses::dictionarySuffix);
}

HandOver lookupCharacter(Shell &shell, std::u16string_view characterOnShow)
{
    return shellOpen(shell, verb, lookupAddress(characterOnShow), 0, 0, showNormal);
}

HandOver openProductPage(Shell &shell, Product product)
{
    const char *page
        = product == Product::First ? addresses::firstProductPage : addresses::secondProductPage;
    return shellOpen(shell, verb, widen(page), 0, 0, showNormal);
}

} // namespace vorlank::launch
