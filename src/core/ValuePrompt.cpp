// The value prompt loops for one-byte fields and 16-bit amounts.
#include "core/ValuePrompt.h"

#include "core/CodePage.h"
#include "core/NumberReader.h"
#include "core/TableText.h"

#include <QCoreApplication>
#include <QStringList>
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
    QString text = Translated("Prompts", prompt::FirstLine) + u'\n' + Translated("Prompts", limitLine);
    for (const std::u16string_view line : extraLines)
        text += u'\n' + Translated("Prompts", line);
    return text;
}

QString Quoted(const QString& answer)
{
    return QCoreApplication::translate("Prompts", "\u201C%1\u201D").arg(answer);
}

QString ByteRefusal(const QString& answer, const BytePrompt& field)
{
    if (!(numbers::ReadLeadingNumber(answer).value <= field.limit)) {
        return QCoreApplication::translate("Prompts", "%1 was not taken: the number cannot exceed %2.")
            .arg(Quoted(answer))
            .arg(field.limit);
    }
    return QCoreApplication::translate("Prompts", "%1 was not taken: this field holds no such number.")
        .arg(Quoted(answer));
}

QString NameRefusal(const QString& answer, const NamePrompt& field)
{
    if (answer.size() > field.writtenWidth) {
        return QCoreApplication::translate("Prompts", "%1 was not taken: it has %2 characters, at most %3 fit.")
            .arg(Quoted(answer))
            .arg(answer.size())
            .arg(field.writtenWidth);
    }
    return QCoreApplication::translate("Prompts", "%1 was not taken: the game cannot store %2.")
        .arg(Quoted(answer), codepage::Unstorable(answer).join(u", "));
}

// The reason stays in sight only while the box asks again.
struct RefusalShown {
    Asker& asker;
    bool shown = false;

    void Show(const QString& reason)
    {
        asker.ShowRefusal(reason);
        shown = true;
    }
    ~RefusalShown()
    {
        if (shown)
            asker.ShowRefusal(QString());
    }
};

} // namespace

namespace prompt {

std::optional<std::uint8_t> AcceptByte(const QString& answer, const BytePrompt& field)
{
    const double typed = numbers::ReadLeadingNumber(answer).value;
    if (!(typed <= field.limit))
        return std::nullopt;
    return field.stored ? field.stored(typed) : StoredAsRounded(typed);
}

QString ShownByte(std::uint8_t stored, const BytePrompt& field)
{
    return field.shown ? field.shown(stored) : QString::number(stored);
}

std::optional<std::uint16_t> AcceptWord(QString answer)
{
    answer.remove(u',');
    const numbers::NumberReading reading = numbers::ReadLeadingNumber(answer);
    if (!reading.IsNumber() || !(reading.value >= 0 && reading.value <= WordLimit))
        return std::nullopt;
    return static_cast<std::uint16_t>(numbers::RoundHalfEven(reading.value));
}

std::optional<QByteArray> AcceptName(const QString& answer, const NamePrompt& field)
{
    // Counted in UTF-16 units, one byte each once encoded, so an accepted name always fits.
    if (answer.size() > field.writtenWidth || !codepage::Unstorable(answer).isEmpty())
        return std::nullopt;
    QByteArray stored = codepage::Encode(answer);
    stored.append(field.writtenWidth - stored.size(), '\0');
    return stored;
}

} // namespace prompt

std::optional<std::uint8_t> PromptByte(Asker& asker, std::uint8_t current, const BytePrompt& field)
{
    const QString text = PromptText(field.limitLine, field.extraLines);
    QString answer = ToQString(field.sentinel);
    Q_ASSERT_X(!prompt::AcceptByte(answer, field), "PromptByte", "the sentinel must exceed the limit");
    std::optional<std::uint8_t> byte = prompt::AcceptByte(answer, field);
    RefusalShown refusal{asker};
    while (!byte) {
        answer = asker.AskText(text, Translated("Prompts", prompt::Title), prompt::ShownByte(current, field));
        if (answer.isEmpty())
            return std::nullopt;
        byte = prompt::AcceptByte(answer, field);
        if (!byte)
            refusal.Show(ByteRefusal(answer, field));
    }
    return byte;
}

std::optional<std::uint16_t> PromptWord(Asker& asker, std::uint16_t current)
{
    return PromptWordEnableSave(asker, current, {});
}

// Offered unsigned, even where a game file holds 32768 or more.
std::optional<std::uint16_t> PromptWordEnableSave(Asker& asker, std::uint16_t current,
                                                  const std::function<void()>& enableSave)
{
    const QString text = PromptText(prompt::WordLimitLine, {});
    QString answer = ToQString(prompt::StoresSentinel);
    std::optional<std::uint16_t> value = prompt::AcceptWord(answer);
    RefusalShown refusal{asker};
    while (!value) {
        answer = asker.AskText(text, Translated("Prompts", prompt::Title), QString::number(current));
        if (answer.isEmpty())
            return std::nullopt;
        value = prompt::AcceptWord(answer);
        if (!value) {
            refusal.Show(QCoreApplication::translate("Prompts", "%1 was not taken: only a number from 0 to 28,671 is.")
                             .arg(Quoted(answer)));
        }
    }
    if (enableSave)
        enableSave();
    return value;
}

std::optional<QByteArray> PromptName(Asker& asker, const QByteArray& current, const NamePrompt& field)
{
    const QString text = Translated("Prompts", field.firstLine) + u'\n' + Translated("Prompts", field.limitLine);
    const QString shown = codepage::FieldText(current);
    RefusalShown refusal{asker};
    for (;;) {
        const QString answer = asker.AskText(text, Translated("Prompts", prompt::NameTitle), shown);
        if (answer.isEmpty())
            return std::nullopt;
        if (std::optional<QByteArray> stored = prompt::AcceptName(answer, field))
            return stored;
        refusal.Show(NameRefusal(answer, field));
    }
}
