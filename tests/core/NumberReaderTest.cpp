// Reading typed answers as numbers, and rounding them to whole numbers.
#include "core/NumberReader.h"

#include <gtest/gtest.h>

#include <QString>

#include <cmath>
#include <limits>

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

struct Case {
    const char16_t* text;
    double value;
    bool hasNumber;
    bool wholeText;
};

void ExpectReadings(const char* group, std::initializer_list<Case> cases)
{
    for (const Case& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        const numbers::NumberReading reading = numbers::ReadLeadingNumber(text);
        SCOPED_TRACE(std::string(group) + ": \"" + text.toStdString() + "\"");
        EXPECT_EQ(reading.value, c.value);
        EXPECT_FALSE(std::signbit(reading.value) && reading.value == 0) << "negative zero";
        EXPECT_EQ(reading.hasNumber, c.hasNumber);
        EXPECT_EQ(reading.wholeText, c.wholeText);
    }
}

} // namespace

TEST(NumberReader, ReadsTheLeadingNumber)
{
    ExpectReadings("blanks", {
        {u" 12 ", 12, true, true}, {u"\t 7", 7, true, true}, {u"1 2 3", 123, true, true},
        {u" - 1 2 . 5", -12.5, true, true}, {u"1 e 2", 100, true, true}, {u"& h F F", 255, true, true},
    });
    ExpectReadings("signs", {
        {u"-5", -5, true, true}, {u"+5", 5, true, true}, {u"-0", 0, true, true}, {u"--5", 0, false, false},
        {u"-", 0, false, false}, {u"5-", 5, true, false}, {u"-&h10", -16, true, true},
    });
    ExpectReadings("decimals", {
        {u"254.5", 254.5, true, true}, {u".5", 0.5, true, true}, {u"7.", 7, true, true},
        {u"1.2.3", 1.2, true, false}, {u".", 0, false, false}, {u"007", 7, true, true},
    });
    ExpectReadings("exponents", {
        {u"1e2", 100, true, true}, {u"1E2", 100, true, true}, {u"2.5e+1", 25, true, true},
        {u"25e-1", 2.5, true, true}, {u"1e", 1, true, false}, {u"1e+", 1, true, false},
        {u"e5", 0, false, false}, {u"1e2e3", 100, true, false}, {u"1d2", 1, true, false},
    });
    ExpectReadings("radix", {
        {u"&hFF", 255, true, true}, {u"&HfF", 255, true, true}, {u"&h1F", 31, true, true},
        {u"&hFFFF", 65535, true, true}, {u"&o777", 511, true, true}, {u"&O17", 15, true, true},
        {u"&o78", 7, true, false}, {u"&h1.5", 1, true, false}, {u"&h", 0, false, false},
        {u"&hG", 0, false, false}, {u"&x1", 0, false, false}, {u"&", 0, false, false},
    });
    ExpectReadings("stops", {
        {u"1,000", 1, true, false}, {u"1,5", 1, true, false}, {u"12abc", 12, true, false},
        {u"12 abc", 12, true, false},
        {u"3\u0663", 3, true, false},  // a non-ASCII digit is no digit
        {u"5%", 5, true, false},
    });
    ExpectReadings("empties", {
        {u"", 0, false, false}, {u"   ", 0, false, false}, {u"abc", 0, false, false}, {u",5", 0, false, false},
    });
}

TEST(NumberReader, HugeNumbersSaturateInsteadOfFailing)
{
    const QString fourHundredDigits(400, u'9');
    const numbers::NumberReading many = numbers::ReadLeadingNumber(fourHundredDigits);
    EXPECT_EQ(many.value, Infinity);
    EXPECT_TRUE(many.IsNumber());

    ExpectReadings("big", {
        {u"1e308", 1e308, true, true}, {u"1e309", Infinity, true, true}, {u"-1e400", -Infinity, true, true},
        {u"1e99999999999999999999999", Infinity, true, true}, {u"1e-400", 0, true, true},
        {u"0e99999", 0, true, true}, {u"0.0000000000000000000000000000001e31", 1, true, true},
        {u"&hFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", 0x1p120, true, true},  // past every integer type
    });
    const QString hundredsOfHexDigits = QStringLiteral("&h") + QString(300, u'F');
    EXPECT_EQ(numbers::ReadLeadingNumber(hundredsOfHexDigits).value, Infinity);
}

TEST(NumberReader, RoundsHalvesToTheEvenNeighbour)
{
    const struct {
        double value;
        double rounded;
    } cases[] = {
        {2.5, 2}, {3.5, 4}, {254.5, 254}, {253.5, 254}, {255.4, 255}, {0.5, 0}, {1.5, 2},
        {-2.5, -2}, {-3.5, -4}, {2.4999, 2}, {2.5001, 3}, {-0.4, 0}, {1e300, 1e300},
        {Infinity, Infinity}, {-Infinity, -Infinity},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numbers::RoundHalfEven(c.value), c.rounded) << c.value;
}
