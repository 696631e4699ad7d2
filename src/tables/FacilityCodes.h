// The facility codes of the starting base grid and the texts shown for them.
#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace facilitycodes {

// The code of a cell with nothing built in it.
inline constexpr std::uint8_t Empty = 255;

// The codes in the order the facility choice list offers them; the position of a code
// here is its entry in that list.
inline constexpr std::array<std::uint8_t, 21> ChoiceOrder = {
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, Empty};

// The grid button text of a code, on one or two lines; empty for a code the game
// does not know.
[[nodiscard]] QString FacilityCaption(std::uint8_t code);

// The same text on one line, as the facility choice list shows it.
[[nodiscard]] QString OneLineName(std::uint8_t code);

} // namespace facilitycodes
