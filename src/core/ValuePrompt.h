// The "Change Amount" box through which every editor asks for a new number.
#pragma once

#include "core/Asker.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

namespace prompt {

inline constexpr std::u16string_view Title = u"Change Amount";
inline constexpr std::u16string_view NameTitle = u"New Name";
inline constexpr std::u16string_view FirstLine = u"Enter the amount you would like to have.";

// The first answer of the loop; it exceeds every limit, so the box always shows.
inline constexpr std::u16string_view FieldSentinel = u"3000";
inline constexpr std::u16string_view StoresSentinel = u"100000000";

// The limit lines most one-byte fields share.
inline constexpr std::u16string_view Limit255Line = u"(Remember, the number cannot exceed 255).";
inline constexpr std::u16string_view Limit100Line = u"(Remember, the number cannot exceed 100).";

inline constexpr int WordLimit = 28671;
inline constexpr std::u16string_view WordLimitLine = u"(Remember, this cannot exceed 28,671).";

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

// Asks until the answer is within the field's limit, then writes the byte at offset and
// runs refresh. An empty answer (Cancel) writes nothing and refreshes nothing. An answer
// without a leading number writes 0. Returns whether a byte was written.
bool PromptByte(Asker& asker, QByteArray& buffer, qsizetype offset, const BytePrompt& field,
                const std::function<void()>& refresh = {});

// Asks for a 16-bit amount of 0 to 28671 with every "," of the answer ignored; an answer
// that is not wholly a number, is negative or too large asks again. Writes the high byte
// at highOffset and the low byte at lowOffset. Returns whether the bytes were written.
bool PromptWord(Asker& asker, QByteArray& buffer, qsizetype highOffset, qsizetype lowOffset);

// PromptWord that also calls enableSave once an answer is accepted, and only then.
bool PromptWordEnableSave(Asker& asker, QByteArray& buffer, qsizetype highOffset, qsizetype lowOffset,
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

// Asks for a new name and writes exactly writtenWidth bytes at offset: the answer's codes
// in the game's code page, then zero bytes. An empty answer (Cancel) writes nothing.
// Returns whether the name was written.
bool PromptName(Asker& asker, QByteArray& buffer, qsizetype offset, const NamePrompt& field);
