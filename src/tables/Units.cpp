// The unit statistics' conversions between stored bytes and shown values.
#include "tables/Units.h"

#include "core/NumberReader.h"

namespace units {

QString BraveryShown(std::uint8_t code)
{
    return QString::number(110 - 10 * int(code));
}

std::optional<std::uint8_t> BraveryStored(double typed)
{
    const double code = numbers::RoundHalfEven((110 - typed) / 10);
    // Written so that NaN and infinities fail as well.
    if (!(code >= 0 && code <= 255))
        return std::nullopt;
    return static_cast<std::uint8_t>(code);
}

} // namespace units
