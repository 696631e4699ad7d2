// The text of a days-left count.
#include "tables/DayCounts.h"

namespace daycounts {

QString DaysText(int days)
{
    if (days == 1)
        return QStringLiteral("1 Day");
    return QString::number(days) + QStringLiteral(" Days");
}

} // namespace daycounts
