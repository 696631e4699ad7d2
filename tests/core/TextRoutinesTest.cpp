// The shared number and character texts of the views.
#include "core/TextRoutines.h"

#include <gtest/gtest.h>

TEST(TextRoutines, GroupThousandsGroupsOnlyTheDocumentedLengths)
{
    const struct {
        const char16_t* text;
        const char16_t* grouped;
    } cases[] = {
        {u"999", u"999"}, {u"-100", u"-100"}, {u"0", u"0"}, {u"", u""}, {u"1000", u"1,000"},
        {u"1234567", u"1,234,567"}, {u"2147483647", u"2,147,483,647"}, {u"-1234", u"-1,234"},
        {u"-100000", u"-100,000"}, {u"-2147483648", u"-2,147,483,648"},
        {u"12345678901", u"12345678901"}, {u"-123456789012", u"-123456789012"},  // too long: left alone
    };
    for (const auto& c : cases)
        EXPECT_EQ(modEdit::GroupThousands(QString::fromUtf16(c.text)), QString::fromUtf16(c.grouped))
            << QString::fromUtf16(c.text).toStdString();
}

TEST(TextRoutines, PadHex2AndToSigned16)
{
    EXPECT_EQ(modEdit::PadHex2(QString()), u"00");
    EXPECT_EQ(modEdit::PadHex2(QStringLiteral("F")), u"0F");
    EXPECT_EQ(modEdit::PadHex2(QStringLiteral("100")), u"100");
    EXPECT_EQ(modEdit::ToSigned16(32767), 32767);
    EXPECT_EQ(modEdit::ToSigned16(32768), -32768);
    EXPECT_EQ(modEdit::ToSigned16(65535), -1);
}

TEST(TextRoutines, CharCodeOfOneCharacterOnly)
{
    EXPECT_EQ(modEdit::CharCode(u"\u20AC"), 0x80);
    EXPECT_EQ(modEdit::CharCode(u""), 0);
    EXPECT_EQ(modEdit::CharCode(u"AB"), 0);
    EXPECT_EQ(modEdit::CharCode(u"\u4E2D"), 0);      // no code in the page
    EXPECT_EQ(modEdit::CharCode(u"\U0001F600"), 0);  // one character, two UTF-16 units
}

// Outside text is cut so a message box stays readable, however long the name it quotes.
TEST(TextRoutines, QuotedTextAndLongListsAreCut)
{
    const QString sixty = QString(60, u'x');
    EXPECT_EQ(modEdit::Excerpt(sixty), sixty);
    EXPECT_EQ(modEdit::Excerpt(QString(5000000, u'x')), sixty + u'\u2026');
    EXPECT_EQ(modEdit::Excerpt(QString(59, u'x') + QString::fromUtf16(u"\U0001F600")), QString(59, u'x') + u'\u2026');

    QStringList lines;
    for (int line = 1; line <= 57; ++line)
        lines.append(QString::number(line));
    const QString listed = modEdit::Listed(lines);
    EXPECT_TRUE(listed.startsWith(u"1\n2\n"));
    EXPECT_TRUE(listed.endsWith(u"\n19\n20\n\u2026 and 37 more")) << listed.toStdString();
}
