// The 17 facility types of the facility statistics, with the standard-to-build values.
#pragma once

#include "core/TableText.h"

#include <QString>

#include <array>
#include <cstdint>
#include <string_view>

struct FacilityType {
    std::u16string_view name;
    // The whole byte written for "standard to build" Yes and No; Yes is always No with
    // the bit of value 4 set, but the game keeps other bits per type, so both are stored.
    std::uint8_t yesValue;
    std::uint8_t noValue;
};

namespace facilitytypes {

// Index = type number, the order of the facility choice list.
inline constexpr std::array<FacilityType, 17> All = {{
    {KESTREL_TR_NOOP("Facilities", "Access Lift"), 5, 1},
    {KESTREL_TR_NOOP("Facilities", "Living Quarters"), 4, 0},
    {KESTREL_TR_NOOP("Facilities", "Laboratory"), 4, 0},
    {KESTREL_TR_NOOP("Facilities", "Workshop"), 4, 0},
    {KESTREL_TR_NOOP("Facilities", "Small Radar System"), 5, 1},
    {KESTREL_TR_NOOP("Facilities", "Large Radar System"), 4, 0},
    {KESTREL_TR_NOOP("Facilities", "Missile Defense"), 5, 1},
    {KESTREL_TR_NOOP("Facilities", "General Stores"), 4, 0},
    {KESTREL_TR_NOOP("Facilities", "Alien Containment"), 4, 0},
    {KESTREL_TR_NOOP("Facilities", "Laser Defense"), 14, 10},
    {KESTREL_TR_NOOP("Facilities", "Plasma Defense"), 14, 10},
    {KESTREL_TR_NOOP("Facilities", "Fusion Ball Defense"), 14, 10},
    {KESTREL_TR_NOOP("Facilities", "Grav Shield"), 13, 9},
    {KESTREL_TR_NOOP("Facilities", "Mind Shield"), 13, 9},
    {KESTREL_TR_NOOP("Facilities", "Psionic Laboratory"), 12, 8},
    {KESTREL_TR_NOOP("Facilities", "Hyper-wave Decoder"), 13, 9},
    {KESTREL_TR_NOOP("Facilities", "Hangar"), 4, 0},
}};

[[nodiscard]] QString Name(int type);

// Whether a stored standard flag is exactly the type's Yes value; false for a type outside
// the list. Any other byte, the No value or not, reads as No.
[[nodiscard]] bool IsStandardValue(int type, std::uint8_t value);

// The whole byte a choice of Yes or No writes for the type; 0 outside the list.
[[nodiscard]] std::uint8_t StandardValue(int type, bool standard);

} // namespace facilitytypes
