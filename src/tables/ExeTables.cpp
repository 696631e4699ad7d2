// The spans of all executable tables of a build.
#include "tables/ExeTables.h"

#include "core/TableText.h"
#include "tables/BaseGrid.h"
#include "tables/Facilities.h"
#include "tables/SoldierNames.h"
#include "tables/Stores.h"
#include "tables/Units.h"

namespace exetables {

std::vector<ExeTableSpan> All(GameVersion version)
{
    return {
        {ToQString(basegrid::TableName), basegrid::Start.For(version), basegrid::Size},
        {ToQString(stores::TableName), stores::BlockStart.For(version), stores::BlockSize},
        {ToQString(facilities::TableName), facilities::Start.For(version), facilities::Size},
        {ToQString(units::TableName), units::Start.For(version), units::Size},
        {ToQString(soldiernames::LastNames.table), soldiernames::LastNameStart.For(version),
         soldiernames::SlotCount * soldiernames::LastNameSlotSize},
        {ToQString(soldiernames::FirstNames.table), soldiernames::FirstNameStart.For(version),
         soldiernames::SlotCount * soldiernames::FirstNameSlotSize},
    };
}

} // namespace exetables
