// The "Change Amount" prompts: what is asked, what is written, and what is left alone.
#include "core/ValuePrompt.h"

#include "core/NumberReader.h"
#include "support/ScriptedAsker.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

const QString FirstLine = QStringLiteral("Enter the amount you would like to have.\n");
const QString WordText = FirstLine + QStringLiteral("(Remember, this cannot exceed 28,671).");

constexpr BytePrompt PlainByte{.limit = 255, .limitLine = u"(Remember, the number cannot exceed 255)."};

constexpr qsizetype ByteOffset = 21;
constexpr qsizetype LowOffset = 40;
constexpr qsizetype HighOffset = 41;

using Answers = std::initializer_list<const char16_t*>;

// Position-dependent filler with bytes of 0x80 and above, so a stray write shows.
QByteArray PatternBuffer()
{
    QByteArray buffer(64, '\0');
    for (int i = 0; i < buffer.size(); ++i)
        buffer[i] = static_cast<char>((i * 37 + 0x85) & 0xFF);
    return buffer;
}

int At(const QByteArray& buffer, qsizetype offset)
{
    return static_cast<std::uint8_t>(buffer.at(offset));
}

void Script(ScriptedAsker& asker, Answers answers)
{
    for (const char16_t* answer : answers)
        asker.Answer(QString::fromUtf16(answer));
}

// Every box of the loop shows the same texts and the same default.
void ExpectBoxes(const ScriptedAsker& asker, std::size_t count, const QString& text, const QString& defaultAnswer)
{
    ASSERT_EQ(asker.ShownDialogs().size(), count);
    for (const ScriptedAsker::Shown& shown : asker.ShownDialogs()) {
        EXPECT_EQ(shown.title, u"Change Amount");
        EXPECT_EQ(shown.text, text);
        EXPECT_EQ(shown.defaultAnswer, defaultAnswer);
    }
}

// Whatever the answers, only the addressed bytes may change.
void ExpectOnlyChanged(QByteArray after, const QByteArray& before, std::initializer_list<qsizetype> addressed)
{
    for (const qsizetype offset : addressed)
        after[offset] = before.at(offset);
    EXPECT_EQ(after, before);
}

} // namespace

TEST(ValuePrompt, PromptByteAsksAgainUntilWithinTheLimit)
{
    const struct {
        Answers answers;
        std::optional<int> written;
    } cases[] = {
        {{u"256", u"255"}, 255}, {{u"255.4", u""}, std::nullopt}, {{u"254.5"}, 254}, {{u"253.5"}, 254},
        {{u"abc"}, 0}, {{u"   "}, 0}, {{u"&hFF"}, 255}, {{u""}, std::nullopt}, {{u"-0"}, 0},
        {{u"-1", u"-0.4", u"5"}, 5},  // a negative answer never reaches the byte
        {{u"1,000"}, 1}, {{u" 12 "}, 12}, {{u"1e2"}, 100}, {{u"12abc"}, 12},
        {{u"1e309", u"99999999999999999999999999999999999999", u""}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(*c.answers.begin()).toStdString());
        QByteArray buffer = PatternBuffer();
        buffer[ByteOffset] = 17;
        const QByteArray before = buffer;
        int refreshes = 0;
        ScriptedAsker asker;
        Script(asker, c.answers);

        EXPECT_EQ(PromptByte(asker, buffer, ByteOffset, PlainByte, [&] { ++refreshes; }), c.written.has_value());

        ExpectBoxes(asker, c.answers.size(), FirstLine + QStringLiteral("(Remember, the number cannot exceed 255)."),
                    QStringLiteral("17"));
        EXPECT_EQ(refreshes, c.written ? 1 : 0);
        EXPECT_EQ(At(buffer, ByteOffset), c.written.value_or(17));
        ExpectOnlyChanged(buffer, before, {ByteOffset});
    }
}

TEST(ValuePrompt, PromptByteConfirmingTheDefaultWritesItAgainAndRefreshes)
{
    QByteArray buffer = PatternBuffer();
    buffer[ByteOffset] = static_cast<char>(200);
    int refreshes = 0;
    ScriptedAsker asker;
    asker.Answer(QStringLiteral("200"));

    EXPECT_TRUE(PromptByte(asker, buffer, ByteOffset, PlainByte, [&] { ++refreshes; }));

    EXPECT_EQ(asker.ShownDialogs().at(0).defaultAnswer, u"200");
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(At(buffer, ByteOffset), 200);
}

TEST(ValuePrompt, PromptByteHoldsTheTypedValueToTheLimitAndTheFieldConvertsIt)
{
    // Shown as 110 - 10 x code and stored as the rounded code, as bravery is.
    static constexpr std::u16string_view Lines[] = {u"The number must also be divisible by 10.", u"Second."};
    constexpr BytePrompt shownInTens{
        .limit = 110,
        .limitLine = u"(Remember, the number cannot exceed 110).",
        .extraLines = Lines,
        .shown = [](std::uint8_t code) { return QString::number(110 - 10 * code); },
        .stored = [](double typed) -> std::optional<std::uint8_t> {
            const double code = numbers::RoundHalfEven((110 - typed) / 10);
            if (!(code >= 0 && code <= 255))
                return std::nullopt;
            return static_cast<std::uint8_t>(code);
        }};
    const struct {
        Answers answers;
        std::optional<int> written;
    } cases[] = {
        {{u"111", u"35"}, 8}, {{u"110"}, 0}, {{u"0"}, 11}, {{u"45"}, 6},
        {{u"-5"}, 12},  // the field's conversion, not the sign, decides what fits
        {{u"-2445", u""}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(*c.answers.begin()).toStdString());
        QByteArray buffer = PatternBuffer();
        buffer[ByteOffset] = 12;
        ScriptedAsker asker;
        Script(asker, c.answers);

        EXPECT_EQ(PromptByte(asker, buffer, ByteOffset, shownInTens), c.written.has_value());

        ExpectBoxes(asker, c.answers.size(),
                    FirstLine + QStringLiteral("(Remember, the number cannot exceed 110).\n"
                                               "The number must also be divisible by 10.\nSecond."),
                    QStringLiteral("-10"));
        EXPECT_EQ(At(buffer, ByteOffset), c.written.value_or(12));
    }
}

TEST(ValuePrompt, PromptWordWritesTheHighByteAtTheFirstOffset)
{
    const struct {
        Answers answers;
        std::optional<int> high;
        std::optional<int> low;
    } cases[] = {
        {{u"28671"}, 0x6F, 0xFF}, {{u"28672", u""}, {}, {}}, {{u"1,000"}, 0x03, 0xE8},
        {{u" 1 , 0 0 0 "}, 0x03, 0xE8}, {{u"30,000", u""}, {}, {}}, {{u"0"}, 0x00, 0x00},
        {{u"&h6FFF"}, 0x6F, 0xFF}, {{u"28670.5"}, 0x6F, 0xFE}, {{u"28671.4", u""}, {}, {}},
        {{u"-5", u"-0.4", u""}, {}, {}},  // never the 0xFF 0xFF that -5 once gave
        {{u"abc", u"12abc", u",", u"   ", u"300"}, 0x01, 0x2C}, {{u""}, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(*c.answers.begin()).toStdString());
        QByteArray buffer = PatternBuffer();
        buffer[HighOffset] = 0x01;
        buffer[LowOffset] = 0x2C;
        const QByteArray before = buffer;
        int enables = 0;
        ScriptedAsker asker;
        Script(asker, c.answers);

        EXPECT_EQ(PromptWordEnableSave(asker, buffer, HighOffset, LowOffset, [&] { ++enables; }), c.high.has_value());

        ExpectBoxes(asker, c.answers.size(), WordText, QStringLiteral("300"));
        EXPECT_EQ(enables, c.high ? 1 : 0);
        EXPECT_EQ(At(buffer, HighOffset), c.high.value_or(0x01));
        EXPECT_EQ(At(buffer, LowOffset), c.low.value_or(0x2C));
        ExpectOnlyChanged(buffer, before, {HighOffset, LowOffset});
    }
}

TEST(ValuePrompt, PromptWordOffersTheStoredAmountUnsigned)
{
    const struct {
        int high;
        int low;
        const char16_t* shown;
    } cases[] = {{0x80, 0x00, u"32768"}, {0xFF, 0xFF, u"65535"}, {0x00, 0x00, u"0"}};
    for (const auto& c : cases) {
        QByteArray buffer = PatternBuffer();
        buffer[HighOffset] = static_cast<char>(c.high);
        buffer[LowOffset] = static_cast<char>(c.low);
        ScriptedAsker asker;
        asker.Answer(QStringLiteral("7"));
        EXPECT_TRUE(PromptWord(asker, buffer, HighOffset, LowOffset));
        ExpectBoxes(asker, 1, WordText, QString::fromUtf16(c.shown));
        EXPECT_EQ(At(buffer, HighOffset) * 256 + At(buffer, LowOffset), 7);
    }
}

// A character the game's code page cannot hold would be written as a zero byte and cut
// the name there; the box asks again instead, as for a name that is too long.
TEST(ValuePrompt, PromptNameAsksAgainForACharacterTheCodePageCannotHold)
{
    constexpr NamePrompt name{u"What would you like the new name to be?", u"(remember it cannot exceed 8 characters)",
                              8, 8};
    const struct {
        Answers answers;
        QByteArray written;  // empty: nothing written
    } cases[] = {
        {{u"\u03A9-Laser", u"Laser"}, QByteArrayLiteral("Laser\0\0\0")},
        {{u"Gun\U0001F600", u"123456789", u"Caf\u00E9\u20AC"}, QByteArrayLiteral("Caf\xE9\x80\0\0\0")},
        {{u"\u4E00", u""}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(*c.answers.begin()).toStdString());
        QByteArray buffer = PatternBuffer();
        const QByteArray before = buffer;
        buffer.replace(ByteOffset, 8, QByteArrayLiteral("Pistol\0\x85"));
        ScriptedAsker asker;
        Script(asker, c.answers);

        EXPECT_EQ(PromptName(asker, buffer, ByteOffset, name), !c.written.isEmpty());

        ASSERT_EQ(asker.ShownDialogs().size(), c.answers.size());
        for (const ScriptedAsker::Shown& shown : asker.ShownDialogs()) {
            EXPECT_EQ(shown.title, u"New Name");
            EXPECT_EQ(shown.text, u"What would you like the new name to be?\n(remember it cannot exceed 8 characters)");
            EXPECT_EQ(shown.defaultAnswer, u"Pistol");
        }
        EXPECT_EQ(buffer.sliced(ByteOffset, 8), c.written.isEmpty() ? QByteArrayLiteral("Pistol\0\x85") : c.written);
        ExpectOnlyChanged(buffer, before, {21, 22, 23, 24, 25, 26, 27, 28});
    }
}
