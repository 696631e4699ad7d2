// Names of the unit types.
#include "tables/UnitNames.h"

namespace unitnames {

QString Name(int unit)
{
    if (unit < 0 || unit >= int(All.size()))
        return {};
    const std::u16string_view name = All[std::size_t(unit)];
    return QString::fromUtf16(name.data(), qsizetype(name.size()));
}

} // namespace unitnames
