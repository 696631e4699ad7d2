// The default soldier names: 120 last names of 12 bytes, then 120 first names of 11 bytes.
#pragma once

#include "core/ValuePrompt.h"
#include "tables/FieldDescription.h"
#include "tables/TableLayout.h"

#include <QString>

#include <array>
#include <string_view>

namespace soldiernames {

inline constexpr VersionOffsets LastNameStart = {
    452328,  // 0x6E6E8
    389104,  // 0x5EFF0
    371096,  // 0x5A998
};
inline constexpr VersionOffsets FirstNameStart = {
    453768,  // 0x6EC88
    390544,  // 0x5F590
    372536,  // 0x5AF38
};
inline constexpr int SlotCount = 120;
inline constexpr qsizetype LastNameSlotSize = 12;
inline constexpr qsizetype FirstNameSlotSize = 11;
// The editor writes at most this many bytes into a slot of either table; the twelfth
// byte of a last-name slot is shown but never written.
inline constexpr qsizetype WrittenNameLength = 11;

inline constexpr std::u16string_view PromptLimitLine =
    KESTREL_TR_NOOP("Prompts", "(remember it cannot exceed 11 characters)");

// The whole slot is shown as the default; only the first 11 bytes are written.
inline constexpr NamePrompt FirstNamePrompt = {
    KESTREL_TR_NOOP("Prompts", "What would you like the new first name to be?"), PromptLimitLine,
                                               FirstNameSlotSize, WrittenNameLength};
inline constexpr NamePrompt LastNamePrompt = {
    KESTREL_TR_NOOP("Prompts", "What would you like the new last name to be?"), PromptLimitLine,
                                              LastNameSlotSize, WrittenNameLength};

// A slot's one field, its name.
inline constexpr std::array<FieldDescription, 1> FirstNameFields = {
    {{KESTREL_TR_NOOP("Tables", "Name"), KESTREL_TR_NOOP("Tables", "Name"), FieldKind::Name, 0, WrittenNameLength, {},
      &FirstNamePrompt}}};
inline constexpr std::array<FieldDescription, 1> LastNameFields = {
    {{KESTREL_TR_NOOP("Tables", "Name"), KESTREL_TR_NOOP("Tables", "Name"), FieldKind::Name, 0, WrittenNameLength, {},
      &LastNamePrompt}}};

// What step names call a slot: "first name 5", whatever name it holds (that is the value
// the step changes).
[[nodiscard]] inline QString FirstNameSubject(int slot, const QString&)
{
    return QStringLiteral("first name %1").arg(slot);
}
[[nodiscard]] inline QString LastNameSubject(int slot, const QString&)
{
    return QStringLiteral("last name %1").arg(slot);
}

inline constexpr TableLayout FirstNames = {
    u"first-names", GameFile::Executable, FirstNameStart, FirstNameSlotSize, SlotCount,
    FirstNameSlotSize * SlotCount, FirstNameFields, nullptr, &FirstNameSubject,
};
inline constexpr TableLayout LastNames = {
    u"last-names", GameFile::Executable, LastNameStart, LastNameSlotSize, SlotCount,
    LastNameSlotSize * SlotCount, LastNameFields, nullptr, &LastNameSubject,
};

} // namespace soldiernames
