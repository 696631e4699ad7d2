// The "Change Amount" box through which every editor asks for a new number.
#pragma once

#include "core/Asker.h"
#include "core/TableText.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

namespace prompt {

inline constexpr std::u16string_view Title = KESTREL_TR_NOOP("Prompts", "Change Amount");
inline constexpr std::u16string_view NameTitle = KESTREL_TR_NOOP("Prompts", "New Name");
inline constexpr std::u16string_view FirstLine = KESTREL_TR_NOOP("Prompts", "Enter the amount you would like to have.");

// The first answer of the loop; it exceeds every limit, so the box always shows.
inline constexpr std::u16string_view FieldSentinel = u"3000";
inline constexpr std::u16string_view StoresSentinel = u"100000000";

// The limit lines most one-byte fields share.
inline constexpr std::u16string_view Limit255Line =
    KESTREL_TR_NOOP("Prompts", "(Remember, the number cannot exceed 255).");
inline constexpr std::u16string_view Limit100Line =
    KESTREL_TR_NOOP("Prompts", "(Remember, the number cannot exceed 100).");

inline constexpr int WordLimit = 28671;
inline constexpr std::u16string_view WordLimitLine =
    KESTREL_TR_NOOP("Prompts", "(Remember, this cannot exceed 28,671).");

// The stored byte of a typed value: the nearest whole number, a half to the even
// neighbour. Nothing for a negative value or one above 255, so the box asks again.
[[nodiscard]] std::optional<std::uint8_t> StoredAsRounded(double typed);

} // namespace prompt

// How one one-byte field is asked for. Plain data, so a tab's fields can be a constexpr
// table; the buffer, the offset and the view to refresh come with each call.
struct BytePrompt {
    int limit = 255;  // compared with the typed value, before any conversion
    std::u16string_view limitLine;
    std::span<const std::u16string_view> extraLines = {};  // each on a line of its own
    std::u16string_view sentinel = prompt::FieldSentinel;
    // For a field shown in other units than it is stored: the default answer from the
    // byte, and the byte from an answer within the limit (an empty result asks again).
    // Left null, the byte's decimal value and prompt::StoredAsRounded are used.
    QString (*shown)(std::uint8_t stored) = nullptr;
    std::optional<std::uint8_t> (*stored)(double typed) = nullptr;
};

namespace prompt {

// The prompts of most one-byte fields: up to 255, or up to 100 for a percentage or a skill.
inline constexpr BytePrompt UpTo255 = {255, Limit255Line};
inline constexpr BytePrompt UpTo100 = {100, Limit100Line};

// The rules that decide whether an answer is taken, without a dialog: a table cell, a
// change-set file and the command line use them as the boxes do.

// The byte an answer stands for, or nothing when the box would ask again. An answer
// without a leading number stands for 0.
[[nodiscard]] std::optional<std::uint8_t> AcceptByte(const QString& answer, const BytePrompt& field);

// The amount of 0 to 28671 an answer stands for once every "," is removed; nothing when
// it is not wholly a number, is negative or too large.
[[nodiscard]] std::optional<std::uint16_t> AcceptWord(QString answer);

// The byte as the box offers it: its decimal value, or the field's shown value.
[[nodiscard]] QString ShownByte(std::uint8_t stored, const BytePrompt& field);

} // namespace prompt

// Asks until the answer is within the field's limit; current is the byte offered as the
// default. Returns the byte to write, or nothing on Cancel.
[[nodiscard]] std::optional<std::uint8_t> PromptByte(Asker& asker, std::uint8_t current, const BytePrompt& field);

// Asks for a 16-bit amount of 0 to 28671, offering current. Returns the amount to write,
// or nothing on Cancel.
[[nodiscard]] std::optional<std::uint16_t> PromptWord(Asker& asker, std::uint16_t current);

// PromptWord that also calls enableSave once an answer is accepted, and only then.
[[nodiscard]] std::optional<std::uint16_t> PromptWordEnableSave(Asker& asker, std::uint16_t current,
                                                                const std::function<void()>& enableSave);

// How a fixed-width name field is renamed: the "New Name" box, asked again while the
// answer is longer than writtenWidth characters or holds a character the game's code
// page cannot store; the default is the name shown from the first shownWidth bytes.
struct NamePrompt {
    std::u16string_view firstLine;
    std::u16string_view limitLine;
    qsizetype shownWidth;
    qsizetype writtenWidth;
};

namespace prompt {

// The writtenWidth bytes a new name is stored as: its codes in the game's code page, then
// zero bytes. Nothing when the box would ask again: too long, or a character the code
// page cannot hold (it would otherwise be cut off at that character).
[[nodiscard]] std::optional<QByteArray> AcceptName(const QString& answer, const NamePrompt& field);

} // namespace prompt

// Asks for a new name, offering the text of current (the field's shownWidth bytes).
// Returns the writtenWidth bytes to write, or nothing on Cancel.
[[nodiscard]] std::optional<QByteArray> PromptName(Asker& asker, const QByteArray& current, const NamePrompt& field);
