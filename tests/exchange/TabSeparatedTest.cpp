// Tab-separated blocks as spreadsheets copy them: joined and split back cell for cell.
#include "exchange/TabSeparated.h"

#include "core/CodePage.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(TabSeparated, SplitsWhatSpreadsheetsCopy)
{
    const struct {
        QString text;
        QList<QStringList> rows;
    } cases[] = {
        {u"54\t80\n30\t44\n"_s, {{u"54"_s, u"80"_s}, {u"30"_s, u"44"_s}}},
        {u"54\t80\r\n30\t44"_s, {{u"54"_s, u"80"_s}, {u"30"_s, u"44"_s}}},
        {u"1\t\t3\n"_s, {{u"1"_s, QString(), u"3"_s}}},
        {u"\"a\tb\"\t\"say \"\"hi\"\"\"\n"_s, {{u"a\tb"_s, u"say \"hi\""_s}}},
        {u"\"two\nlines\"\tx\n"_s, {{u"two\nlines"_s, u"x"_s}}},
        {QString(), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(tsv::Split(c.text), c.rows);
    }
}

TEST(TabSeparated, JoinedRowsSplitBackUnchanged)
{
    const QList<QStringList> rows = {{u"Name"_s, u"Damage"_s}, {u"RIFLE \"X\""_s, u"30"_s}, {u"a\tb"_s, QString()}};
    EXPECT_EQ(tsv::Join(rows), u"Name\tDamage\nRIFLE \"X\"\t30\n\"a\tb\"\t\n"_s);
    EXPECT_EQ(tsv::Split(tsv::Join(rows)), rows);
}

// Every character a game text can hold, alone, inside a cell and at its start, and cells
// that start with a quote, as a copy puts them on the clipboard and a paste takes them.
TEST(TabSeparated, EveryCharacterPastesBackUnchanged)
{
    QList<QStringList> rows = {{u"\""_s, u"\"quoted\""_s, u"\"a\"b"_s, u"\"\""_s}};
    for (int byte = 1; byte <= 255; ++byte) {
        const QString character = codepage::Decode(QByteArray(1, char(byte)));
        rows.append({character, u"a"_s + character + u"b"_s, character + u"z"_s});
    }
    const QList<QStringList> pasted = tsv::Split(tsv::Join(rows));
    ASSERT_EQ(pasted.size(), rows.size());
    for (qsizetype row = 0; row < rows.size(); ++row)
        EXPECT_EQ(pasted[row], rows[row]) << "row " << row;
}

} // namespace
