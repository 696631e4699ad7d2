// The days-left counts of the starting base grid: their text and the choices offered.
#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace daycounts {

// The count of every empty cell: the game never finishes building nothing.
inline constexpr std::uint8_t EmptyCellDays = 255;

// The days choice list: 0 to 46 days, then 255.
inline constexpr std::array<std::uint8_t, 48> Choices = [] {
    std::array<std::uint8_t, 48> choices{};
    for (std::uint8_t days = 0; days < 47; ++days)
        choices[days] = days;
    choices[47] = EmptyCellDays;
    return choices;
}();

// "1 Day", otherwise the number followed by " Days".
[[nodiscard]] QString DaysText(int days);

} // namespace daycounts
