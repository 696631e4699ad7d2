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
    {0, KESTREL_TR_NOOP("Stores", "Engineers - "), 1},
    {1, KESTREL_TR_NOOP("Stores", "Scientists - "), 1},
    {2, KESTREL_TR_NOOP("Stores", "Stingray Launchers - "), 2, 0},
    {3, KESTREL_TR_NOOP("Stores", "Avalanche Launchers - "), 2, 1},
    {4, KESTREL_TR_NOOP("Stores", "Cannons - "), 2, 2},
    {5, KESTREL_TR_NOOP("Stores", "Fusion Ball Launchers - "), 2, 3},
    {6, KESTREL_TR_NOOP("Stores", "Laser Cannons - "), 2, 4},
    {7, KESTREL_TR_NOOP("Stores", "Plasma Beams - "), 2, 5},
    {8, KESTREL_TR_NOOP("Stores", "Stingray Missiles - "), 2, 6},
    {9, KESTREL_TR_NOOP("Stores", "Avalanche Missiles - "), 2, 7},
    {10, KESTREL_TR_NOOP("Stores", "Cannon Rounds(x50) - "), 2, 8},
    {11, KESTREL_TR_NOOP("Stores", "Fusion Balls - "), 2, 9},
    {12, KESTREL_TR_NOOP("Stores", "Tank/Cannons - "), 2, 10},
    {13, KESTREL_TR_NOOP("Stores", "Tank/Rocket Launchers - "), 2, 11},
    {14, KESTREL_TR_NOOP("Stores", "Tank/Laser Cannons - "), 2, 12},
    {15, KESTREL_TR_NOOP("Stores", "Tank/Plasmas - "), 2, 13},
    {16, KESTREL_TR_NOOP("Stores", "Tank/Launchers - "), 2, 14},
    {17, KESTREL_TR_NOOP("Stores", "Pistols - "), 2, 15},
    {18, KESTREL_TR_NOOP("Stores", "Pistol Clips - "), 2, 16},
    {19, KESTREL_TR_NOOP("Stores", "Rifles - "), 2, 17},
    {20, KESTREL_TR_NOOP("Stores", "Rifle Clips - "), 2, 18},
    {21, KESTREL_TR_NOOP("Stores", "Heavy Cannons - "), 2, 19},
    {22, KESTREL_TR_NOOP("Stores", "HC-AP Ammo - "), 2, 20},
    {23, KESTREL_TR_NOOP("Stores", "HC-HE Ammo - "), 2, 21},
    {24, KESTREL_TR_NOOP("Stores", "HC-IN Ammo - "), 2, 22},
    {25, KESTREL_TR_NOOP("Stores", "Auto Cannons - "), 2, 23},
    {26, KESTREL_TR_NOOP("Stores", "AC-AP Ammo - "), 2, 24},
    {27, KESTREL_TR_NOOP("Stores", "AC-HE Ammo - "), 2, 25},
    {28, KESTREL_TR_NOOP("Stores", "AC-IN Ammo - "), 2, 26},
    {29, KESTREL_TR_NOOP("Stores", "Rocket Launchers - "), 2, 27},
    {30, KESTREL_TR_NOOP("Stores", "Small Rockets - "), 2, 28},
    {31, KESTREL_TR_NOOP("Stores", "Large Rockets - "), 2, 29},
    {32, KESTREL_TR_NOOP("Stores", "Incendiary Rockets - "), 2, 30},
    {33, KESTREL_TR_NOOP("Stores", "Laser Pistols - "), 2, 31},
    {34, KESTREL_TR_NOOP("Stores", "Laser Rifles - "), 2, 32},
    {35, KESTREL_TR_NOOP("Stores", "Heavy Lasers - "), 2, 33},
    {36, KESTREL_TR_NOOP("Stores", "Grenades - "), 2, 34},
    {37, KESTREL_TR_NOOP("Stores", "Smoke Grenades - "), 2, 35},
    {38, KESTREL_TR_NOOP("Stores", "Proximity Grenades - "), 2, 36},
    {39, KESTREL_TR_NOOP("Stores", "High Explosives - "), 2, 37},
    {40, KESTREL_TR_NOOP("Stores", "Motion Scanners - "), 2, 38},
    {41, KESTREL_TR_NOOP("Stores", "Medi-Kits - "), 2, 39},
    {42, KESTREL_TR_NOOP("Stores", "Psi-Amps - "), 2, 40},
    {43, KESTREL_TR_NOOP("Stores", "Stun Rods - "), 2, 41},
    {44, KESTREL_TR_NOOP("Stores", "Electro Flares - "), 2, 42},
    {45, KESTREL_TR_NOOP("Stores", "Heavy Plasma - "), 2, 49},
    {46, KESTREL_TR_NOOP("Stores", "Heavy Plasma Clips - "), 2, 50},
    {47, KESTREL_TR_NOOP("Stores", "Plasma Rifles - "), 2, 51},
    {48, KESTREL_TR_NOOP("Stores", "Plasma Rifle Clips - "), 2, 52},
    {49, KESTREL_TR_NOOP("Stores", "Plasma Pistols - "), 2, 53},
    {50, KESTREL_TR_NOOP("Stores", "Plasma Pistol Clips - "), 2, 54},
    {51, KESTREL_TR_NOOP("Stores", "Blaseter Launchers - "), 2, 55},
    {52, KESTREL_TR_NOOP("Stores", "Blaseter Bombs - "), 2, 56},
    {53, KESTREL_TR_NOOP("Stores", "Small Launchers - "), 2, 57},
    {54, KESTREL_TR_NOOP("Stores", "Stun Bombs - "), 2, 58},
    {55, KESTREL_TR_NOOP("Stores", "Alien Grenades - "), 2, 59},
    {56, KESTREL_TR_NOOP("Stores", "Elerium-115 - "), 2, 60},
    {57, KESTREL_TR_NOOP("Stores", "Mind Probes - "), 2, 61},
    {58, KESTREL_TR_NOOP("Stores", "Sectoid Corpses - "), 2, 65},
    {59, KESTREL_TR_NOOP("Stores", "Snakeman Corpses - "), 2, 66},
    {60, KESTREL_TR_NOOP("Stores", "Ethereal Corpses - "), 2, 67},
    {61, KESTREL_TR_NOOP("Stores", "Muton Corpses - "), 2, 68},
    {62, KESTREL_TR_NOOP("Stores", "Floater Corpses - "), 2, 69},
    {63, KESTREL_TR_NOOP("Stores", "Celatid Corpses - "), 2, 70},
    {64, KESTREL_TR_NOOP("Stores", "Silacoid Corpses - "), 2, 71},
    {65, KESTREL_TR_NOOP("Stores", "Chryssalid Corpses - "), 2, 72},
    {66, KESTREL_TR_NOOP("Stores", "Reaper Corpses - "), 2, 73},
    {67, KESTREL_TR_NOOP("Stores", "Sectopod Corpses - "), 2, 74},
    {68, KESTREL_TR_NOOP("Stores", "Cyberdisc Corpses - "), 2, 75},
    {69, KESTREL_TR_NOOP("Stores", "UFO Power Sources - "), 2, 80},
    {70, KESTREL_TR_NOOP("Stores", "UFO Navigations - "), 2, 81},
    {71, KESTREL_TR_NOOP("Stores", "Alien Food - "), 2, 83},
    {72, KESTREL_TR_NOOP("Stores", "Alien Reproductions - "), 2, 84},
    {73, KESTREL_TR_NOOP("Stores", "Alien Entertainments - "), 2, 85},
    {74, KESTREL_TR_NOOP("Stores", "Alien Surgeries - "), 2, 86},
    {75, KESTREL_TR_NOOP("Stores", "Examination Rooms - "), 2, 87},
    {76, KESTREL_TR_NOOP("Stores", "Alien Alloys - "), 2, 88},
    {77, KESTREL_TR_NOOP("Stores", "Alien Habitats - "), 2, 89},
    {78, KESTREL_TR_NOOP("Stores", "Personal Armour - "), 2, 90},
    {79, KESTREL_TR_NOOP("Stores", "Power Suits - "), 2, 91},
    {80, KESTREL_TR_NOOP("Stores", "Flying Suits - "), 2, 92},
    {81, KESTREL_TR_NOOP("Stores", "HWP Cannon Shells - "), 2, 93},
    {82, KESTREL_TR_NOOP("Stores", "HWP Rockets - "), 2, 94},
    {83, KESTREL_TR_NOOP("Stores", "HWP Fusion Bombs - "), 2, 95},
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
    250, KESTREL_TR_NOOP("Prompts", "(Remember, this cannot exceed 250)."), {}, prompt::StoresSentinel};

// The stored count or amount, unsigned, as the list shows it.
[[nodiscard]] int StoredAmount(const QByteArray& exe, GameVersion version, const StoresEntry& entry);

// Every line has one field, its amount; a line's width says how many bytes it has.
inline constexpr std::array<FieldDescription, 1> Fields = {
    {{KESTREL_TR_NOOP("Tables", "Amount"), KESTREL_TR_NOOP("Tables", "Amount"), FieldKind::StoresAmount, 0, 2}}};
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
