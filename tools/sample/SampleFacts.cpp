// Public facts about the game's tables, as plain data for the sample generator.
#include "sample/SampleFacts.h"

namespace sample::facts {

// flying, TU, health, energy, reactions, strength, firing, throwing, armour, psi skill, psi strength, bravery code
const std::array<UnitFacts, 33> Units = {{
    {1, 50, 35, 90, 50, 40, 50, 58, {8, 6, 6, 4, 12}, 0, 35, 3},  // Floater Soldier
    {1, 50, 35, 90, 50, 40, 50, 58, {8, 6, 6, 4, 12}, 0, 35, 3},  // Floater Navigator
    {1, 50, 35, 90, 50, 40, 50, 58, {8, 6, 6, 4, 12}, 0, 35, 3},  // Floater Medic
    {1, 50, 35, 90, 50, 40, 50, 58, {8, 6, 6, 4, 12}, 0, 35, 3},  // Floater Engineer
    {1, 55, 40, 95, 60, 47, 60, 58, {16, 12, 12, 8, 12}, 0, 40, 3},  // Floater Leader
    {1, 60, 45, 100, 66, 48, 63, 65, {24, 18, 18, 12, 16}, 0, 45, 3},  // Floater Commander
    {0, 62, 148, 90, 64, 90, 0, 0, {28, 28, 28, 28, 4}, 0, 35, 2},  // Reaper Terrorist
    {0, 54, 30, 90, 63, 30, 52, 58, {4, 3, 3, 2, 2}, 0, 40, 3},  // Sectoid Soldier
    {0, 54, 30, 90, 63, 30, 52, 58, {4, 3, 3, 2, 2}, 0, 40, 3},  // Sectoid Navigator
    {0, 54, 30, 90, 63, 30, 52, 58, {4, 3, 3, 2, 2}, 0, 40, 3},  // Sectoid Medic
    {0, 54, 30, 90, 63, 30, 52, 58, {4, 3, 3, 2, 2}, 0, 40, 3},  // Sectoid Engineer
    {0, 54, 30, 90, 63, 30, 52, 58, {4, 3, 3, 2, 2}, 50, 50, 3},  // Sectoid Leader
    {0, 54, 30, 90, 63, 30, 52, 58, {4, 3, 3, 2, 2}, 60, 50, 3},  // Sectoid Commander
    {0, 40, 45, 80, 45, 47, 58, 65, {20, 18, 18, 16, 12}, 0, 40, 3},  // Snakeman Soldier
    {0, 40, 45, 80, 45, 47, 58, 65, {20, 18, 18, 16, 12}, 0, 40, 3},  // Snakeman Navigator
    {0, 40, 45, 80, 45, 47, 58, 65, {20, 18, 18, 16, 12}, 0, 40, 3},  // Snakeman Engineer
    {0, 40, 45, 80, 55, 47, 65, 65, {20, 24, 24, 22, 20}, 0, 45, 3},  // Snakeman Leader
    {0, 45, 55, 84, 65, 47, 58, 65, {26, 26, 26, 22, 20}, 0, 50, 3},  // Snakeman Commander
    {1, 68, 55, 96, 75, 48, 74, 80, {35, 35, 35, 35, 35}, 40, 50, 3},  // Ethereal Soldier
    {1, 68, 55, 96, 75, 48, 74, 80, {40, 40, 40, 40, 40}, 45, 60, 3},  // Ethereal Leader
    {1, 68, 55, 96, 75, 48, 74, 80, {45, 45, 45, 45, 45}, 50, 65, 3},  // Ethereal Commander
    {0, 56, 125, 90, 60, 70, 54, 62, {20, 20, 20, 20, 10}, 0, 25, 3},  // Muton Soldier
    {0, 56, 125, 90, 60, 70, 54, 62, {24, 24, 24, 24, 15}, 0, 25, 3},  // Muton Navigator
    {0, 56, 125, 90, 60, 70, 54, 62, {28, 28, 28, 28, 20}, 0, 25, 3},  // Muton Engineer
    {0, 70, 90, 100, 20, 60, 60, 0, {90, 75, 75, 60, 60}, 0, 100, 0},  // Tank
    {0, 35, 30, 65, 30, 20, 30, 50, {0, 0, 0, 0, 0}, 0, 5, 3},  // Civilian 1
    {0, 35, 30, 65, 30, 20, 30, 50, {0, 0, 0, 0, 0}, 0, 5, 3},  // Civilian 2
    {0, 110, 96, 140, 70, 110, 0, 0, {34, 34, 34, 34, 34}, 0, 50, 1},  // Chryssalid Terrorist
    {0, 40, 114, 80, 40, 70, 0, 0, {50, 50, 50, 50, 10}, 0, 80, 1},  // Silacoid Terrorist
    {0, 70, 68, 90, 40, 70, 100, 0, {20, 20, 20, 20, 20}, 0, 80, 2},  // Celatid Terrorist
    {0, 62, 96, 90, 64, 90, 60, 0, {145, 130, 130, 100, 90}, 0, 100, 0},  // Sectopod Terrorist
    {1, 62, 120, 90, 64, 90, 60, 0, {34, 34, 34, 34, 34}, 0, 100, 0},  // Cyberdisc Terrorist
    {1, 100, 90, 100, 30, 60, 60, 0, {130, 130, 130, 130, 100}, 0, 100, 0},  // Hover Tank
}};

// cost $k, days, upkeep $k, defence, hit ratio, standard flag
const std::array<FacilityFacts, 17> Facilities = {{
    {300, 1, 4, 0, 0, 5},  // Access Lift
    {400, 16, 10, 0, 0, 4},  // Living Quarters
    {750, 26, 30, 0, 0, 4},  // Laboratory
    {800, 32, 35, 0, 0, 4},  // Workshop
    {500, 12, 10, 0, 0, 5},  // Small Radar System
    {800, 25, 15, 0, 0, 0},  // Large Radar System
    {200, 16, 5, 500, 50, 5},  // Missile Defenses
    {150, 10, 5, 0, 0, 4},  // General Stores
    {400, 18, 15, 0, 0, 0},  // Alien Containment
    {400, 24, 10, 600, 60, 14},  // Laser Defenses
    {600, 34, 12, 900, 70, 10},  // Plasma Defenses
    {800, 34, 14, 1200, 80, 10},  // Fusion Ball Defenses
    {1200, 38, 15, 0, 0, 9},  // Grav Shield
    {1300, 33, 5, 0, 0, 9},  // Mind Shield
    {750, 24, 16, 0, 0, 8},  // Psionic Laboratory
    {1400, 26, 30, 0, 0, 9},  // Hyper-wave Decoder
    {200, 25, 25, 0, 0, 4},  // Hangar
}};

// name, damage, ammo, damage type, accuracy, TU percent
const std::array<ItemFacts, 80> Items = {{
    {"PISTOL", 0, {1, 255, 255}, 255, {0, 60, 78}, {0, 18, 30}},
    {"PISTOL CLIP", 26, {255, 255, 255}, 0, {0, 0, 0}, {0, 0, 0}},
    {"RIFLE", 0, {3, 255, 255}, 255, {35, 60, 110}, {35, 25, 80}},
    {"RIFLE CLIP", 30, {255, 255, 255}, 0, {0, 0, 0}, {0, 0, 0}},
    {"HEAVY CANNON", 0, {5, 6, 7}, 255, {0, 60, 90}, {0, 33, 80}},
    {"CANNON AP-AMMO", 56, {255, 255, 255}, 0, {0, 0, 0}, {0, 0, 0}},
    {"CANNON HE-AMMO", 52, {255, 255, 255}, 2, {0, 0, 0}, {0, 0, 0}},
    {"CANNON I-AMMO", 60, {255, 255, 255}, 1, {0, 0, 0}, {0, 0, 0}},
    {"AUTO-CANNON", 0, {9, 10, 11}, 255, {32, 56, 82}, {40, 33, 80}},
    {"AUTO-CANNON AP-AMMO", 42, {255, 255, 255}, 0, {0, 0, 0}, {0, 0, 0}},
    {"AUTO-CANNON HE-AMMO", 44, {255, 255, 255}, 2, {0, 0, 0}, {0, 0, 0}},
    {"AUTO-CANNON I-AMMO", 48, {255, 255, 255}, 1, {0, 0, 0}, {0, 0, 0}},
    {"ROCKET LAUNCHER", 0, {13, 14, 15}, 255, {0, 55, 115}, {0, 45, 75}},
    {"SMALL ROCKET", 75, {255, 255, 255}, 2, {0, 0, 0}, {0, 0, 0}},
    {"LARGE ROCKET", 100, {255, 255, 255}, 2, {0, 0, 0}, {0, 0, 0}},
    {"INCENDIARY ROCKET", 90, {255, 255, 255}, 1, {0, 0, 0}, {0, 0, 0}},
    {"LASER PISTOL", 46, {255, 255, 255}, 3, {28, 40, 68}, {25, 20, 55}},
    {"LASER RIFLE", 60, {255, 255, 255}, 3, {46, 65, 100}, {34, 25, 50}},
    {"HEAVY LASER", 85, {255, 255, 255}, 3, {0, 50, 84}, {0, 33, 75}},
    {"GRENADE", 50, {255, 255, 255}, 2, {0, 0, 0}, {0, 0, 0}},
    {"SMOKE GRENADE", 60, {255, 255, 255}, 6, {0, 0, 0}, {0, 0, 0}},
    {"PROXIMITY GRENADE", 70, {255, 255, 255}, 2, {0, 0, 0}, {0, 0, 0}},
    {"HIGH EXPLOSIVE", 110, {255, 255, 255}, 2, {0, 0, 0}, {0, 0, 0}},
    {"MOTION SCANNER", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"MEDI-KIT", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"PSI-AMP", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"STUN ROD", 65, {255, 255, 255}, 5, {0, 0, 0}, {0, 0, 0}},
    {"Flare", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"empty", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"empty", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"empty", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"CORPSE", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"CORPSE & ARMOUR", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"CORPSE & POWER SUIT", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"Heavy Plasma", 0, {35, 255, 255}, 255, {50, 75, 110}, {35, 30, 60}},
    {"Heavy Plasma Clip", 115, {255, 255, 255}, 4, {0, 0, 0}, {0, 0, 0}},
    {"Plasma Rifle", 0, {37, 255, 255}, 255, {55, 86, 100}, {36, 30, 60}},
    {"Plasma Rifle Clip", 80, {255, 255, 255}, 4, {0, 0, 0}, {0, 0, 0}},
    {"Plasma Pistol", 0, {39, 255, 255}, 255, {50, 65, 85}, {30, 30, 60}},
    {"Plasma Pistol Clip", 52, {255, 255, 255}, 4, {0, 0, 0}, {0, 0, 0}},
    {"BLASTER LAUNCHER", 0, {41, 255, 255}, 255, {0, 0, 120}, {0, 0, 66}},
    {"BLASTER BOMB", 200, {255, 255, 255}, 2, {0, 0, 0}, {0, 0, 0}},
    {"SMALL LAUNCHER", 0, {43, 255, 255}, 255, {0, 65, 110}, {0, 40, 75}},
    {"STUN MISSILE", 90, {255, 255, 255}, 5, {0, 0, 0}, {0, 0, 0}},
    {"ALIEN GRENADE", 90, {255, 255, 255}, 2, {0, 0, 0}, {0, 0, 0}},
    {"ELERIUM-115", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"MIND PROBE", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"UNDEFINED", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"empty", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"empty", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"Sectoid Corpse", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"Snakeman Corpse", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"Ethereal Corpse", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"Muton Corpse", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"Floater Corpse", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"Celatid Corpse", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"Silacoid Corpse", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"Chryssalid Corpse", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"reaper corpse 1", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"reaper corpse 2", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"reaper corpse 3", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"reaper corpse 4", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"cyber 1", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"cyber 2", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"cyber 3", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"cyber 4", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"sectopod 1", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"sectopod 2", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"sectopod 3", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"sectopod 4", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"tank 1", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"tank 2", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"tank 3", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"tank 4", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"hovertank 1", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"hovertank 2", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"hovertank 3", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"hovertank 4", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"civilian M", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
    {"civilian F", 0, {255, 255, 255}, 255, {0, 0, 0}, {0, 0, 0}},
}};

const std::array<StoredAmount, 18> StoredAmounts = {{
    {0, 1}, {1, 1}, {2, 2}, {6, 25}, {7, 10}, {8, 1}, {15, 2}, {16, 8}, {17, 2}, {18, 8}, {19, 1}, {20, 6},
    {23, 1}, {24, 6}, {27, 1}, {28, 4}, {34, 5}, {35, 5}
}};

// Hangars at row 0 column 2, row 4 column 0 and row 4 column 4; the base in the middle.
const std::array<std::uint8_t, 36> BaseFacilities = {
    255, 255, 16,  17,  255, 255,
    255, 255, 18,  19,  255, 255,
    255, 255, 0,   1,   255, 255,
    255, 4,   7,   2,   3,   255,
    16,  17,  255, 255, 16,  17,
    18,  19,  255, 255, 18,  19,
};

const std::array<const char*, 40> FirstNames = {
    "Aaron", "Adam", "Adrian", "Alfredo", "Austin", "Aidan", "Alan", "Alexander", "Alistair", "Andrew",
    "Thomas", "Andreas", "Michael", "Frank", "Peter", "Alain", "Alban", "Armand", "Benoit", "Bruno",
    "Aleksandr", "Aleksey", "Anatoliy", "Andrey", "Anton", "Akinori", "Akira", "Daisuke", "Hachiro", "Hayate",
    "Adan", "Alberto", "Alejandro", "Alfonso", "Andres", "Francesco", "Alessandro", "Andrea", "Lorenzo",
    "Matteo"
};

const std::array<const char*, 40> LastNames = {
    "Becker", "Benedict", "Bowers", "Bradley", "Brewster", "Adams", "Anderson", "Atkinson", "Bailey", "Baird",
    "Mueller", "Schmidt", "Schneider", "Fischer", "Weber", "Andre", "Berger", "Bernard", "Bertrand", "Bonnet",
    "Alekseev", "Andreev", "Antonov", "Borisov", "Fedorov", "Abe", "Chiba", "Eguchi", "Fujimoto", "Fujita",
    "Aguilar", "Alba", "Alonso", "Alvarado", "Alvarez", "Rossi", "Russo", "Ferrari", "Esposito", "Bianchi"
};

} // namespace sample::facts
