// The game's single-byte code page.
#include "core/CodePage.h"
#include "core/TextRoutines.h"

#include <gtest/gtest.h>

TEST(CodePage, EveryByteRoundTripsThroughItsCharacter)
{
    QByteArray all;
    for (int byte = 0; byte <= 255; ++byte) {
        const QChar character = codepage::ToChar(static_cast<std::uint8_t>(byte));
        EXPECT_EQ(modEdit::CharCode(QStringView(&character, 1)), byte) << byte;
        all.append(static_cast<char>(byte));
    }
    EXPECT_EQ(codepage::Encode(codepage::Decode(all)), all);
}

TEST(CodePage, IsWindows1252WithTheGapsKept)
{
    const struct {
        int byte;
        char16_t character;
    } cases[] = {
        {0x41, u'A'}, {0x80, u'\u20AC'}, {0x81, u'\u0081'}, {0x8D, u'\u008D'}, {0x8F, u'\u008F'}, {0x90, u'\u0090'},
        {0x9D, u'\u009D'}, {0x9F, u'\u0178'}, {0x92, u'\u2019'}, {0xA0, u'\u00A0'}, {0xFF, u'\u00FF'},
    };
    for (const auto& c : cases)
        EXPECT_EQ(codepage::ToChar(static_cast<std::uint8_t>(c.byte)).unicode(), c.character) << c.byte;
    // Latin-1 controls that Windows-1252 replaced have no byte.
    EXPECT_EQ(codepage::FromChar(QChar(u'\u0080')), 0);
    EXPECT_EQ(codepage::FromChar(QChar(u'\u0092')), 0);
    EXPECT_EQ(codepage::Encode(u"a\u4E2Db"), QByteArray("a\0b", 3));
}

TEST(CodePage, FieldsShowTextUpToTheFirstZeroByte)
{
    EXPECT_EQ(codepage::FieldText(QByteArray("Rex\0\x80zz", 7)), u"Rex");
    EXPECT_EQ(codepage::FieldText(QByteArray("\xC9mile", 5)), QString::fromUtf16(u"\u00C9mile"));
    EXPECT_EQ(codepage::FieldText(QByteArray("\0abc", 4)), QString());
    EXPECT_EQ(codepage::FieldText(QByteArray("full")), u"full");
}
