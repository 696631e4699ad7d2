// obdata.dat: 80 item records of 54 bytes, the same in every build, and the fields the
// item editor changes.
#pragma once

#include "core/ValuePrompt.h"
#include "tables/FieldDescription.h"
#include "tables/TableLayout.h"

#include <QtGlobal>

#include <array>
#include <string_view>

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

// An ammo field names the record of its ammunition, so its limit is the highest index.
inline constexpr int HighestIndex = RecordCount - 1;

// What step names call a record: "item 3".
[[nodiscard]] inline QString StepSubject(int record)
{
    return QStringLiteral("item %1").arg(record);
}

// The name is shown and written as all 20 bytes.
inline constexpr NamePrompt Rename = {u"What would you like the new name to be?",
                                      u"(remember it cannot exceed 20 characters)", NameLength, NameLength};

inline constexpr std::u16string_view AmmoLimitLine = u"(Remember, the number cannot exceed 79).";
inline constexpr std::array<std::u16string_view, 2> AmmoExtraLines = {
    u"This corresponds with the index number displayed below the list. An index of 255 means no ammo.",
    u"I suggest only changing this for a weapon and only using actual ammo indexes.",
};
inline constexpr BytePrompt AmmoPrompt = {HighestIndex, AmmoLimitLine, AmmoExtraLines};

// In the order the tab shows them: the name, the numbers, then the damage type's options.
inline constexpr std::array<FieldDescription, 12> Fields = {{
    {u"Name", u"Name:", FieldKind::Name, NamePosition, NameLength, {}, &Rename,
     {u"cmdName", {}, u"Click to change the name."}},
    fields::Byte(u"Damage", u"Damage:", DamagePosition, prompt::UpTo255,
                 {u"cmdDamage", {}, u"Click to change the damage this item deals."}),
    fields::Byte(u"Ammo Type 1", u"Ammo Type 1:", AmmoPositions[0], AmmoPrompt,
                 {u"cmdAmmo1", {}, u"Change Ammo Type 1. Use index number of Ammo item."}),
    fields::Byte(u"Ammo Type 2", u"Ammo Type 2:", AmmoPositions[1], AmmoPrompt,
                 {u"cmdAmmo2", {}, u"Change Ammo Type 2. Use index number of Ammo item."}),
    fields::Byte(u"Ammo Type 3", u"Ammo Type 3:", AmmoPositions[2], AmmoPrompt,
                 {u"cmdAmmo3", {}, u"Change Ammo Type 3. Use index number of Ammo item."}),
    fields::Byte(u"Autoshot Accuracy", u"Autoshot Accuracy:", AccuracyPositions[0], prompt::UpTo255,
                 {u"cmdAutoA", {}, u"Click to change the autoshot accuracy."}),
    fields::Byte(u"Snap Shot Accuracy", u"Snap Shot Accuracy:", AccuracyPositions[1], prompt::UpTo255,
                 {u"cmdSnapA", {}, u"Click to change the snap shot accuracy."}),
    fields::Byte(u"Aimed Shot Accuracy", u"Aimed Shot Accuracy:", AccuracyPositions[2], prompt::UpTo255,
                 {u"cmdAimA", {}, u"Click to change the aimed shot accuracy."}),
    fields::Byte(u"Autoshot TU%", u"Autoshot TU%:", TuPercentPositions[0], prompt::UpTo100,
                 {u"cmdAutoT", {}, u"Click to change the autoshot TU percentage."}),
    fields::Byte(u"Snap Shot TU%", u"Snap Shot TU%:", TuPercentPositions[1], prompt::UpTo100,
                 {u"cmdSnapT", {}, u"Click to change the snap shot TU percentage."}),
    fields::Byte(u"Aimed Shot TU%", u"Aimed Shot TU%:", TuPercentPositions[2], prompt::UpTo100,
                 {u"cmdAimT", {}, u"Click to change the aimed shot TU percentage."}),
    {u"Damage Type", u"Damage Type", FieldKind::DamageType, DamageTypePosition, 1, {}, nullptr, {u"Frame2"}},
}};

inline constexpr const FieldDescription& NameField = Fields.front();
inline constexpr const FieldDescription& DamageTypeField = Fields.back();
static_assert(NameField.kind == FieldKind::Name && DamageTypeField.kind == FieldKind::DamageType);

inline constexpr TableLayout Layout = {
    u"items", GameFile::Items, SameInEveryBuild(0), RecordSize, RecordCount, FileSize, Fields, nullptr, &StepSubject,
};

} // namespace items
