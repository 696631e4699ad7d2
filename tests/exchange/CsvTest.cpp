// Spreadsheet text as it arrives: separators and encodings other programs save.
#include "exchange/Csv.h"

#include "core/CodePage.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(Csv, ReadsWhatSpreadsheetsSave)
{
    const struct {
        QByteArray text;
        csv::Rows rows;
        QString note;
    } cases[] = {
        {"record,Amount\r\nPistols,\"1,500\"\r\n", {{u"record"_s, u"Amount"_s}, {u"Pistols"_s, u"1,500"_s}}, {}},
        {"record;Amount\nPistols;1,500\n", {{u"record"_s, u"Amount"_s}, {u"Pistols"_s, u"1,500"_s}},
         u"the fields are separated by semicolons"_s},
        // A quoted semicolon in the header counts for neither.
        {"\"a;b;c\",x\n", {{u"a;b;c"_s, u"x"_s}}, {}},
        {"record,Text\n1,Caf\xE9 \x80\x9F\n", {{u"record"_s, u"Text"_s}, {u"1"_s, u"Caf\u00E9 \u20AC\u0178"_s}},
         u"the file is not UTF-8 text; it was read as Windows-1252"_s},
        {"\xEF\xBB\xBFrecord\n", {{u"record"_s}}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const csv::Parsed parsed = csv::Read(c.text);
        ASSERT_TRUE(parsed.rows) << parsed.problem.toStdString();
        EXPECT_EQ(*parsed.rows, c.rows);
        EXPECT_EQ(parsed.note, c.note);
    }
}

// Every character a game text can hold (a lone CR among them), alone, inside a cell and
// at its start, and cells that start with a quote come back as they were written.
TEST(Csv, WrittenCellsReadBackUnchanged)
{
    csv::Rows rows = {{u"record"_s, u"Text"_s}, {u"\""_s, u"\"quoted\""_s, u"\"a\"b"_s, u"\"\""_s}};
    for (int byte = 1; byte <= 255; ++byte) {
        const QString character = codepage::Decode(QByteArray(1, char(byte)));
        rows.push_back({character, u"a"_s + character + u"b"_s, character + u"z"_s});
    }
    const csv::Parsed parsed = csv::Read(csv::Write(rows));
    ASSERT_TRUE(parsed.rows) << parsed.problem.toStdString();
    ASSERT_EQ(parsed.rows->size(), rows.size());
    for (std::size_t row = 0; row < rows.size(); ++row)
        EXPECT_EQ((*parsed.rows)[row], rows[row]) << "row " << row;
}

} // namespace
