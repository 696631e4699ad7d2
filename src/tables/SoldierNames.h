// The default soldier names: 120 last names of 12 bytes, then 120 first names of 11 bytes.
#pragma once

#include "core/ValuePrompt.h"
#include "tables/FieldDescription.h"
#include "tables/VersionOffsets.h"

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

inline constexpr std::u16string_view PromptLimitLine = u"(remember it cannot exceed 11 characters)";

// The whole slot is shown as the default; only the first 11 bytes are written.
inline constexpr NamePrompt FirstNamePrompt = {u"What would you like the new first name to be?", PromptLimitLine,
                                               FirstNameSlotSize, WrittenNameLength};
inline constexpr NamePrompt LastNamePrompt = {u"What would you like the new last name to be?", PromptLimitLine,
                                              LastNameSlotSize, WrittenNameLength};

// What sets the two tables apart for showing and renaming.
struct NameTable {
    std::u16string_view table;     // its name in the edit history and the Changes panel
    std::u16string_view slotName;  // "first name 5"
    VersionOffsets start;
    qsizetype slotSize;
    FieldDescription field;        // a slot's one field, its name

    [[nodiscard]] constexpr qsizetype SlotOffset(GameVersion version, int slot) const
    {
        return start.For(version) + slotSize * slot;
    }
};

inline constexpr NameTable FirstNames = {u"first-names", u"first name", FirstNameStart, FirstNameSlotSize,
                                         {u"Name", FieldKind::Name, 0, WrittenNameLength, {}, &FirstNamePrompt}};
inline constexpr NameTable LastNames = {u"last-names", u"last name", LastNameStart, LastNameSlotSize,
                                        {u"Name", FieldKind::Name, 0, WrittenNameLength, {}, &LastNamePrompt}};

} // namespace soldiernames
