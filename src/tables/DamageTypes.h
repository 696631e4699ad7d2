// The damage type codes of an item record and the option that stands for each.
#pragma once

#include "core/TableText.h"

#include <QString>

#include <array>
#include <cstdint>
#include <string_view>

struct DamageTypeOption {
    std::uint8_t code;
    std::u16string_view optionName;
    std::u16string_view caption;
};

namespace damagetypes {

// No other code has an option; a record holding one shows none selected anew.
inline constexpr std::array<DamageTypeOption, 7> All = {{
    {0, u"optAP", KESTREL_TR_NOOP("DamageTypes", "AP")},
    {1, u"optIN", KESTREL_TR_NOOP("DamageTypes", "Incendiary")},
    {2, u"optHE", KESTREL_TR_NOOP("DamageTypes", "HE")},
    {3, u"optLaser", KESTREL_TR_NOOP("DamageTypes", "Laser")},
    {4, u"optPlasma", KESTREL_TR_NOOP("DamageTypes", "Plasma")},
    {5, u"optStun", KESTREL_TR_NOOP("DamageTypes", "Stun")},
    {255, u"optNone", KESTREL_TR_NOOP("DamageTypes", "None")},
}};

// The option caption of a code, or the code itself where no option stands for it.
[[nodiscard]] inline QString Text(int code)
{
    for (const DamageTypeOption& option : All) {
        if (option.code == code)
            return QString::fromUtf16(option.caption.data(), qsizetype(option.caption.size()));
    }
    return QString::number(code);
}

} // namespace damagetypes
