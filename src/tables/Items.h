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

// What step names call a record: its name, as lists show it ("LASER RIFLE"); "item 3"
// while it has none.
[[nodiscard]] inline QString StepSubject(int record, const QString& name)
{
    const QString shown = name.trimmed();
    return shown.isEmpty() ? QStringLiteral("item %1").arg(record) : shown;
}

// The name is shown and written as all 20 bytes.
inline constexpr NamePrompt Rename = {KESTREL_TR_NOOP("Prompts", "What would you like the new name to be?"),
                                      KESTREL_TR_NOOP("Prompts", "(remember it cannot exceed 20 characters)"),
                                      NameLength, NameLength};

inline constexpr std::u16string_view AmmoLimitLine =
    KESTREL_TR_NOOP("Prompts", "(Remember, the number cannot exceed 79).");
inline constexpr std::array<std::u16string_view, 2> AmmoExtraLines = {
    KESTREL_TR_NOOP("Prompts",
                    "This corresponds with the index number displayed below the list. An index of 255 means no ammo."),
    KESTREL_TR_NOOP("Prompts", "I suggest only changing this for a weapon and only using actual ammo indexes."),
};
inline constexpr BytePrompt AmmoPrompt = {HighestIndex, AmmoLimitLine, AmmoExtraLines};

// In the order the tab shows them: the name, the numbers, then the damage type's options.
inline constexpr std::array<FieldDescription, 12> Fields = {{
    {KESTREL_TR_NOOP("Tables", "Name"), KESTREL_TR_NOOP("Tables", "Name:"),
     FieldKind::Name, NamePosition, NameLength, {}, &Rename,
     {u"cmdName", {}, KESTREL_TR_NOOP("Tables", "Click to change the name.")}},
    fields::Byte(KESTREL_TR_NOOP("Tables", "Damage"), KESTREL_TR_NOOP("Tables", "Damage:"),
                 DamagePosition, prompt::UpTo255,
                 {u"cmdDamage", {}, KESTREL_TR_NOOP("Tables", "Click to change the damage this item deals.")}),
    fields::Byte(KESTREL_TR_NOOP("Tables", "Ammo Type 1"), KESTREL_TR_NOOP("Tables", "Ammo Type 1:"),
                 AmmoPositions[0], AmmoPrompt,
                 {u"cmdAmmo1", {}, KESTREL_TR_NOOP("Tables", "Change Ammo Type 1. Use index number of Ammo item.")}),
    fields::Byte(KESTREL_TR_NOOP("Tables", "Ammo Type 2"), KESTREL_TR_NOOP("Tables", "Ammo Type 2:"),
                 AmmoPositions[1], AmmoPrompt,
                 {u"cmdAmmo2", {}, KESTREL_TR_NOOP("Tables", "Change Ammo Type 2. Use index number of Ammo item.")}),
    fields::Byte(KESTREL_TR_NOOP("Tables", "Ammo Type 3"), KESTREL_TR_NOOP("Tables", "Ammo Type 3:"),
                 AmmoPositions[2], AmmoPrompt,
                 {u"cmdAmmo3", {}, KESTREL_TR_NOOP("Tables", "Change Ammo Type 3. Use index number of Ammo item.")}),
    fields::Byte(KESTREL_TR_NOOP("Tables", "Autoshot Accuracy"), KESTREL_TR_NOOP("Tables", "Autoshot Accuracy:"),
                 AccuracyPositions[0], prompt::UpTo255,
                 {u"cmdAutoA", {}, KESTREL_TR_NOOP("Tables", "Click to change the autoshot accuracy.")}),
    fields::Byte(KESTREL_TR_NOOP("Tables", "Snap Shot Accuracy"), KESTREL_TR_NOOP("Tables", "Snap Shot Accuracy:"),
                 AccuracyPositions[1], prompt::UpTo255,
                 {u"cmdSnapA", {}, KESTREL_TR_NOOP("Tables", "Click to change the snap shot accuracy.")}),
    fields::Byte(KESTREL_TR_NOOP("Tables", "Aimed Shot Accuracy"), KESTREL_TR_NOOP("Tables", "Aimed Shot Accuracy:"),
                 AccuracyPositions[2], prompt::UpTo255,
                 {u"cmdAimA", {}, KESTREL_TR_NOOP("Tables", "Click to change the aimed shot accuracy.")}),
    fields::Byte(KESTREL_TR_NOOP("Tables", "Autoshot TU%"), KESTREL_TR_NOOP("Tables", "Autoshot TU%:"),
                 TuPercentPositions[0], prompt::UpTo100,
                 {u"cmdAutoT", {}, KESTREL_TR_NOOP("Tables", "Click to change the autoshot TU percentage.")}),
    fields::Byte(KESTREL_TR_NOOP("Tables", "Snap Shot TU%"), KESTREL_TR_NOOP("Tables", "Snap Shot TU%:"),
                 TuPercentPositions[1], prompt::UpTo100,
                 {u"cmdSnapT", {}, KESTREL_TR_NOOP("Tables", "Click to change the snap shot TU percentage.")}),
    fields::Byte(KESTREL_TR_NOOP("Tables", "Aimed Shot TU%"), KESTREL_TR_NOOP("Tables", "Aimed Shot TU%:"),
                 TuPercentPositions[2], prompt::UpTo100,
                 {u"cmdAimT", {}, KESTREL_TR_NOOP("Tables", "Click to change the aimed shot TU percentage.")}),
    {KESTREL_TR_NOOP("Tables", "Damage Type"), KESTREL_TR_NOOP("Tables", "Damage Type"),
     FieldKind::DamageType, DamageTypePosition, 1, {}, nullptr, {u"Frame2"}},
}};

inline constexpr const FieldDescription& NameField = Fields.front();
inline constexpr const FieldDescription& DamageTypeField = Fields.back();
static_assert(NameField.kind == FieldKind::Name && DamageTypeField.kind == FieldKind::DamageType);

inline constexpr TableLayout Layout = {
    u"items", GameFile::Items, SameInEveryBuild(0), RecordSize, RecordCount, FileSize, Fields, nullptr, &StepSubject,
};

} // namespace items
