// The starting stores block: engineers, scientists, then 16-bit item amounts, and the
// 84 lines of the stores list that show and edit them.
#pragma once

#include "core/ValuePrompt.h"
#include "tables/FieldDescription.h"
#include "tables/TableLayout.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <array>
#include <string_view>

namespace stores {

inline constexpr VersionOffsets BlockStart = {
    455206,  // 0x6F226
    391966,  // 0x5FB1E
    373958,  // 0x5B4C6
};
inline constexpr qsizetype EngineersPosition = 0;
inline constexpr qsizetype ScientistsPosition = 1;
inline constexpr int AmountFieldCount = 96;
// Engineers, scientists and 96 two-byte amount fields; nothing past it is touched.
inline constexpr qsizetype BlockSize = 2 + 2 * AmountFieldCount;

[[nodiscard]] constexpr qsizetype AmountPosition(int field) { return 2 + 2 * field; }

inline constexpr int NoField = -1;

// One line of the stores list. Width 1 is a personnel count, one of the block's first
// two bytes; width 2 is an amount field, low byte first.
struct StoresEntry {
    int index;
    std::u16string_view label;
    int width;
    int field = NoField;
};

[[nodiscard]] constexpr qsizetype Position(const StoresEntry& entry)
{
    return entry.width == 1 ? EngineersPosition + entry.index : AmountPosition(entry.field);
}

// In list order. The game's own spelling "Blaseter" is kept; fields 43-48, 62-64, 76-79
// and 82 hold things a new base never starts with and are left out.
inline constexpr std::array<StoresEntry, 84> StartingStoresTable = {{
    {0, u"Engineers - ", 1},
    {1, u"Scientists - ", 1},
    {2, u"Stingray Launchers - ", 2, 0},
    {3, u"Avalanche Launchers - ", 2, 1},
    {4, u"Cannons - ", 2, 2},
    {5, u"Fusion Ball Launchers - ", 2, 3},
    {6, u"Laser Cannons - ", 2, 4},
    {7, u"Plasma Beams - ", 2, 5},
    {8, u"Stingray Missiles - ", 2, 6},
    {9, u"Avalanche Missiles - ", 2, 7},
    {10, u"Cannon Rounds(x50) - ", 2, 8},
    {11, u"Fusion Balls - ", 2, 9},
    {12, u"Tank/Cannons - ", 2, 10},
    {13, u"Tank/Rocket Launchers - ", 2, 11},
    {14, u"Tank/Laser Cannons - ", 2, 12},
    {15, u"Tank/Plasmas - ", 2, 13},
    {16, u"Tank/Launchers - ", 2, 14},
    {17, u"Pistols - ", 2, 15},
    {18, u"Pistol Clips - ", 2, 16},
    {19, u"Rifles - ", 2, 17},
    {20, u"Rifle Clips - ", 2, 18},
    {21, u"Heavy Cannons - ", 2, 19},
    {22, u"HC-AP Ammo - ", 2, 20},
    {23, u"HC-HE Ammo - ", 2, 21},
    {24, u"HC-IN Ammo - ", 2, 22},
    {25, u"Auto Cannons - ", 2, 23},
    {26, u"AC-AP Ammo - ", 2, 24},
    {27, u"AC-HE Ammo - ", 2, 25},
    {28, u"AC-IN Ammo - ", 2, 26},
    {29, u"Rocket Launchers - ", 2, 27},
    {30, u"Small Rockets - ", 2, 28},
    {31, u"Large Rockets - ", 2, 29},
    {32, u"Incendiary Rockets - ", 2, 30},
    {33, u"Laser Pistols - ", 2, 31},
    {34, u"Laser Rifles - ", 2, 32},
    {35, u"Heavy Lasers - ", 2, 33},
    {36, u"Grenades - ", 2, 34},
    {37, u"Smoke Grenades - ", 2, 35},
    {38, u"Proximity Grenades - ", 2, 36},
    {39, u"High Explosives - ", 2, 37},
    {40, u"Motion Scanners - ", 2, 38},
    {41, u"Medi-Kits - ", 2, 39},
    {42, u"Psi-Amps - ", 2, 40},
    {43, u"Stun Rods - ", 2, 41},
    {44, u"Electro Flares - ", 2, 42},
    {45, u"Heavy Plasma - ", 2, 49},
    {46, u"Heavy Plasma Clips - ", 2, 50},
    {47, u"Plasma Rifles - ", 2, 51},
    {48, u"Plasma Rifle Clips - ", 2, 52},
    {49, u"Plasma Pistols - ", 2, 53},
    {50, u"Plasma Pistol Clips - ", 2, 54},
    {51, u"Blaseter Launchers - ", 2, 55},
    {52, u"Blaseter Bombs - ", 2, 56},
    {53, u"Small Launchers - ", 2, 57},
    {54, u"Stun Bombs - ", 2, 58},
    {55, u"Alien Grenades - ", 2, 59},
    {56, u"Elerium-115 - ", 2, 60},
    {57, u"Mind Probes - ", 2, 61},
    {58, u"Sectoid Corpses - ", 2, 65},
    {59, u"Snakeman Corpses - ", 2, 66},
    {60, u"Ethereal Corpses - ", 2, 67},
    {61, u"Muton Corpses - ", 2, 68},
    {62, u"Floater Corpses - ", 2, 69},
    {63, u"Celatid Corpses - ", 2, 70},
    {64, u"Silacoid Corpses - ", 2, 71},
    {65, u"Chryssalid Corpses - ", 2, 72},
    {66, u"Reaper Corpses - ", 2, 73},
    {67, u"Sectopod Corpses - ", 2, 74},
    {68, u"Cyberdisc Corpses - ", 2, 75},
    {69, u"UFO Power Sources - ", 2, 80},
    {70, u"UFO Navigations - ", 2, 81},
    {71, u"Alien Food - ", 2, 83},
    {72, u"Alien Reproductions - ", 2, 84},
    {73, u"Alien Entertainments - ", 2, 85},
    {74, u"Alien Surgeries - ", 2, 86},
    {75, u"Examination Rooms - ", 2, 87},
    {76, u"Alien Alloys - ", 2, 88},
    {77, u"Alien Habitats - ", 2, 89},
    {78, u"Personal Armour - ", 2, 90},
    {79, u"Power Suits - ", 2, 91},
    {80, u"Flying Suits - ", 2, 92},
    {81, u"HWP Cannon Shells - ", 2, 93},
    {82, u"HWP Rockets - ", 2, 94},
    {83, u"HWP Fusion Bombs - ", 2, 95},
}};

// Each entry sits at its own list index, in the block, and no two share a byte.
static_assert([] {
    qsizetype nextFree = 0;
    for (std::size_t i = 0; i < StartingStoresTable.size(); ++i) {
        const StoresEntry& entry = StartingStoresTable[i];
        const bool personnel = entry.width == 1 && entry.field == NoField && i < 2;
        const bool amount = entry.width == 2 && entry.field >= 0 && entry.field < AmountFieldCount;
        if (entry.index != int(i) || !(personnel || amount) || Position(entry) < nextFree)
            return false;
        nextFree = Position(entry) + entry.width;
    }
    return nextFree <= BlockSize;
}());

// Engineers and scientists: the game's own cap, asked with a first answer above it.
inline constexpr BytePrompt PersonnelPrompt = {
    250, u"(Remember, this cannot exceed 250).", {}, prompt::StoresSentinel};

// The stored count or amount, unsigned, as the list shows it.
[[nodiscard]] int StoredAmount(const QByteArray& exe, GameVersion version, const StoresEntry& entry);

// Every line has one field, its amount; a line's width says how many bytes it has.
inline constexpr std::array<FieldDescription, 1> Fields = {{{u"Amount", u"Amount", FieldKind::StoresAmount, 0, 2}}};
inline constexpr const FieldDescription& AmountField = Fields[0];

// The name of the line's record: its label without the " - " before the amount.
[[nodiscard]] QString RecordName(const StoresEntry& entry);
[[nodiscard]] QString LineName(int line);

// A line is a record; the lines are not evenly spaced and are one or two bytes wide.
inline constexpr TableLayout Layout = {
    u"stores", GameFile::Executable, BlockStart, 0, int(StartingStoresTable.size()), BlockSize, Fields, &LineName,
    nullptr, [](int line) { return Position(StartingStoresTable[std::size_t(line)]); },
    [](int line) { return qsizetype(StartingStoresTable[std::size_t(line)].width); },
};

// The list line: the label, then the amount in plain decimal.
[[nodiscard]] QString LineText(const QByteArray& exe, GameVersion version, const StoresEntry& entry);

} // namespace stores
