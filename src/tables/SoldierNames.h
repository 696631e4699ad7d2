// The default soldier names: 120 last names of 12 bytes, then 120 first names of 11 bytes.
#pragma once

#include "tables/VersionOffsets.h"

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
// The editor writes at most this many bytes into a slot of either table.
inline constexpr qsizetype WrittenNameLength = 11;

} // namespace soldiernames
