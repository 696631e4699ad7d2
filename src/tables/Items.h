// obdata.dat: 80 item records of 54 bytes, the same in every build.
#pragma once

#include <QtGlobal>

namespace items {

inline constexpr qsizetype RecordSize = 54;
inline constexpr int RecordCount = 80;
inline constexpr qsizetype FileSize = RecordSize * RecordCount;

inline constexpr qsizetype NamePosition = 0;
inline constexpr qsizetype NameLength = 20;
inline constexpr qsizetype DamagePosition = 22;
inline constexpr qsizetype AmmoPositions[3] = {26, 27, 28};
inline constexpr qsizetype DamageTypePosition = 31;
inline constexpr qsizetype AccuracyPositions[3] = {32, 33, 34};    // auto, snap, aimed
inline constexpr qsizetype TuPercentPositions[3] = {35, 36, 37};   // auto, snap, aimed

} // namespace items
