// The leading-number reader behind the value prompts.
//
// Answers come from a person typing into a box, so anything may arrive: four hundred
// digits, an exponent of a billion, thirty hexadecimal digits. The decimal form is
// gathered into plain ASCII and converted by std::from_chars, which is exact and does not
// depend on the process locale; whatever overflows a double reads as ±infinity, which
// every limit check then rejects.
#include "core/NumberReader.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace numbers {

namespace {

// Far beyond any double, yet small enough that order-of-magnitude sums cannot overflow.
constexpr long long ExponentCap = 1'000'000;

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

int DigitValue(QChar c, int radix)
{
    const char16_t u = c.unicode();
    int digit = radix;
    if (u >= u'0' && u <= u'9')
        digit = u - u'0';
    else if (u >= u'a' && u <= u'f')
        digit = 10 + (u - u'a');
    else if (u >= u'A' && u <= u'F')
        digit = 10 + (u - u'A');
    return digit < radix ? digit : -1;
}

// Walks the text with blanks made invisible.
class Cursor {
public:
    explicit Cursor(QStringView text) : m_text(text) {}

    QChar Peek()
    {
        while (m_position < m_text.size() && IsBlank(m_text[m_position]))
            ++m_position;
        return m_position < m_text.size() ? m_text[m_position] : QChar();
    }
    bool AtEnd()
    {
        Peek();
        return m_position >= m_text.size();
    }
    void Advance() { ++m_position; }
    // Only the ASCII letter counts, in either case.
    bool Take(char16_t lower)
    {
        const char16_t u = Peek().unicode();
        if (u != lower && u != lower - (u'a' - u'A'))
            return false;
        Advance();
        return true;
    }
    qsizetype Position() const { return m_position; }
    void Rewind(qsizetype position) { m_position = position; }

private:
    QStringView m_text;
    qsizetype m_position = 0;
};

std::string TakeDigits(Cursor& cursor)
{
    std::string digits;
    while (DigitValue(cursor.Peek(), 10) >= 0) {
        digits.push_back(static_cast<char>(cursor.Peek().unicode()));
        cursor.Advance();
    }
    return digits;
}

// The exponent after E, or 0 (with the cursor left before the E) when no digit follows.
long long TakeExponent(Cursor& cursor)
{
    const qsizetype start = cursor.Position();
    if (!cursor.Take(u'e'))
        return 0;
    const bool negative = cursor.Peek() == u'-';
    if (negative || cursor.Peek() == u'+')
        cursor.Advance();
    const std::string digits = TakeDigits(cursor);
    if (digits.empty()) {
        cursor.Rewind(start);
        return 0;
    }
    long long exponent = 0;
    for (const char d : digits)
        exponent = std::min(exponent * 10 + (d - '0'), ExponentCap);
    return negative ? -exponent : exponent;
}

// Where the first significant digit stands: 1 for 1-9, 3 for 123, -2 for 0.00x.
long long DecimalOrder(const std::string& whole, const std::string& fraction, long long exponent)
{
    const auto firstWhole = whole.find_first_not_of('0');
    if (firstWhole != std::string::npos)
        return static_cast<long long>(whole.size() - firstWhole) + exponent;
    const auto firstFraction = fraction.find_first_not_of('0');
    if (firstFraction == std::string::npos)
        return 0;
    return exponent - static_cast<long long>(firstFraction);
}

double DecimalValue(const std::string& whole, const std::string& fraction, long long exponent)
{
    std::string text = whole.empty() ? std::string("0") : whole;
    if (!fraction.empty())
        text += '.' + fraction;
    text += 'e' + std::to_string(exponent);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range)
        return DecimalOrder(whole, fraction, exponent) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    if (error != std::errc() || end != text.data() + text.size())
        return 0;
    return value;
}

NumberReading ReadDecimal(Cursor& cursor)
{
    const std::string whole = TakeDigits(cursor);
    std::string fraction;
    if (cursor.Peek() == u'.') {
        cursor.Advance();
        fraction = TakeDigits(cursor);
    }
    if (whole.empty() && fraction.empty())
        return {};
    const long long exponent = TakeExponent(cursor);
    return {DecimalValue(whole, fraction, exponent), true, false};
}

NumberReading ReadRadix(Cursor& cursor, int radix)
{
    NumberReading reading;
    for (int digit = DigitValue(cursor.Peek(), radix); digit >= 0; digit = DigitValue(cursor.Peek(), radix)) {
        // A double saturates to infinity instead of wrapping, so no length is too long.
        reading.value = reading.value * radix + digit;
        reading.hasNumber = true;
        cursor.Advance();
    }
    return reading;
}

NumberReading ReadUnsigned(Cursor& cursor)
{
    if (cursor.Peek() != u'&')
        return ReadDecimal(cursor);
    cursor.Advance();
    if (cursor.Take(u'h'))
        return ReadRadix(cursor, 16);
    if (cursor.Take(u'o'))
        return ReadRadix(cursor, 8);
    return {};
}

} // namespace

NumberReading ReadLeadingNumber(QStringView text)
{
    Cursor cursor(text);
    const bool negative = cursor.Peek() == u'-';
    if (negative || cursor.Peek() == u'+')
        cursor.Advance();
    NumberReading reading = ReadUnsigned(cursor);
    if (!reading.hasNumber)
        return {};
    // -0 would show as "-0" and count as negative nowhere else; plain 0 it is.
    if (negative && reading.value != 0)
        reading.value = -reading.value;
    reading.wholeText = cursor.AtEnd();
    return reading;
}

namespace {

// Digits in groups of three after the first one to three, or digits alone.
bool IsGroupedDigits(QStringView digits)
{
    if (digits.isEmpty() || !std::ranges::all_of(digits, [](QChar c) { return c.isDigit() || c == u','; }))
        return false;
    if (!digits.contains(u','))
        return true;
    const QList<QStringView> groups = digits.split(u',');
    if (groups.front().isEmpty() || groups.front().size() > 3)
        return false;
    return std::all_of(groups.begin() + 1, groups.end(), [](QStringView group) { return group.size() == 3; });
}

bool IsAsciiDigits(QStringView digits)
{
    return !digits.isEmpty() && std::ranges::all_of(digits, [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

WholeNumber ReadWholeNumber(QStringView text)
{
    QStringView rest = text.trimmed();
    const bool negative = rest.startsWith(u'-');
    if (negative || rest.startsWith(u'+'))
        rest = rest.sliced(1);
    const qsizetype point = rest.indexOf(u'.');
    QStringView whole = point < 0 ? rest : rest.first(point);
    if (!IsGroupedDigits(whole) || !IsAsciiDigits(whole.toString().remove(u',')))
        return {};
    if (point >= 0)
        return {std::nullopt, IsAsciiDigits(rest.sliced(point + 1))};
    QString digits = whole.toString().remove(u',');
    // Eighteen digits fit a long long; more only say "too large", which any field refuses.
    if (digits.size() > 18)
        digits = QStringLiteral("999999999999999999");
    const long long value = digits.toLongLong();
    return {negative ? -value : value, false};
}

double RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double below = std::floor(value);
    const double rest = value - below;
    if (rest < 0.5)
        return below;
    if (rest > 0.5)
        return below + 1;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

} // namespace numbers
