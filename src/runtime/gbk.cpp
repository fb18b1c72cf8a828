// GBK through Qt's ICU-backed converters. ICU maps some byte values that are not GBK to
// private-use characters, and reports truncated or malformed sequences only as a flag, so every
// result is checked and, on failure, the offending unit is located for the message.
#include "runtime.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace vorlank::runtime
{

namespace
{
constexpr auto codec = "GBK";

bool isReplacement(QChar c)
{
    const char16_t u = c.unicode();
    return u == 0xFFFD || (u >= 0xE000 && u <= 0xF8FF);
}

// Decodes one sequence of 1 or 2 bytes in isolation; true when it is one proper character.
bool decodesCleanly(QByteArrayView bytes)
{
    QStringDecoder decoder(codec, QStringConverter::Flag::Stateless);
    const QString out = decoder(bytes);
    return !decoder.hasError() && out.size() == 1 && !isReplacement(out[0]);
}

[[noreturn]] void throwDecodeError(QByteArrayView bytes)
{
    qsizetype i = 0;
    while (i < bytes.size()) {
        if (decodesCleanly(bytes.sliced(i, 1)))
            i += 1;
        else if (i + 1 < bytes.size() && decodesCleanly(bytes.sliced(i, 2)))
            i += 2;
        else
            break;
    }
    const auto byte = i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0u;
    throw ConversionError("not GBK: byte 0x" + QByteArray::number(byte, 16).toUpper().toStdString()
            + " at offset " + std::to_string(i),
        i);
}
} // namespace

QString decodeGbk(QByteArrayView bytes)
{
    QStringDecoder decoder(codec, QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        throw ConversionError("no GBK converter in this Qt build", 0);
    QString text = decoder(bytes);
    if (decoder.hasError() || std::any_of(text.cbegin(), text.cend(), isReplacement))
        throwDecodeError(bytes);
    return text;
}

QByteArray encodeGbk(QStringView text)
{
    QStringEncoder encoder(codec, QStringConverter::Flag::Stateless);
    if (!encoder.isValid())
        throw ConversionError("no GBK converter in this Qt build", 0);
    QByteArray bytes = encoder(text);
    if (!encoder.hasError() && !std::any_of(text.cbegin(), text.cend(), isReplacement))
        return bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype len = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QStringEncoder one(codec, QStringConverter::Flag::Stateless);
        const QByteArray ignored = one(text.sliced(i, len));
        if (one.hasError() || isReplacement(text[i]))
            throw ConversionError("no GBK form for U+"
                    + QByteArray::number(text.sliced(i, len).toUcs4().value(0), 16)
                          .toUpper()
                          .toStdString()
                    + " at offset " + std::to_string(i),
                i);
        i += len - 1;
    }
    throw ConversionError("GBK encoding failed", 0);
}

} // namespace vorlank::runtime
