// Handing web addresses to the desktop: the dictionary look-up of the character on show and
// the pages of the two advertised programs. The program itself makes no network access.
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <cstdint>
#include <variant>

namespace vorlank::launch
{

// A text or a number; a number reaches the shell as its decimal text.
using ShellValue = std::variant<QString, std::int32_t>;

// What the shell receives, every text in the program's ANSI code page (GBK).
struct ShellArguments {
    QByteArray operation;
    QByteArray target;
    QByteArray parameters;
    QByteArray directory;
    std::int32_t showMode = 0;
    bool operator==(const ShellArguments &) const = default;
};

ShellArguments shellArguments(const QString &operation, const ShellValue &target,
    const ShellValue &parameters, const ShellValue &directory, std::int32_t showMode);

// The hand-over itself. Tests substitute a recorder; nothing in a test starts a browser.
class Shell
{
public:
    virtual ~Shell() = default;
    virtual void execute(const ShellArguments &arguments) = 0;
};

// The desktop's shell: ShellExecuteA on Windows, the default browser through Qt elsewhere.
Shell &desktopShell();

void shellOpen(Shell &shell, const QString &operation, const ShellValue &target,
    const ShellValue &parameters, const ShellValue &directory, std::int32_t showMode);

// The dictionary address for `character`, unescaped; the shell gets it in GBK.
QString lookupAddress(const QString &character);

// A URL cannot carry raw bytes: bytes above 0x7F are percent-encoded, every other byte stays.
QUrl urlFromAnsi(const QByteArray &address);

enum class Product { First, Second };

void lookupCharacter(Shell &shell, const QString &characterOnShow);
void openProductPage(Shell &shell, Product product);

} // namespace vorlank::launch
