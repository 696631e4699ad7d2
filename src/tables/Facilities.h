// The statistics of the 17 facility types: 16-byte records, and the fields the editor shows.
#pragma once

#include "core/ValuePrompt.h"
#include "tables/VersionOffsets.h"

#include <array>
#include <string_view>

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
inline constexpr std::u16string_view StandardLabel = u"Standard to Build?:";
// Positions 4, 5, 9 and 11 to 15 mean something to the game but are not edited.

[[nodiscard]] constexpr qsizetype RecordStart(GameVersion version, int type)
{
    return Start.For(version) + RecordSize * type;
}

// One value button of the facility editor.
struct Field {
    std::u16string_view button;  // objectName of the value button
    std::u16string_view label;   // objectName of the label beside it
    std::u16string_view caption; // the label's text
    qsizetype position;          // the low byte of a two-byte field
    qsizetype width;             // 2: a signed-shown amount asked for as a word
    BytePrompt prompt = {};      // one-byte fields only
};


// Top to bottom, as the tab shows them.
inline constexpr std::array<Field, 5> Fields = {{
    {u"cmdPrice", u"Label10", u"Construction Cost/$k:", CostPosition, 2},
    {u"cmdUpkeep", u"Label9", u"Monthly Cost/$k:", UpkeepPosition, 1, {255, prompt::Limit255Line}},
    {u"cmdDays", u"Label8", u"Construction Time:", DaysPosition, 1, {255, prompt::Limit255Line}},
    {u"cmdStrength", u"Label7", u"Defense Strength:", StrengthPosition, 2},
    {u"cmdRatio", u"Label6", u"Hit Ratio (%):", RatioPosition, 1, {100, u"(Remember, the number cannot exceed 100%)."}},
}};

} // namespace facilities
