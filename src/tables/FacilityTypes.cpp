// Names and standard-to-build values of the facility types.
#include "tables/FacilityTypes.h"

#include "core/TableText.h"

namespace facilitytypes {

QString Name(int type)
{
    if (type < 0 || type >= int(All.size()))
        return {};
    return ToQString(All[std::size_t(type)].name);
}

bool IsStandardValue(int type, std::uint8_t value)
{
    return type >= 0 && type < int(All.size()) && value == All[std::size_t(type)].yesValue;
}

std::uint8_t StandardValue(int type, bool standard)
{
    if (type < 0 || type >= int(All.size()))
        return 0;
    const FacilityType& facility = All[std::size_t(type)];
    return standard ? facility.yesValue : facility.noValue;
}

} // namespace facilitytypes
