// The damage type codes of an item record and the option that stands for each.
#pragma once

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
    {0, u"optAP", u"AP"},
    {1, u"optIN", u"Incendiary"},
    {2, u"optHE", u"HE"},
    {3, u"optLaser", u"Laser"},
    {4, u"optPlasma", u"Plasma"},
    {5, u"optStun", u"Stun"},
    {255, u"optNone", u"None"},
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
