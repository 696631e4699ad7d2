// The combat statistics of the 33 unit types: 39-byte records, counted from the flying flag.
#pragma once

#include "core/ValuePrompt.h"
#include "tables/VersionOffsets.h"

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
inline constexpr std::u16string_view FlyingLabel = u"Flying Ability?:";

inline constexpr qsizetype BraveryPosition = 27;

// Bravery is kept as a code b and shown as 110 - 10 * b (code 12 shows -10).
[[nodiscard]] QString BraveryShown(std::uint8_t code);
// The code nearest to (110 - typed) / 10, a half to the even neighbour; nothing when that
// code does not fit a byte (an answer below -2444), so the prompt asks again.
[[nodiscard]] std::optional<std::uint8_t> BraveryStored(double typed);

inline constexpr std::u16string_view BraveryLimit = u"(Remember, the number cannot exceed 110).";
inline constexpr std::array<std::u16string_view, 1> BraveryLines = {u"The number must also be divisible by 10."};

// One value button of the unit editor: the byte it shows and how it is asked for.
struct UnitField {
    qsizetype position;         // within the record
    std::u16string_view control; // objectName of its button
    std::u16string_view label;
    BytePrompt prompt;
};

// Positions 8, 14 to 24 and 28 to 38 are not the editor's and stay untouched.
inline constexpr std::array<UnitField, 15> Fields = {{
    {1, u"cmdTU", u"Time Units:", {.limit = 255, .limitLine = prompt::Limit255Line}},
    {2, u"cmdHealth", u"Health:", {.limit = 255, .limitLine = prompt::Limit255Line}},
    {3, u"cmdEnrg", u"Energy:", {.limit = 255, .limitLine = prompt::Limit255Line}},
    {4, u"cmdReac", u"Reaction:", {.limit = 255, .limitLine = prompt::Limit255Line}},
    {5, u"cmdStr", u"Strength:", {.limit = 100, .limitLine = prompt::Limit100Line}},
    {6, u"cmdFirA", u"Firing Accuracy:", {.limit = 100, .limitLine = prompt::Limit100Line}},
    {7, u"cmdThrA", u"Throwing Accuracy:", {.limit = 100, .limitLine = prompt::Limit100Line}},
    {9, u"cmdFrA", u"Front Armour:", {.limit = 255, .limitLine = prompt::Limit255Line}},
    {10, u"cmdLefA", u"Left Armour:", {.limit = 255, .limitLine = prompt::Limit255Line}},
    {11, u"cmdRigA", u"Right Armour:", {.limit = 255, .limitLine = prompt::Limit255Line}},
    {12, u"cmdReaA", u"Rear Armour:", {.limit = 255, .limitLine = prompt::Limit255Line}},
    {13, u"cmdUndA", u"Under Armour:", {.limit = 255, .limitLine = prompt::Limit255Line}},
    {25, u"cmdPsiSk", u"Psi Skill:", {.limit = 100, .limitLine = prompt::Limit100Line}},
    {26, u"cmdPsiSt", u"Psi Strength:", {.limit = 100, .limitLine = prompt::Limit100Line}},
    {BraveryPosition, u"cmdBrav", u"Bravery:",
     {.limit = 110, .limitLine = BraveryLimit, .extraLines = BraveryLines, .shown = &BraveryShown,
      .stored = &BraveryStored}},
}};

// The caption of a field's button for the byte stored there.
[[nodiscard]] QString ShownValue(const UnitField& field, std::uint8_t stored);

// The record offset of a unit, the same in every build; -1 for a number outside the list.
[[nodiscard]] qsizetype RecordOffset(int unit);

} // namespace units
