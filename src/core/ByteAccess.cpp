// Bounds-checked byte access to game file buffers.
#include "core/ByteAccess.h"

#include <QtGlobal>

namespace bytes {

bool InRange(const QByteArray& buffer, qsizetype offset, qsizetype width)
{
    return offset >= 0 && width >= 0 && offset <= buffer.size() - width;
}

std::uint8_t ReadU8(const QByteArray& buffer, qsizetype offset)
{
    Q_ASSERT(InRange(buffer, offset, 1));
    if (!InRange(buffer, offset, 1))
        return 0;
    return static_cast<std::uint8_t>(buffer.at(offset));
}

void WriteU8(QByteArray& buffer, qsizetype offset, std::uint8_t value)
{
    Q_ASSERT(InRange(buffer, offset, 1));
    if (!InRange(buffer, offset, 1))
        return;
    buffer[offset] = static_cast<char>(value);
}

std::uint16_t ReadU16LE(const QByteArray& buffer, qsizetype offset)
{
    Q_ASSERT(InRange(buffer, offset, 2));
    if (!InRange(buffer, offset, 2))
        return 0;
    return static_cast<std::uint16_t>(ReadU8(buffer, offset) | (ReadU8(buffer, offset + 1) << 8));
}

void WriteU16LE(QByteArray& buffer, qsizetype offset, std::uint16_t value)
{
    Q_ASSERT(InRange(buffer, offset, 2));
    if (!InRange(buffer, offset, 2))
        return;
    WriteU8(buffer, offset, static_cast<std::uint8_t>(value & 0xFF));
    WriteU8(buffer, offset + 1, static_cast<std::uint8_t>(value >> 8));
}

QByteArray U16LE(std::uint16_t value)
{
    QByteArray bytes(2, '\0');
    WriteU16LE(bytes, 0, value);
    return bytes;
}

QByteArray ReadField(const QByteArray& buffer, qsizetype offset, qsizetype width)
{
    Q_ASSERT(InRange(buffer, offset, width));
    if (!InRange(buffer, offset, width))
        return {};
    return buffer.mid(offset, width);
}

void WriteFieldPadded(QByteArray& buffer, qsizetype offset, qsizetype width, const QByteArray& value)
{
    Q_ASSERT(InRange(buffer, offset, width));
    if (!InRange(buffer, offset, width))
        return;
    for (qsizetype i = 0; i < width; ++i)
        buffer[offset + i] = i < value.size() ? value.at(i) : '\0';
}

} // namespace bytes
