// The "Change Amount" prompts: what is asked, what is written, and what is left alone.
#include "core/ValuePrompt.h"

#include "core/NumberReader.h"
#include "support/ScriptedAsker.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString FirstLine = QStringLiteral("Enter the amount you would like to have.\n");
const QString WordText = FirstLine + QStringLiteral("(Remember, this cannot exceed 28,671).");

constexpr BytePrompt PlainByte{.limit = 255, .limitLine = u"(Remember, the number cannot exceed 255)."};

using Answers = std::initializer_list<const char16_t*>;

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
        ScriptedAsker asker;
        Script(asker, c.answers);

        const std::optional<std::uint8_t> accepted = PromptByte(asker, 17, PlainByte);

        ExpectBoxes(asker, c.answers.size(), FirstLine + QStringLiteral("(Remember, the number cannot exceed 255)."),
                    QStringLiteral("17"));
        EXPECT_EQ(accepted ? std::optional<int>(*accepted) : std::nullopt, c.written);
        // The rule alone takes the last answer exactly as the box did.
        if (c.written) {
            EXPECT_EQ(prompt::AcceptByte(QString::fromUtf16(*std::prev(c.answers.end())), PlainByte), c.written);
        }
    }
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
        ScriptedAsker asker;
        Script(asker, c.answers);

        const std::optional<std::uint8_t> accepted = PromptByte(asker, 12, shownInTens);

        ExpectBoxes(asker, c.answers.size(),
                    FirstLine + QStringLiteral("(Remember, the number cannot exceed 110).\n"
                                               "The number must also be divisible by 10.\nSecond."),
                    QStringLiteral("-10"));
        EXPECT_EQ(accepted ? std::optional<int>(*accepted) : std::nullopt, c.written);
    }
}

TEST(ValuePrompt, PromptWordAcceptsWholeAmountsUpToTheLimit)
{
    const struct {
        Answers answers;
        std::optional<int> amount;
    } cases[] = {
        {{u"28671"}, 28671}, {{u"28672", u""}, {}}, {{u"1,000"}, 1000},
        {{u" 1 , 0 0 0 "}, 1000}, {{u"30,000", u""}, {}}, {{u"0"}, 0},
        {{u"&h6FFF"}, 0x6FFF}, {{u"28670.5"}, 28670}, {{u"28671.4", u""}, {}},
        {{u"-5", u"-0.4", u""}, {}},  // never the 65535 that -5 once gave
        {{u"abc", u"12abc", u",", u"   ", u"300"}, 300}, {{u""}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(*c.answers.begin()).toStdString());
        int enables = 0;
        ScriptedAsker asker;
        Script(asker, c.answers);

        const std::optional<std::uint16_t> accepted = PromptWordEnableSave(asker, 300, [&] { ++enables; });

        ExpectBoxes(asker, c.answers.size(), WordText, QStringLiteral("300"));
        EXPECT_EQ(enables, c.amount ? 1 : 0);
        EXPECT_EQ(accepted ? std::optional<int>(*accepted) : std::nullopt, c.amount);
    }
}

TEST(ValuePrompt, PromptWordOffersTheStoredAmountUnsigned)
{
    const struct {
        std::uint16_t stored;
        const char16_t* shown;
    } cases[] = {{0x8000, u"32768"}, {0xFFFF, u"65535"}, {0, u"0"}};
    for (const auto& c : cases) {
        ScriptedAsker asker;
        asker.Answer(QStringLiteral("7"));
        EXPECT_EQ(PromptWord(asker, c.stored), 7);
        ExpectBoxes(asker, 1, WordText, QString::fromUtf16(c.shown));
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
        ScriptedAsker asker;
        Script(asker, c.answers);

        const std::optional<QByteArray> written = PromptName(asker, QByteArrayLiteral("Pistol\0\x85"), name);

        ASSERT_EQ(asker.ShownDialogs().size(), c.answers.size());
        for (const ScriptedAsker::Shown& shown : asker.ShownDialogs()) {
            EXPECT_EQ(shown.title, u"New Name");
            EXPECT_EQ(shown.text, u"What would you like the new name to be?\n(remember it cannot exceed 8 characters)");
            EXPECT_EQ(shown.defaultAnswer, u"Pistol");
        }
        EXPECT_EQ(written.value_or(QByteArray()), c.written);
    }
}

// The box keeps its text; the reason a refused answer was not taken is shown beside it
// while it asks again, and taken away once the asking is over.
TEST(ValuePrompt, ARefusedAnswerIsExplainedWhileTheBoxAsksAgain)
{
    constexpr NamePrompt name{u"What would you like the new name to be?", u"(remember it cannot exceed 10 characters)",
                              10, 10};
    const auto byte = [](Asker& asker) { return PromptByte(asker, 17, PlainByte).has_value(); };
    const auto word = [](Asker& asker) { return PromptWord(asker, 17).has_value(); };
    const auto named = [&name](Asker& asker) { return PromptName(asker, "Pistol"_ba, name).has_value(); };
    const struct {
        std::function<bool(Asker&)> ask;
        Answers answers;
        std::vector<QString> refusals;
    } cases[] = {
        {byte, {u"300", u"80"}, {u"\u201C300\u201D was not taken: the number cannot exceed 255."_s, {}}},
        {byte, {u"-1", u""}, {u"\u201C-1\u201D was not taken: this field holds no such number."_s, {}}},
        {byte, {u"80"}, {}},
        {word, {u"30,000", u"7"}, {u"\u201C30,000\u201D was not taken: only a number from 0 to 28,671 is."_s, {}}},
        {named, {u"Twelve chars", u"\u0141ukasz", u"Lukasz"},
         {u"\u201CTwelve chars\u201D was not taken: it has 12 characters, at most 10 fit."_s,
          u"\u201C\u0141ukasz\u201D was not taken: the game cannot store U+0141."_s, {}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(*c.answers.begin()).toStdString());
        ScriptedAsker asker;
        Script(asker, c.answers);
        (void)c.ask(asker);
        EXPECT_EQ(asker.Refusals(), c.refusals);
    }
}
