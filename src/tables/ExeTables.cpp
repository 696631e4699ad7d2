// The spans of all executable tables of a build.
#include "tables/ExeTables.h"

#include "tables/BaseGrid.h"
#include "tables/Facilities.h"
#include "tables/SoldierNames.h"
#include "tables/Stores.h"
#include "tables/Units.h"

namespace exetables {

std::vector<ExeTableSpan> All(GameVersion version)
{
    return {
        {QStringLiteral("base grid"), basegrid::Start.For(version), basegrid::Size},
        {QStringLiteral("stores"), stores::BlockStart.For(version), stores::BlockSize},
        {QStringLiteral("facilities"), facilities::Start.For(version), facilities::Size},
        {QStringLiteral("units"), units::Start.For(version), units::Size},
        {QStringLiteral("last names"), soldiernames::LastNameStart.For(version),
         soldiernames::SlotCount * soldiernames::LastNameSlotSize},
        {QStringLiteral("first names"), soldiernames::FirstNameStart.For(version),
         soldiernames::SlotCount * soldiernames::FirstNameSlotSize},
    };
}

} // namespace exetables
