// Reads the leading number of a typed answer, the way every value prompt reads it.
#pragma once

#include <QStringView>

#include <optional>

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

// A number as a file, a spreadsheet cell or a paste gives it: an optional sign and digits,
// grouped by "," in threes or not at all ("28,671", "28671"), blanks around it ignored.
// Unlike a prompt's answer, nothing else is read into it: "12abc", "1e2" and "" are no
// number, and a fraction is told apart so that the refusal can say so.
struct WholeNumber {
    std::optional<long long> value;
    bool fraction = false;  // "80.6": a number, but not a whole one
};
[[nodiscard]] WholeNumber ReadWholeNumber(QStringView text);

} // namespace numbers
