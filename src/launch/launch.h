// Handing web addresses to the desktop: the dictionary look-up of the character on show and
// the pages of the two advertised programs. The program itself makes no network access. Every
// address is plain ASCII from the moment it is built to the moment the shell receives it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vorlank::launch
{

// The arguments every hand-over passes besides the address: Windows' shell receives them as
// they stand ("open", the callers' number 0 as its decimal text twice, and show mode 1).
inline constexpr char openVerb[] = "open";
inline constexpr char noParameters[] = "0";
inline constexpr char noDirectory[] = "0";
inline constexpr std::int32_t showNormally = 1;

// What the shell receives, every text ASCII.
struct ShellArguments {
    std::string operation = openVerb;
    std::string target; // the address
    std::string parameters = noParameters;
    std::string directory = noDirectory;
    std::int32_t showMode = showNormally;
    bool operator==(const ShellArguments &) const = default;
};

// The hand-over itself, one per platform beside its window. Tests substitute a recorder; nothing
// in a test starts a browser.
class Shell
{
public:
    // Told, on the window's thread, of a hand-over that execute accepted but that failed later (a
    // desktop opener that ends with an error), with the address it carried.
    using LateFailure = std::function<void(std::string_view address)>;

    virtual ~Shell() = default;
    // Hands the address over without waiting for the browser; false when the desktop says at
    // once that it could not open it. A shell that can learn of a failure later calls
    // `lateFailure`, which belongs to the window that asked and knows whether it still exists.
    virtual bool execute(const ShellArguments &arguments, LateFailure lateFailure) = 0;
};

// The address as the shell received it, and whether the desktop took it.
struct HandOver {
    std::string target;
    bool opened = false;
};

// Hands `address` to the shell with the fixed arguments above.
HandOver shellOpen(Shell &shell, std::string address, Shell::LateFailure lateFailure);

// The dictionary address for `character`: the dictionary reads its query in GBK, so the
// character's GBK bytes go in percent-encoded and the address is plain ASCII. ASCII reads the
// same in every ANSI code page, and a browser has nothing left to re-encode, so every desktop
// hands the dictionary the same bytes. Throws runtime::ConversionError for a character GBK
// cannot carry.
std::string lookupAddress(std::u16string_view character);

enum class Product { First, Second };

// The page of an advertised program.
std::string_view productPage(Product product);

HandOver lookupCharacter(
    Shell &shell, std::u16string_view characterOnShow, Shell::LateFailure lateFailure);
HandOver openProductPage(Shell &shell, Product product, Shell::LateFailure lateFailure);

} // namespace vorlank::launch
