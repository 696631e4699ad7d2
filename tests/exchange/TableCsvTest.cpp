// A table read back from a spreadsheet: what a saved file may hold besides the cells.
#include "exchange/TableCsv.h"

#include "core/GameDocument.h"
#include "sample/SampleInstall.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Spreadsheets leave empty lines where a row was deleted, and after the last row.
TEST(TableCsv, BlankLinesAreSkipped)
{
    GameDocument document;
    document.Adopt(sample::LoadedFiles(GameVersion::CollectorsEdition));
    for (const QByteArray& text : {"record,Time Units\r\n\r\nSectoid Soldier,80\r\n"_ba,
                                  "record,Time Units\n\nSectoid Soldier,80\n\n"_ba,
                                  "record,Time Units\r\nSectoid Soldier,80\r\n\r\n\r\n"_ba}) {
        SCOPED_TRACE(text.toStdString());
        const tablecsv::Imported imported = tablecsv::Import(document, {}, text);
        EXPECT_TRUE(imported.problems.isEmpty()) << imported.problems.join(u'\n').toStdString();
        ASSERT_EQ(imported.entries.size(), 1u);
        EXPECT_EQ(imported.entries[0].record.toString(), u"Sectoid Soldier"_s);
        EXPECT_EQ(imported.entries[0].value.toInteger(), 80);
    }
}

} // namespace
