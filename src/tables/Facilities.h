// The statistics of the 17 facility types: 16-byte records.
#pragma once

#include "tables/VersionOffsets.h"

namespace facilities {

inline constexpr VersionOffsets Start = {
    460354,  // 0x70642
    374242,  // 0x5B5E2
    356234,  // 0x56F8A
};
inline constexpr qsizetype RecordSize = 16;
inline constexpr int RecordCount = 17;
inline constexpr qsizetype Size = RecordSize * RecordCount;

inline constexpr qsizetype CostPosition = 0;      // 16-bit little-endian, thousands of dollars
inline constexpr qsizetype DaysPosition = 2;
inline constexpr qsizetype UpkeepPosition = 3;
inline constexpr qsizetype StrengthPosition = 6;  // 16-bit little-endian
inline constexpr qsizetype RatioPosition = 8;
inline constexpr qsizetype StandardFlagPosition = 10;

} // namespace facilities
