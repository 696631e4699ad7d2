// Captions of the facility codes of the starting base grid.
#include "tables/FacilityCodes.h"

#include "core/TableText.h"

#include <string_view>

namespace facilitycodes {
namespace {

constexpr std::u16string_view EmptyCaption = KESTREL_TR_NOOP("Facilities", "Empty");

// Index = code, for codes 0 to 19; the grid shows the radars and hangar quarters on two lines.
constexpr std::array<std::u16string_view, 20> Captions = {
    KESTREL_TR_NOOP("Facilities", "Access Lift"),
    KESTREL_TR_NOOP("Facilities", "Living Quarters"),
    KESTREL_TR_NOOP("Facilities", "Laboratory"),
    KESTREL_TR_NOOP("Facilities", "Workshop"),
    KESTREL_TR_NOOP("Facilities", "Small\nRadar System"),
    KESTREL_TR_NOOP("Facilities", "Large\nRadar System"),
    KESTREL_TR_NOOP("Facilities", "Missile Defense"),
    KESTREL_TR_NOOP("Facilities", "General Stores"),
    KESTREL_TR_NOOP("Facilities", "Alien Containment"),
    KESTREL_TR_NOOP("Facilities", "Laser Defense"),
    KESTREL_TR_NOOP("Facilities", "Plasma Defense"),
    KESTREL_TR_NOOP("Facilities", "Fusion Ball Defense"),
    KESTREL_TR_NOOP("Facilities", "Grav Shield"),
    KESTREL_TR_NOOP("Facilities", "Mind Shield"),
    KESTREL_TR_NOOP("Facilities", "Psionic Laboratory"),
    KESTREL_TR_NOOP("Facilities", "Hyper-wave Decoder"),
    KESTREL_TR_NOOP("Facilities", "Hangar\n(Top Left)"),
    KESTREL_TR_NOOP("Facilities", "Hangar\n(Top Right)"),
    KESTREL_TR_NOOP("Facilities", "Hangar\n(Bottom Left)"),
    KESTREL_TR_NOOP("Facilities", "Hangar\n(Bottom Right)"),
};

} // namespace

QString FacilityCaption(std::uint8_t code)
{
    if (code == Empty)
        return ToQString(EmptyCaption);
    if (code >= Captions.size())
        return {};
    return ToQString(Captions[code]);
}

QString OneLineName(std::uint8_t code)
{
    return FacilityCaption(code).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

} // namespace facilitycodes
