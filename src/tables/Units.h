// The combat statistics of the 33 unit types: 39-byte records, counted from the flying flag.
#pragma once

#include "core/ValuePrompt.h"
#include "tables/FieldDescription.h"
#include "tables/TableLayout.h"
#include "tables/UnitNames.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace units {

inline constexpr VersionOffsets Start = {
    480147,  // 0x75393
    397735,  // 0x611A7
    379731,  // 0x5CB53
};
inline constexpr qsizetype RecordSize = 39;
inline constexpr int RecordCount = 33;
inline constexpr qsizetype Size = RecordSize * RecordCount;

// A stored 1 means the unit flies, any other value that it does not; the editor writes 1 or 0.
inline constexpr qsizetype FlyingPosition = 0;
inline constexpr std::uint8_t Flies = 1;
inline constexpr std::uint8_t DoesNotFly = 0;

inline constexpr qsizetype BraveryPosition = 27;

// Bravery is kept as a code b and shown as 110 - 10 * b (code 12 shows -10).
[[nodiscard]] QString BraveryShown(std::uint8_t code);
// The code nearest to (110 - typed) / 10, a half to the even neighbour; nothing when that
// code does not fit a byte (an answer below -2444), so the prompt asks again.
[[nodiscard]] std::optional<std::uint8_t> BraveryStored(double typed);

inline constexpr std::u16string_view BraveryLimit =
    KESTREL_TR_NOOP("Prompts", "(Remember, the number cannot exceed 110).");
inline constexpr std::array<std::u16string_view, 1> BraveryLines = {
    KESTREL_TR_NOOP("Prompts", "The number must also be divisible by 10.")};

[[nodiscard]] constexpr std::uint8_t FlyingValue(int /*unit*/, bool flies)
{
    return flies ? Flies : DoesNotFly;
}

// In the order the tab shows them, down three columns. Positions 8, 14 to 24 and 28 to 38
// are not the editor's and stay untouched.
inline constexpr std::array<FieldDescription, 16> Fields = {{
    fields::Byte(KESTREL_TR_NOOP("Tables", "Time Units"), KESTREL_TR_NOOP("Tables", "Time Units:"),
                 1, prompt::UpTo255, {u"cmdTU"}),
    fields::Byte(KESTREL_TR_NOOP("Tables", "Health"), KESTREL_TR_NOOP("Tables", "Health:"),
                 2, prompt::UpTo255, {u"cmdHealth"}),
    fields::Byte(KESTREL_TR_NOOP("Tables", "Energy"), KESTREL_TR_NOOP("Tables", "Energy:"),
                 3, prompt::UpTo255, {u"cmdEnrg"}),
    fields::Byte(KESTREL_TR_NOOP("Tables", "Reaction"), KESTREL_TR_NOOP("Tables", "Reaction:"),
                 4, prompt::UpTo255, {u"cmdReac"}),
    fields::Byte(KESTREL_TR_NOOP("Tables", "Strength"), KESTREL_TR_NOOP("Tables", "Strength:"),
                 5, prompt::UpTo100, {u"cmdStr"}),
    fields::Byte(KESTREL_TR_NOOP("Tables", "Firing Accuracy"), KESTREL_TR_NOOP("Tables", "Firing Accuracy:"),
                 6, prompt::UpTo100, {u"cmdFirA"}),
    fields::Byte(KESTREL_TR_NOOP("Tables", "Throwing Accuracy"), KESTREL_TR_NOOP("Tables", "Throwing Accuracy:"),
                 7, prompt::UpTo100, {u"cmdThrA"}),
    fields::Byte(KESTREL_TR_NOOP("Tables", "Front Armour"), KESTREL_TR_NOOP("Tables", "Front Armour:"),
                 9, prompt::UpTo255, {u"cmdFrA"}),
    fields::Byte(KESTREL_TR_NOOP("Tables", "Left Armour"), KESTREL_TR_NOOP("Tables", "Left Armour:"),
                 10, prompt::UpTo255, {u"cmdLefA"}),
    fields::Byte(KESTREL_TR_NOOP("Tables", "Right Armour"), KESTREL_TR_NOOP("Tables", "Right Armour:"),
                 11, prompt::UpTo255, {u"cmdRigA"}),
    fields::Byte(KESTREL_TR_NOOP("Tables", "Rear Armour"), KESTREL_TR_NOOP("Tables", "Rear Armour:"),
                 12, prompt::UpTo255, {u"cmdReaA"}),
    fields::Byte(KESTREL_TR_NOOP("Tables", "Under Armour"), KESTREL_TR_NOOP("Tables", "Under Armour:"),
                 13, prompt::UpTo255, {u"cmdUndA"}),
    fields::Byte(KESTREL_TR_NOOP("Tables", "Psi Skill"), KESTREL_TR_NOOP("Tables", "Psi Skill:"),
                 25, prompt::UpTo100, {u"cmdPsiSk"}),
    fields::Byte(KESTREL_TR_NOOP("Tables", "Psi Strength"), KESTREL_TR_NOOP("Tables", "Psi Strength:"),
                 26, prompt::UpTo100, {u"cmdPsiSt"}),
    {KESTREL_TR_NOOP("Tables", "Bravery"), KESTREL_TR_NOOP("Tables", "Bravery:"),
     FieldKind::Bravery, BraveryPosition, 1,
     {.limit = 110, .limitLine = BraveryLimit, .extraLines = BraveryLines, .shown = &BraveryShown,
      .stored = &BraveryStored},
     nullptr, {u"cmdBrav"}},
    {KESTREL_TR_NOOP("Tables", "Flying Ability"), KESTREL_TR_NOOP("Tables", "Flying Ability?:"),
     FieldKind::Flag, FlyingPosition, 1, {}, nullptr, {u"Frame1", {}, {}, u"optYesU", u"optNoU"},
     &FlyingValue},
}};

inline constexpr const FieldDescription& FlyingField = Fields.back();
static_assert(FlyingField.kind == FieldKind::Flag);

inline constexpr TableLayout Layout = {
    u"units", GameFile::Executable, Start, RecordSize, RecordCount, Size, Fields, &unitnames::Name,
};

} // namespace units
