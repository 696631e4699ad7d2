// The starting stores block: engineers, scientists, then 16-bit item amounts.
#pragma once

#include "tables/VersionOffsets.h"

namespace stores {

inline constexpr VersionOffsets BlockStart = {
    455206,  // 0x6F226
    391966,  // 0x5FB1E
    373958,  // 0x5B4C6
};
inline constexpr qsizetype EngineersPosition = 0;
inline constexpr qsizetype ScientistsPosition = 1;
inline constexpr int AmountFieldCount = 96;
// Engineers, scientists and 96 two-byte amount fields; nothing past it is touched.
inline constexpr qsizetype BlockSize = 2 + 2 * AmountFieldCount;

[[nodiscard]] constexpr qsizetype AmountPosition(int field) { return 2 + 2 * field; }

} // namespace stores
