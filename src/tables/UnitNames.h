// The names of the 33 unit types of the unit statistics table, in record order.
#pragma once

#include "core/TableText.h"

#include <QString>

#include <array>
#include <string_view>

namespace unitnames {

// Index = unit number.
inline constexpr std::array<std::u16string_view, 33> All = {
    KESTREL_TR_NOOP("Units", "Floater Soldier"),
    KESTREL_TR_NOOP("Units", "Floater Navigator"),
    KESTREL_TR_NOOP("Units", "Floater Medic"),
    KESTREL_TR_NOOP("Units", "Floater Engineer"),
    KESTREL_TR_NOOP("Units", "Floater Leader"),
    KESTREL_TR_NOOP("Units", "Floater Commander"),
    KESTREL_TR_NOOP("Units", "Reaper Terrorist"),
    KESTREL_TR_NOOP("Units", "Sectoid Soldier"),
    KESTREL_TR_NOOP("Units", "Sectoid Navigator"),
    KESTREL_TR_NOOP("Units", "Sectoid Medic"),
    KESTREL_TR_NOOP("Units", "Sectoid Engineer"),
    KESTREL_TR_NOOP("Units", "Sectoid Leader"),
    KESTREL_TR_NOOP("Units", "Sectoid Commander"),
    KESTREL_TR_NOOP("Units", "Snakeman Soldier"),
    KESTREL_TR_NOOP("Units", "Snakeman Navigator"),
    KESTREL_TR_NOOP("Units", "Snakeman Engineer"),
    KESTREL_TR_NOOP("Units", "Snakeman Leader"),
    KESTREL_TR_NOOP("Units", "Snakeman Commander"),
    KESTREL_TR_NOOP("Units", "Ethereal Soldier"),
    KESTREL_TR_NOOP("Units", "Ethereal Leader"),
    KESTREL_TR_NOOP("Units", "Ethereal Commander"),
    KESTREL_TR_NOOP("Units", "Muton Soldier"),
    KESTREL_TR_NOOP("Units", "Muton Navigator"),
    KESTREL_TR_NOOP("Units", "Muton Engineer"),
    KESTREL_TR_NOOP("Units", "Tank"),
    KESTREL_TR_NOOP("Units", "Civilian 1"),
    KESTREL_TR_NOOP("Units", "Civilian 2"),
    KESTREL_TR_NOOP("Units", "Chryssalid Terrorist"),
    KESTREL_TR_NOOP("Units", "Silacoid Terrorist"),
    KESTREL_TR_NOOP("Units", "Celatid Terrorist"),
    KESTREL_TR_NOOP("Units", "Sectopod Terrorist"),
    KESTREL_TR_NOOP("Units", "Cyberdisc Terrorist"),
    KESTREL_TR_NOOP("Units", "Hover Tank"),
};

[[nodiscard]] QString Name(int unit);

} // namespace unitnames
