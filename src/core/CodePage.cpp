// Windows-1252 both ways, with the unassigned bytes kept as their control characters.
#include "core/CodePage.h"

#include <array>

namespace codepage {

namespace {

// Bytes 0x80-0x9F; every other byte is the Unicode character of the same number.
constexpr std::array<char16_t, 32> HighControlBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr bool InHighControlBlock(unsigned value)
{
    return value >= 0x80 && value <= 0x9F;
}

} // namespace

QChar ToChar(std::uint8_t byte)
{
    if (InHighControlBlock(byte))
        return QChar(HighControlBlock[byte - 0x80]);
    return QChar(static_cast<char16_t>(byte));
}

std::uint8_t FromChar(QChar character)
{
    const char16_t unit = character.unicode();
    if (unit <= 0xFF && !InHighControlBlock(unit))
        return static_cast<std::uint8_t>(unit);
    for (std::size_t i = 0; i < HighControlBlock.size(); ++i) {
        if (HighControlBlock[i] == unit)
            return static_cast<std::uint8_t>(0x80 + i);
    }
    return 0;
}

QString Decode(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text.append(ToChar(static_cast<std::uint8_t>(byte)));
    return text;
}

QString FieldText(const QByteArray& field)
{
    const qsizetype end = field.indexOf('\0');
    return Decode(end < 0 ? field : field.left(end));
}

QByteArray Encode(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar character : text)
        bytes.append(static_cast<char>(FromChar(character)));
    return bytes;
}

QStringList Unstorable(QStringView text)
{
    QStringList named;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar unit = text.at(at);
        if (FromChar(unit) != 0)
            continue;
        char32_t codePoint = unit.unicode();
        if (unit.isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate())
            codePoint = QChar::surrogateToUcs4(unit, text.at(++at));
        const QString name = QStringLiteral("U+%1").arg(uint(codePoint), 4, 16, QLatin1Char('0')).toUpper();
        if (!named.contains(name))
            named.append(name);
    }
    return named;
}

} // namespace codepage
