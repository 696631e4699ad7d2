// obdata.dat: 80 item records of 54 bytes, the same in every build, and the fields the
// item editor changes.
#pragma once

#include "core/ValuePrompt.h"

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

} // namespace items

// A button of the item editor: its control, the label beside it and its tool tip.
struct ItemControl {
    std::u16string_view buttonName;
    std::u16string_view label;
    std::u16string_view toolTip;
};

// A one-byte field of the chosen record, edited through the "Change Amount" box.
struct ItemField {
    ItemControl control;
    qsizetype position;
    BytePrompt prompt;
};

namespace items {

inline constexpr ItemControl NameControl = {u"cmdName", u"Name:", u"Click to change the name."};

// The name is shown and written as all 20 bytes.
inline constexpr NamePrompt Rename = {u"What would you like the new name to be?",
                                      u"(remember it cannot exceed 20 characters)", NameLength, NameLength};

inline constexpr std::u16string_view AmmoLimitLine = u"(Remember, the number cannot exceed 79).";
inline constexpr std::array<std::u16string_view, 2> AmmoExtraLines = {
    u"This corresponds with the index number displayed below the list. An index of 255 means no ammo.",
    u"I suggest only changing this for a weapon and only using actual ammo indexes.",
};

inline constexpr BytePrompt ByteField = {255, prompt::Limit255Line};
inline constexpr BytePrompt AmmoField = {HighestIndex, AmmoLimitLine, AmmoExtraLines};
inline constexpr BytePrompt PercentField = {100, prompt::Limit100Line};

// In the order the tab shows them, below the name.
inline constexpr std::array<ItemField, 10> Fields = {{
    {{u"cmdDamage", u"Damage:", u"Click to change the damage this item deals."}, DamagePosition, ByteField},
    {{u"cmdAmmo1", u"Ammo Type 1:", u"Change Ammo Type 1. Use index number of Ammo item."}, AmmoPositions[0],
     AmmoField},
    {{u"cmdAmmo2", u"Ammo Type 2:", u"Change Ammo Type 2. Use index number of Ammo item."}, AmmoPositions[1],
     AmmoField},
    {{u"cmdAmmo3", u"Ammo Type 3:", u"Change Ammo Type 3. Use index number of Ammo item."}, AmmoPositions[2],
     AmmoField},
    {{u"cmdAutoA", u"Autoshot Accuracy:", u"Click to change the autoshot accuracy."}, AccuracyPositions[0],
     ByteField},
    {{u"cmdSnapA", u"Snap Shot Accuracy:", u"Click to change the snap shot accuracy."}, AccuracyPositions[1],
     ByteField},
    {{u"cmdAimA", u"Aimed Shot Accuracy:", u"Click to change the aimed shot accuracy."}, AccuracyPositions[2],
     ByteField},
    {{u"cmdAutoT", u"Autoshot TU%:", u"Click to change the autoshot TU percentage."}, TuPercentPositions[0],
     PercentField},
    {{u"cmdSnapT", u"Snap Shot TU%:", u"Click to change the snap shot TU percentage."}, TuPercentPositions[1],
     PercentField},
    {{u"cmdAimT", u"Aimed Shot TU%:", u"Click to change the aimed shot TU percentage."}, TuPercentPositions[2],
     PercentField},
}};

} // namespace items
