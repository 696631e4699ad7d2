// Which entries a typed query finds: text in any case, with the code page's own letters,
// and "#index".
#include "sample/SampleInstall.h"
#include "tables/StringFilter.h"

#include <QString>

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

TEST(StringFilter, FindsTextInAnyCaseOrTheEntryOfAnIndex)
{
    const struct {
        QString query;
        qsizetype index;
        QByteArray text;
        bool accepted;
    } cases[] = {
        {u""_s, 5, "anything", true},
        {u"laser"_s, 5, "Log 5: The hangar crew moves a LASER rifle.", true},
        {u"Laser R"_s, 5, "a laser rifle", true},
        {u"laser"_s, 5, "a lase", false},
        {u"rifle."_s, 5, "rifle", false},                          // longer than the text
        {u"\u00c4RZTE"_s, 5, "die \xE4rzteschicht", true},         // Ä finds ä
        {u"\u0153ur"_s, 5, "LE C\x8CUR", true},                    // œ finds Œ (0x8C), 0x9C's capital
        {u"stra\u00dfe"_s, 5, "STRASSE", false},                   // ß is one letter, not two
        {u"\u20ac40"_s, 5, "a \x80" "40 invoice", true},
        {u"\u4e2d"_s, 5, "\x4E\x2D", false},                      // no byte holds it: nothing matches
        {u"#123"_s, 123, "Note 124", true},
        {u"#123"_s, 124, "#123", false},                           // an index, never the text
        {u" #0 "_s, 0, "", true},
        {u"#12a"_s, 1, "see #12a", true},                          // not an index: text
        {u"#"_s, 1, "a # sign", true},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.query.toStdString() + " in " + test.text.toStdString());
        EXPECT_EQ(strings::EntryFilter(test.query).Accepts(test.index, test.text), test.accepted);
    }
}

// The whole-table pass the lists use finds exactly what the entries' own tests find,
// matches at an entry's very start and end and next to high bytes included.
TEST(StringFilter, OnePassOverTheTableAgreesWithEachEntry)
{
    const strings::StringTable table(sample::FrenchFile() + "Laser\0x\0\x8C" "ur\0rifle.\0"_ba + sample::German2File());
    for (const QString& query : {u"laser"_s, u"L"_s, u"\u0153U"_s, u"40 \u20ac."_s, u"rifle."_s, u"#3"_s, u"#99999"_s,
                                 u"\u00e0 outils"_s, u"x"_s, u"nowhere"_s, QString()}) {
        SCOPED_TRACE(query.toStdString());
        const strings::EntryFilter filter(query);
        const std::vector<bool> each = filter.AcceptsEach(table);
        ASSERT_EQ(qsizetype(each.size()), table.Count());
        for (qsizetype entry = 0; entry < table.Count(); ++entry)
            ASSERT_EQ(each[std::size_t(entry)], filter.Accepts(entry, table.Text(entry))) << entry;
    }
}

} // namespace
