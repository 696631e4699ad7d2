// The statistics of the 17 facility types: 16-byte records, and the fields the editor shows.
#pragma once

#include "core/ValuePrompt.h"
#include "tables/FacilityTypes.h"
#include "tables/FieldDescription.h"
#include "tables/TableLayout.h"

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
// Positions 4, 5, 9 and 11 to 15 mean something to the game but are not edited.

inline constexpr BytePrompt RatioPrompt = {100,
                                           KESTREL_TR_NOOP("Prompts", "(Remember, the number cannot exceed 100%).")};

// Top to bottom, as the tab shows them. The two-byte amounts are asked for as words and
// shown signed.
inline constexpr std::array<FieldDescription, 6> Fields = {{
    {KESTREL_TR_NOOP("Tables", "Construction Cost/$k"), KESTREL_TR_NOOP("Tables", "Construction Cost/$k:"),
     FieldKind::Word, CostPosition, 2, {}, nullptr,
     {u"cmdPrice", u"Label10"}},
    fields::Byte(KESTREL_TR_NOOP("Tables", "Monthly Cost/$k"), KESTREL_TR_NOOP("Tables", "Monthly Cost/$k:"),
                 UpkeepPosition, prompt::UpTo255, {u"cmdUpkeep", u"Label9"}),
    fields::Byte(KESTREL_TR_NOOP("Tables", "Construction Time"), KESTREL_TR_NOOP("Tables", "Construction Time:"),
                 DaysPosition, prompt::UpTo255, {u"cmdDays", u"Label8"}),
    {KESTREL_TR_NOOP("Tables", "Defense Strength"), KESTREL_TR_NOOP("Tables", "Defense Strength:"),
     FieldKind::Word, StrengthPosition, 2, {}, nullptr,
     {u"cmdStrength", u"Label7"}},
    fields::Byte(KESTREL_TR_NOOP("Tables", "Hit Ratio (%)"), KESTREL_TR_NOOP("Tables", "Hit Ratio (%):"),
                 RatioPosition, RatioPrompt, {u"cmdRatio", u"Label6"}),
    {KESTREL_TR_NOOP("Tables", "Standard to Build"), KESTREL_TR_NOOP("Tables", "Standard to Build?:"),
     FieldKind::Flag, StandardFlagPosition, 1, {}, nullptr, {u"frmBuild", {}, {}, u"optYes", u"optNo"},
     &facilitytypes::StandardValue},
}};

inline constexpr const FieldDescription& StandardField = Fields.back();
static_assert(StandardField.kind == FieldKind::Flag);

inline constexpr TableLayout Layout = {
    u"facilities", GameFile::Executable, Start, RecordSize, RecordCount, Size, Fields, &facilitytypes::Name,
};

} // namespace facilities
