// The single-byte code page of the game's texts: Windows-1252, total on bytes 1-255.
#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>

namespace codepage {

// The five bytes that Windows-1252 leaves unassigned stand for the control characters
// of the same number, so that every byte survives a trip through text and back.
[[nodiscard]] QChar ToChar(std::uint8_t byte);

// The byte of a character, or 0 for a character the code page cannot hold.
[[nodiscard]] std::uint8_t FromChar(QChar character);

// One character per byte, zero bytes included.
[[nodiscard]] QString Decode(const QByteArray& bytes);

// The text a fixed-width field shows: its bytes up to, not including, the first zero byte.
[[nodiscard]] QString FieldText(const QByteArray& field);

// One byte per UTF-16 unit; a unit the code page cannot hold becomes a zero byte.
[[nodiscard]] QByteArray Encode(QStringView text);

// The characters of text the code page cannot hold, each named once by its code point
// ("U+1F600": a character beyond U+FFFF is one surrogate pair, not two units). Encoded,
// each would become a zero byte.
[[nodiscard]] QStringList Unstorable(QStringView text);

} // namespace codepage
