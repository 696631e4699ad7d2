// The value prompt loops for one-byte fields and 16-bit amounts.
#include "core/ValuePrompt.h"

#include "core/ByteAccess.h"
#include "core/CodePage.h"
#include "core/NumberReader.h"
#include "core/TableText.h"

#include <QStringView>

#include <algorithm>

namespace prompt {

std::optional<std::uint8_t> StoredAsRounded(double typed)
{
    // Checked before rounding so that -0.4 is refused as 255.4 is; NaN fails too.
    if (!(typed >= 0))
        return std::nullopt;
    const double whole = numbers::RoundHalfEven(typed);
    if (whole > 255)
        return std::nullopt;
    return static_cast<std::uint8_t>(whole);
}

} // namespace prompt

namespace {

QString PromptText(std::u16string_view limitLine, std::span<const std::u16string_view> extraLines)
{
    QString text = ToQString(prompt::FirstLine) + u'\n' + ToQString(limitLine);
    for (const std::u16string_view line : extraLines)
        text += u'\n' + ToQString(line);
    return text;
}

std::optional<std::uint8_t> AcceptByte(const QString& answer, const BytePrompt& field)
{
    const double typed = numbers::ReadLeadingNumber(answer).value;
    if (!(typed <= field.limit))
        return std::nullopt;
    return field.stored ? field.stored(typed) : prompt::StoredAsRounded(typed);
}

QString ByteDefault(const QByteArray& buffer, qsizetype offset, const BytePrompt& field)
{
    const std::uint8_t byte = bytes::ReadU8(buffer, offset);
    return field.shown ? field.shown(byte) : QString::number(byte);
}

std::optional<std::uint16_t> AcceptWord(QString answer)
{
    answer.remove(u',');
    const numbers::NumberReading reading = numbers::ReadLeadingNumber(answer);
    if (!reading.IsNumber() || !(reading.value >= 0 && reading.value <= prompt::WordLimit))
        return std::nullopt;
    return static_cast<std::uint16_t>(numbers::RoundHalfEven(reading.value));
}

// Offered unsigned, even where a game file holds 32768 or more.
QString WordDefault(const QByteArray& buffer, qsizetype highOffset, qsizetype lowOffset)
{
    return QString::number(bytes::ReadU8(buffer, highOffset) * 256 + bytes::ReadU8(buffer, lowOffset));
}

std::optional<std::uint16_t> AskWord(Asker& asker, const QByteArray& buffer, qsizetype highOffset,
                                     qsizetype lowOffset)
{
    const QString text = PromptText(prompt::WordLimitLine, {});
    QString answer = ToQString(prompt::StoresSentinel);
    std::optional<std::uint16_t> value = AcceptWord(answer);
    while (!value) {
        answer = asker.AskText(text, ToQString(prompt::Title), WordDefault(buffer, highOffset, lowOffset));
        if (answer.isEmpty())
            return std::nullopt;
        value = AcceptWord(answer);
    }
    return value;
}

bool IsStorable(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar character) { return codepage::FromChar(character) != 0; });
}

} // namespace

bool PromptByte(Asker& asker, QByteArray& buffer, qsizetype offset, const BytePrompt& field,
                const std::function<void()>& refresh)
{
    // A wrong offset must not pose as a successful edit.
    Q_ASSERT(bytes::InRange(buffer, offset, 1));
    if (!bytes::InRange(buffer, offset, 1))
        return false;
    const QString text = PromptText(field.limitLine, field.extraLines);
    QString answer = ToQString(field.sentinel);
    Q_ASSERT_X(!AcceptByte(answer, field), "PromptByte", "the sentinel must exceed the limit");
    std::optional<std::uint8_t> byte = AcceptByte(answer, field);
    while (!byte) {
        answer = asker.AskText(text, ToQString(prompt::Title), ByteDefault(buffer, offset, field));
        if (answer.isEmpty())
            return false;
        byte = AcceptByte(answer, field);
    }
    if (answer.isEmpty())
        return false;
    bytes::WriteU8(buffer, offset, *byte);
    if (refresh)
        refresh();
    return true;
}

bool PromptWord(Asker& asker, QByteArray& buffer, qsizetype highOffset, qsizetype lowOffset)
{
    return PromptWordEnableSave(asker, buffer, highOffset, lowOffset, {});
}

bool PromptWordEnableSave(Asker& asker, QByteArray& buffer, qsizetype highOffset, qsizetype lowOffset,
                          const std::function<void()>& enableSave)
{
    Q_ASSERT(bytes::InRange(buffer, highOffset, 1) && bytes::InRange(buffer, lowOffset, 1));
    if (!bytes::InRange(buffer, highOffset, 1) || !bytes::InRange(buffer, lowOffset, 1))
        return false;
    const std::optional<std::uint16_t> value = AskWord(asker, buffer, highOffset, lowOffset);
    if (!value)
        return false;
    if (enableSave)
        enableSave();
    bytes::WriteU8(buffer, highOffset, static_cast<std::uint8_t>(*value >> 8));
    bytes::WriteU8(buffer, lowOffset, static_cast<std::uint8_t>(*value & 0xFF));
    return true;
}

bool PromptName(Asker& asker, QByteArray& buffer, qsizetype offset, const NamePrompt& field)
{
    Q_ASSERT(bytes::InRange(buffer, offset, std::max(field.shownWidth, field.writtenWidth)));
    if (!bytes::InRange(buffer, offset, std::max(field.shownWidth, field.writtenWidth)))
        return false;
    const QString text = ToQString(field.firstLine) + u'\n' + ToQString(field.limitLine);
    const QString current = codepage::FieldText(bytes::ReadField(buffer, offset, field.shownWidth));
    QString answer;
    // Counted in UTF-16 units, one byte each once encoded, so an accepted name always fits.
    // A character without a code would become a zero byte and cut the name there.
    do {
        answer = asker.AskText(text, ToQString(prompt::NameTitle), current);
    } while (answer.size() > field.writtenWidth || !IsStorable(answer));
    if (answer.isEmpty())
        return false;
    bytes::WriteFieldPadded(buffer, offset, field.writtenWidth, codepage::Encode(answer));
    return true;
}
