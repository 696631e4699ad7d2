// Splitting string tables into entries and replacing one entry.
#include "tables/StringTable.h"

#include <gtest/gtest.h>

#include <malloc.h>

#include <string_view>
#include <vector>

using namespace std::string_view_literals;

namespace {

QByteArray Bytes(std::string_view text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

struct SplitCase {
    std::string_view table;
    std::vector<std::string_view> texts;
    std::string_view trailing;
};

TEST(StringTableSplit, ListsEveryTerminatedTextAndKeepsTheRestApart)
{
    const SplitCase cases[] = {
        {"A\0BC\0"sv, {"A", "BC"}, ""},
        {"A\0BC\0XY"sv, {"A", "BC"}, "XY"},
        {"A\0\0BC\0"sv, {"A", "", "BC"}, ""},
        {"\0A\0"sv, {"", "A"}, ""},
        {"\0"sv, {""}, ""},
        {"X"sv, {}, "X"},
        {""sv, {}, ""},
        {"\xE9t\xE9\0\xFF"sv, {"\xE9t\xE9"}, "\xFF"},
    };
    for (const SplitCase& c : cases) {
        const QByteArray bytes = Bytes(c.table);
        const strings::StringTable table(bytes);
        SCOPED_TRACE(bytes.toHex().toStdString());
        ASSERT_EQ(table.Count(), static_cast<qsizetype>(c.texts.size()));
        EXPECT_EQ(strings::CountEntries(bytes), table.Count());
        for (qsizetype i = 0; i < table.Count(); ++i) {
            EXPECT_EQ(table.Text(i), Bytes(c.texts[static_cast<std::size_t>(i)])) << i;
            EXPECT_EQ(strings::FindEntry(bytes, i), table.Entries()[static_cast<std::size_t>(i)]);
        }
        EXPECT_EQ(table.Trailing(), Bytes(c.trailing));
        EXPECT_FALSE(strings::FindEntry(bytes, table.Count()).has_value());
    }
}

TEST(StringTableSplit, BoundsAreZeroThenEveryTerminator)
{
    EXPECT_EQ(strings::StringTable(Bytes("A\0BC\0XY"sv)).StringBounds(), (std::vector<qsizetype>{0, 1, 4}));
    EXPECT_EQ(strings::StringTable(Bytes("\0\0"sv)).StringBounds(), (std::vector<qsizetype>{0, 0, 1}));
}

std::size_t HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// A file of zero bytes is one entry per byte: its index must stay a fraction of the
// file, not many times its size.
TEST(StringTableSplit, TheIndexOfAFileOfZerosCostsLessThanTheFile)
{
    const QByteArray zeros(4 * 1024 * 1024, '\0');
    const std::size_t before = HeapInUse();
    const strings::StringTable table(zeros);
    const std::size_t grown = HeapInUse() - before;
    EXPECT_EQ(table.Count(), zeros.size());
    EXPECT_LT(grown, static_cast<std::size_t>(zeros.size() / 2));
    EXPECT_EQ(table.Entry(zeros.size() - 1), (strings::StringEntry{zeros.size() - 1, 0}));
}

TEST(StringTableSplit, TextsOutliveChangesToTheCallersBuffer)
{
    QByteArray bytes = Bytes("A\0BC\0"sv);
    const strings::StringTable table(bytes);
    bytes[0] = 'Z';
    bytes.clear();
    EXPECT_EQ(table.Text(0), "A");
    EXPECT_EQ(table.Text(1), "BC");
}

struct ReplaceCase {
    std::string_view table;
    qsizetype index;
    std::string_view text;
    std::string_view expected;
};

TEST(StringTableReplace, SplicesTheNewTextBetweenUntouchedNeighbours)
{
    const ReplaceCase cases[] = {
        // Second of three, longer: 9 bytes become 11, the third only moves.
        {"A\0BC\0DEF\0"sv, 1, "WXYZ", "A\0WXYZ\0DEF\0"sv},
        {"HELLO\0W\0"sv, 0, "H", "H\0W\0"sv},
        // The first entry is replaced whole, with or without text of its own.
        {"A\0BC\0"sv, 0, "Q", "Q\0BC\0"sv},
        {"\0BC\0"sv, 0, "Q", "Q\0BC\0"sv},
        // A terminator at the very end gets no empty entry after it.
        {"A\0BC\0"sv, 1, "Z", "A\0Z\0"sv},
        {"\0"sv, 0, "HI", "HI\0"sv},
        // Bytes after the last terminator stay at the end.
        {"A\0BC\0XY"sv, 1, "LONGER", "A\0LONGER\0XY"sv},
        {"A\0BC\0XY"sv, 0, "", "\0BC\0XY"sv},
        // An empty text leaves an empty entry.
        {"A\0BC\0D\0"sv, 1, "", "A\0\0D\0"sv},
        {"A\0\0D\0"sv, 1, "\x80\xFF", "A\0\x80\xFF\0D\0"sv},
    };
    for (const ReplaceCase& c : cases) {
        const std::optional<QByteArray> result = strings::ReplaceEntry(Bytes(c.table), c.index, Bytes(c.text));
        ASSERT_TRUE(result.has_value()) << c.index;
        EXPECT_EQ(result->toHex(), Bytes(c.expected).toHex()) << Bytes(c.table).toHex().toStdString();
    }
}

TEST(StringTableReplace, RefusesAMissingEntryOrATextHoldingAZero)
{
    const QByteArray table = Bytes("A\0BC\0XY"sv);
    for (qsizetype index : {qsizetype{-1}, qsizetype{2}, qsizetype{1000}})
        EXPECT_FALSE(strings::ReplaceEntry(table, index, "Q").has_value()) << index;
    EXPECT_FALSE(strings::ReplaceEntry(Bytes("X"sv), 0, "Q").has_value());
    EXPECT_FALSE(strings::ReplaceEntry(Bytes(""sv), 0, "Q").has_value());
    for (std::string_view text : {"\0"sv, "P\0Q"sv, "PQ\0"sv})
        EXPECT_FALSE(strings::ReplaceEntry(table, 0, Bytes(text)).has_value()) << Bytes(text).toHex().toStdString();
}

TEST(StringTableReplace, OwnTextGivesTheSameBytesAtEveryPosition)
{
    for (std::string_view raw : {"A\0BC\0DEF\0"sv, "\0\0X\0"sv, "ONE\0\0TWO\0tail"sv, "\0"sv, "\x81\0\xFF\xFE\0\x01"sv}) {
        const QByteArray bytes = Bytes(raw);
        const strings::StringTable table(bytes);
        ASSERT_GT(table.Count(), 0);
        for (qsizetype i = 0; i < table.Count(); ++i)
            EXPECT_EQ(strings::ReplaceEntry(bytes, i, table.Text(i)), bytes) << bytes.toHex().toStdString() << " #" << i;
    }
}

TEST(StringTableReplace, HeadAndTailJoinBackIntoTheTable)
{
    const QByteArray bytes = Bytes("A\0BC\0XY"sv);
    const strings::StringEntry second = *strings::FindEntry(bytes, 1);
    EXPECT_EQ(strings::EditHead(bytes, second), Bytes("A\0"sv));
    EXPECT_EQ(strings::EditTail(bytes, second), "XY");
    EXPECT_EQ(strings::JoinEntry(strings::EditHead(bytes, second), "N", strings::EditTail(bytes, second)),
              Bytes("A\0N\0XY"sv));
}

} // namespace
