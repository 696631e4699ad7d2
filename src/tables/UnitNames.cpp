// Names of the unit types.
#include "tables/UnitNames.h"

#include "core/TableText.h"

namespace unitnames {

QString Name(int unit)
{
    if (unit < 0 || unit >= int(All.size()))
        return {};
    return ToQString(All[std::size_t(unit)]);
}

} // namespace unitnames
