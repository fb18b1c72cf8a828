#include "launch.h"

#include "addresses.h"
#include "runtime/runtime.h"

namespace vorlank::launch
{

namespace
{
QByteArray ansi(const ShellValue &value)
{
    if (const auto *text = std::get_if<QString>(&value))
        return runtime::encodeGbk(*text);
    return runtime::encodeGbk(runtime::decimalText(std::get<std::int32_t>(value)));
}

constexpr auto verb = "open";
constexpr std::int32_t showNormal = 1;
} // namespace

ShellArguments shellArguments(const QString &operation, const ShellValue &target,
    const ShellValue &parameters, const ShellValue &directory, std::int32_t showMode)
{
    return { runtime::encodeGbk(operation), ansi(target), ansi(parameters), ansi(directory),
        showMode };
}

void shellOpen(Shell &shell, const QString &operation, const ShellValue &target,
    const ShellValue &parameters, const ShellValue &directory, std::int32_t showMode)
{
    shell.execute(shellArguments(operation, target, parameters, directory, showMode));
}

QString lookupAddress(const QString &character)
{
    return QLatin1String(addresses::dictionaryPrefix) + character
        + QLatin1String(addresses::dictionarySuffix);
}

QUrl urlFromAnsi(const QByteArray &address)
{
    QByteArray encoded;
    encoded.reserve(address.size() * 3);
    for (const char c : address) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += QByteArray::number(byte, 16).toUpper();
        }
    }
    return QUrl::fromEncoded(encoded, QUrl::StrictMode);
}

void lookupCharacter(Shell &shell, const QString &characterOnShow)
{
    shellOpen(shell, QString::fromLatin1(verb), lookupAddress(characterOnShow), 0, 0, showNormal);
}

void openProductPage(Shell &shell, Product product)
{
    const char *page
        = product == Product::First ? addresses::firstProductPage : addresses::secondProductPage;
    shellOpen(shell, QString::fromLatin1(verb), QString::fromLatin1(page), 0, 0, showNormal);
}

} // namespace vorlank::launch
