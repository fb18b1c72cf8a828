// Handing web addresses to the desktop: the dictionary look-up of the character on show and
// the pages of the two advertised programs. The program itself makes no network access.
#pragma once

#include <cstdint>
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
    // Hands the address over; false only when the desktop says it could not open it.
    virtual bool execute(const ShellArguments &arguments) = 0;
};

// Windows' own shell: ShellExecuteA with the desktop window as parent. Its result is not
// examined, so it always reports success. Built on Windows only.
Shell &windowsShell();

// The address as the shell received it, in GBK, and whether the desktop took it.
struct HandOver {
    std::string target;
    bool opened = false;
};

HandOver shellOpen(Shell &shell, std::u16string_view operation, const ShellValue &target,
    const ShellValue &parameters, const ShellValue &directory, std::int32_t showMode);

// The dictionary address for `character`, unescaped; the shell gets it in GBK.
std::u16string lookupAddress(std::u16string_view character);

// The form of a GBK address that a URL can carry: every byte of every non-ASCII character is
// percent-encoded, trail bytes that look like ASCII ("|", "[", "\\", ...) included; the ASCII
// characters of the address stay as they are.
std::string percentEncodeAnsi(std::string_view ansi);

enum class Product { First, Second };

HandOver lookupCharacter(Shell &shell, std::u16string_view characterOnShow);
HandOver openProductPage(Shell &shell, Product product);

} // namespace vorlank::launch
