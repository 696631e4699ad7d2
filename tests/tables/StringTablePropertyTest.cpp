// Random tables and chains of random edits, checked against a plain list of texts.
#include "tables/StringTable.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

struct Model {
    std::vector<QByteArray> texts;
    QByteArray trailing;

    QByteArray Serialised() const
    {
        QByteArray bytes;
        for (const QByteArray& text : texts)
            bytes += text + '\0';
        return bytes + trailing;
    }
};

class RandomTables {
public:
    QByteArray Text(int maxLength)
    {
        // Mostly short texts, with empty ones common enough to sit side by side.
        QByteArray text(Pick(0, maxLength), Qt::Uninitialized);
        for (char& byte : text)
            byte = static_cast<char>(Pick(1, 255));
        return text;
    }

    Model Table()
    {
        Model model;
        const int count = Pick(0, 30);
        for (int i = 0; i < count; ++i)
            model.texts.push_back(Text(Pick(0, 1) ? 0 : 12));
        model.trailing = Text(Pick(0, 1) ? 0 : 5);
        return model;
    }

    // Thousands of entries, some far longer than the others, so lookups start from
    // every kind of index point.
    Model LargeTable()
    {
        Model model;
        const int count = Pick(1000, 5000);
        for (int i = 0; i < count; ++i)
            model.texts.push_back(Text(Pick(0, 200) == 0 ? 9000 : Pick(0, 1) ? 0 : 12));
        model.trailing = Text(5);
        return model;
    }

    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

private:
    std::mt19937 m_random{20240611};
};

void ExpectMatches(const QByteArray& bytes, const Model& model)
{
    const strings::StringTable table(bytes);
    ASSERT_EQ(table.Count(), static_cast<qsizetype>(model.texts.size()));
    for (qsizetype i = 0; i < table.Count(); ++i)
        ASSERT_EQ(table.Text(i), model.texts[static_cast<std::size_t>(i)]) << i;
    ASSERT_EQ(table.Trailing(), model.trailing);
}

TEST(StringTableProperty, LargeTablesFindEveryEntryByIndexAndInOrder)
{
    RandomTables random;
    for (int round = 0; round < 10; ++round) {
        const Model model = random.LargeTable();
        const QByteArray bytes = model.Serialised();
        SCOPED_TRACE(round);
        ExpectMatches(bytes, model);
        const strings::StringTable table(bytes);
        qsizetype index = 0;
        for (const strings::StringEntry entry : table.Entries())
            ASSERT_EQ(entry, table.Entry(index++));
        ASSERT_EQ(index, table.Count());
    }
}

TEST(StringTableProperty, RandomEditsChangeOnlyTheEditedEntry)
{
    RandomTables random;
    for (int round = 0; round < 400; ++round) {
        Model model = random.Table();
        QByteArray bytes = model.Serialised();
        SCOPED_TRACE(round);
        ExpectMatches(bytes, model);
        for (int edit = 0; edit < 15; ++edit) {
            // Now and then an index past the end, which must leave everything as it was.
            const int index = random.Pick(0, static_cast<int>(model.texts.size()) + 1);
            const QByteArray text = random.Text(random.Pick(0, 3) ? 6 : 40);
            const std::optional<QByteArray> result = strings::ReplaceEntry(bytes, index, text);
            if (index >= static_cast<int>(model.texts.size())) {
                ASSERT_FALSE(result.has_value());
                continue;
            }
            ASSERT_TRUE(result.has_value());
            const qsizetype oldLength = model.texts[static_cast<std::size_t>(index)].size();
            ASSERT_EQ(result->size(), bytes.size() - oldLength + text.size());
            model.texts[static_cast<std::size_t>(index)] = text;
            bytes = *result;
            ExpectMatches(bytes, model);
        }
        ASSERT_EQ(bytes, model.Serialised());
    }
}

} // namespace
