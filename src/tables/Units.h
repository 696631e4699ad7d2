// The combat statistics of the 33 unit types: 39-byte records, counted from the flying flag.
#pragma once

#include "tables/VersionOffsets.h"

namespace units {

inline constexpr VersionOffsets Start = {
    480147,  // 0x75393
    397735,  // 0x611A7
    379731,  // 0x5CB53
};
inline constexpr qsizetype RecordSize = 39;
inline constexpr int RecordCount = 33;
inline constexpr qsizetype Size = RecordSize * RecordCount;

inline constexpr qsizetype FlyingPosition = 0;
inline constexpr qsizetype BraveryPosition = 27;

} // namespace units
