// Names of the facility types.
#include "tables/FacilityTypes.h"

namespace facilitytypes {

QString Name(int type)
{
    if (type < 0 || type >= int(All.size()))
        return {};
    const std::u16string_view name = All[std::size_t(type)].name;
    return QString::fromUtf16(name.data(), qsizetype(name.size()));
}

} // namespace facilitytypes
