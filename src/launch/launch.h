// Handing web addresses to the desktop: the dictionary look-up of the character on show and
// the pages of the two advertised programs. The program itself makes no network access.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <variant>

namespace vorlank::launch
{

// A text or a number; a number reaches the shell as its decimal text.
using ShellValue = std::variant<std::u16string, std::int32_t>;

// What the shell receives, every text in the program's ANSI code page (GBK).
struct ShellArguments {
    std::string operation;
    std::string target;
    std::string parameters;
    std::string directory;
    std::int32_t showMode = 0;
    bool operator==(const ShellArguments &) const = default;
};

// Converts the arguments as the shell call wants them. Throws runtime::ConversionError for text
// that GBK cannot carry.
ShellArguments shellArguments(std::u16string_view operation, const ShellValue &target,
    const ShellValue &parameters, const ShellValue &directory, std::int32_t showMode);

// The hand-over itself. Tests substitute a recorder; nothing in a test starts a browser.
class Shell
{
public:
    virtual ~Shell() = default;
    // Hands the address over without waiting for the browser; false when the desktop says at
    // once that it could not open it.
    virtual bool execute(const ShellArguments &arguments) = 0;

    // Told, on the window's thread, of a hand-over that execute accepted but that failed later
    // (a desktop opener that ends with an error), with the address it carried. One listener;
    // an empty one stops listening.
    using LateFailure = std::function<void(std::string_view target)>;
    void onLateFailure(LateFailure listener) { lateFailure_ = std::move(listener); }

protected:
    void reportLateFailure(std::string_view target) const
    {
        if (lateFailure_)
            lateFailure_(target);
    }

private:
    LateFailure lateFailure_;
};

// Windows' own shell: ShellExecuteA with the desktop window as parent; a result of 32 or less is
// a failure. Built on Windows only.
Shell &windowsShell();

// The address as the shell received it, and whether the desktop took it.
struct HandOver {
    std::string target;
    bool opened = false;
};

HandOver shellOpen(Shell &shell, std::u16string_view operation, const ShellValue &target,
    const ShellValue &parameters, const ShellValue &directory, std::int32_t showMode);

// The dictionary address for `character`: the dictionary reads its query in GBK, so the
// character's GBK bytes go in percent-encoded and the address is plain ASCII. ASCII reads the
// same in every ANSI code page, and a browser has nothing left to re-encode, so every desktop
// hands the dictionary the same bytes. Throws runtime::ConversionError for a character GBK
// cannot carry.
std::u16string lookupAddress(std::u16string_view character);

enum class Product { First, Second };

HandOver lookupCharacter(Shell &shell, std::u16string_view characterOnShow);
HandOver openProductPage(Shell &shell, Product product);

} // namespace vorlank::launch
