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

std::u16string leftmostCharacter(std::u16string_view text)
{
    return std::u16string(text.substr(0, 1));
}

std::u16string middleCharacter(std::u16string_view text, std::int32_t start)
{
    if (start < 1 || static_cast<std::size_t>(start) > text.size())
        return {};
    return { text[static_cast<std::size_t>(start) - 1] };
}

std::u16string decimalText(std::int32_t value)
{
    const std::string digits = std::to_string(value);
    return { digits.begin(), digits.end() };
}

} // namespace vorlank::runtime
