// Plausible values for the tables of a sample install, from public facts about the game.
#pragma once

#include <array>
#include <cstdint>

namespace sample::facts {

struct UnitFacts {
    std::uint8_t flying;
    std::uint8_t timeUnits;
    std::uint8_t health;
    std::uint8_t energy;
    std::uint8_t reactions;
    std::uint8_t strength;
    std::uint8_t firing;
    std::uint8_t throwing;
    std::array<std::uint8_t, 5> armour;  // front, left, right, rear, under
    std::uint8_t psiSkill;
    std::uint8_t psiStrength;
    std::uint8_t braveryCode;             // bravery 110 - 10 * code
};

struct FacilityFacts {
    std::uint16_t costThousands;
    std::uint8_t days;
    std::uint8_t upkeepThousands;
    std::uint16_t defence;
    std::uint8_t hitRatio;
    std::uint8_t standardFlag;  // the type's Yes or No byte
};

struct ItemFacts {
    const char* name;
    std::uint8_t damage;
    std::array<std::uint8_t, 3> ammo;
    std::uint8_t damageType;
    std::array<std::uint8_t, 3> accuracy;   // auto, snap, aimed
    std::array<std::uint8_t, 3> tuPercent;  // auto, snap, aimed
};

struct StoredAmount {
    int field;
    std::uint16_t amount;
};

extern const std::array<UnitFacts, 33> Units;
extern const std::array<FacilityFacts, 17> Facilities;
extern const std::array<ItemFacts, 80> Items;

inline constexpr std::uint8_t Engineers = 10;
inline constexpr std::uint8_t Scientists = 10;
extern const std::array<StoredAmount, 18> StoredAmounts;
// Amount fields the stores list leaves out; the sample keeps the pattern in them.
inline constexpr std::array<int, 14> UnlistedAmountFields = {43, 44, 45, 46, 47, 48, 62, 63, 64, 76, 77, 78, 79, 82};

// Facility code of each cell, row by row; a hangar's four cells carry its quarters 16 to 19.
extern const std::array<std::uint8_t, 36> BaseFacilities;
inline constexpr std::uint8_t EmptyCell = 255;

extern const std::array<const char*, 40> FirstNames;
extern const std::array<const char*, 40> LastNames;

} // namespace sample::facts
