// Reads the leading number of a typed answer, the way every value prompt reads it.
#pragma once

#include <QStringView>

namespace numbers {

struct NumberReading {
    double value = 0;         // never NaN; ±infinity for numbers too large for a double
    bool hasNumber = false;   // at least one digit was read
    bool wholeText = false;   // nothing but blanks follows the number

    [[nodiscard]] bool IsNumber() const { return hasNumber && wholeText; }
};

// Leading blanks are skipped and blanks between digits ignored; an optional sign, "."
// as the decimal point, an exponent after E, or a prefix &h (hexadecimal) or &o (octal).
// Reading stops at the first character that cannot continue the number; a text without
// a leading number reads as 0.
[[nodiscard]] NumberReading ReadLeadingNumber(QStringView text);

// The nearest whole number, a half going to the even neighbour (2.5 → 2, 3.5 → 4).
// Infinities are returned unchanged.
[[nodiscard]] double RoundHalfEven(double value);

} // namespace numbers
