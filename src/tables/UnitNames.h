// The names of the 33 unit types of the unit statistics table, in record order.
#pragma once

#include <QString>

#include <array>
#include <string_view>

namespace unitnames {

// Index = unit number.
inline constexpr std::array<std::u16string_view, 33> All = {
    u"Floater Soldier",     u"Floater Navigator",   u"Floater Medic",       u"Floater Engineer",
    u"Floater Leader",      u"Floater Commander",   u"Reaper Terrorist",    u"Sectoid Soldier",
    u"Sectoid Navigator",   u"Sectoid Medic",       u"Sectoid Engineer",    u"Sectoid Leader",
    u"Sectoid Commander",   u"Snakeman Soldier",    u"Snakeman Navigator",  u"Snakeman Engineer",
    u"Snakeman Leader",     u"Snakeman Commander",  u"Ethereal Soldier",    u"Ethereal Leader",
    u"Ethereal Commander",  u"Muton Soldier",       u"Muton Navigator",     u"Muton Engineer",
    u"Tank",                u"Civilian 1",          u"Civilian 2",          u"Chryssalid Terrorist",
    u"Silacoid Terrorist",  u"Celatid Terrorist",   u"Sectopod Terrorist",  u"Cyberdisc Terrorist",
    u"Hover Tank",
};

[[nodiscard]] QString Name(int unit);

} // namespace unitnames
