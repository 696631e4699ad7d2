// Captions of the facility codes of the starting base grid.
#include "tables/FacilityCodes.h"

#include "core/TableText.h"

#include <string_view>

namespace facilitycodes {
namespace {

// Index = code, for codes 0 to 19; the grid shows the radars and hangar quarters on two lines.
constexpr std::array<std::u16string_view, 20> Captions = {
    u"Access Lift",
    u"Living Quarters",
    u"Laboratory",
    u"Workshop",
    u"Small\nRadar System",
    u"Large\nRadar System",
    u"Missile Defense",
    u"General Stores",
    u"Alien Containment",
    u"Laser Defense",
    u"Plasma Defense",
    u"Fusion Ball Defense",
    u"Grav Shield",
    u"Mind Shield",
    u"Psionic Laboratory",
    u"Hyper-wave Decoder",
    u"Hangar\n(Top Left)",
    u"Hangar\n(Top Right)",
    u"Hangar\n(Bottom Left)",
    u"Hangar\n(Bottom Right)",
};

} // namespace

QString FacilityCaption(std::uint8_t code)
{
    if (code == Empty)
        return QStringLiteral("Empty");
    if (code >= Captions.size())
        return {};
    return ToQString(Captions[code]);
}

QString OneLineName(std::uint8_t code)
{
    return FacilityCaption(code).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

} // namespace facilitycodes
