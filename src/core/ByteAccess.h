// Bounds-checked reads and writes of values in a game file buffer.
//
// QByteArray holds signed chars, so bytes 0x80-0xFF would read as negative numbers if
// indexed directly; every value goes through these helpers instead. An offset outside
// the buffer is a programming error: reads give 0 and writes change nothing, and both
// assert in debug builds.
#pragma once

#include <QByteArray>

#include <cstdint>

namespace bytes {

[[nodiscard]] bool InRange(const QByteArray& buffer, qsizetype offset, qsizetype width);

[[nodiscard]] std::uint8_t ReadU8(const QByteArray& buffer, qsizetype offset);
void WriteU8(QByteArray& buffer, qsizetype offset, std::uint8_t value);

// Little-endian: low byte at offset, high byte at offset + 1.
[[nodiscard]] std::uint16_t ReadU16LE(const QByteArray& buffer, qsizetype offset);
void WriteU16LE(QByteArray& buffer, qsizetype offset, std::uint16_t value);

// The two bytes of a 16-bit value as a file holds it, low byte first.
[[nodiscard]] QByteArray U16LE(std::uint16_t value);

// The width raw bytes of a fixed-width field (text fields of the game files).
[[nodiscard]] QByteArray ReadField(const QByteArray& buffer, qsizetype offset, qsizetype width);
// Writes exactly width bytes: the given bytes, cut or padded with zero bytes.
void WriteFieldPadded(QByteArray& buffer, qsizetype offset, qsizetype width, const QByteArray& value);

} // namespace bytes
