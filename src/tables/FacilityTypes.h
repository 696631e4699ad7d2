// The 17 facility types of the facility statistics, with the standard-to-build values.
#pragma once

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
    {u"Access Lift", 5, 1},
    {u"Living Quarters", 4, 0},
    {u"Laboratory", 4, 0},
    {u"Workshop", 4, 0},
    {u"Small Radar System", 5, 1},
    {u"Large Radar System", 4, 0},
    {u"Missile Defense", 5, 1},
    {u"General Stores", 4, 0},
    {u"Alien Containment", 4, 0},
    {u"Laser Defense", 14, 10},
    {u"Plasma Defense", 14, 10},
    {u"Fusion Ball Defense", 14, 10},
    {u"Grav Shield", 13, 9},
    {u"Mind Shield", 13, 9},
    {u"Psionic Laboratory", 12, 8},
    {u"Hyper-wave Decoder", 13, 9},
    {u"Hangar", 4, 0},
}};

[[nodiscard]] QString Name(int type);

// Whether a stored standard flag is exactly the type's Yes value; false for a type outside
// the list. Any other byte, the No value or not, reads as No.
[[nodiscard]] bool IsStandardValue(int type, std::uint8_t value);

// The whole byte a choice of Yes or No writes for the type; 0 outside the list.
[[nodiscard]] std::uint8_t StandardValue(int type, bool standard);

} // namespace facilitytypes
