// The field catalogue: every name finds its documented bytes in every build, no two
// fields share a byte, and every value reads back as it is shown.
#include "tables/Catalogue.h"

#include "core/ByteAccess.h"
#include "sample/SampleInstall.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

QByteArray FileOf(const catalogue::Table& table, GameVersion version)
{
    return sample::File(table.file, version);
}

struct Located {
    QString table;
    QString record;
    QString field;
    qsizetype offsets[3];  // Collector's Edition, DOS 1.2, DOS 1.4
    qsizetype width;
};

const Located Documented[] = {
    {u"units"_s, u"Sectoid Soldier"_s, u"Time Units"_s, {480421, 398009, 380005}, 1},
    {u"units"_s, u"Sectoid Soldier"_s, u"Flying Ability"_s, {480420, 398008, 380004}, 1},
    {u"units"_s, u"Sectoid Soldier"_s, u"Bravery"_s, {480447, 398035, 380031}, 1},
    {u"units"_s, u"Hover Tank"_s, u"Time Units"_s, {481396, 398984, 380980}, 1},
    {u"base"_s, u"R1C1"_s, u"Facility"_s, {455134, 391894, 373886}, 1},
    {u"base"_s, u"R1C1"_s, u"Days"_s, {455170, 391930, 373922}, 1},
    {u"base"_s, u"R3C3"_s, u"Facility"_s, {455148, 391908, 373900}, 1},
    {u"stores"_s, u"Engineers"_s, u"Amount"_s, {455206, 391966, 373958}, 1},
    {u"stores"_s, u"Pistols"_s, u"Amount"_s, {455238, 391998, 373990}, 2},
    {u"stores"_s, u"HWP Fusion Bombs"_s, u"Amount"_s, {455398, 392158, 374150}, 2},
    {u"facilities"_s, u"Access Lift"_s, u"Construction Cost/$k"_s, {460354, 374242, 356234}, 2},
    {u"facilities"_s, u"Hangar"_s, u"Construction Cost/$k"_s, {460610, 374498, 356490}, 2},
    {u"facilities"_s, u"Hangar"_s, u"Standard to Build"_s, {460620, 374508, 356500}, 1},
    {u"first-names"_s, u"0"_s, u"Name"_s, {453768, 390544, 372536}, 11},
    {u"last-names"_s, u"0"_s, u"Name"_s, {452328, 389104, 371096}, 11},
    {u"items"_s, u"3"_s, u"Damage"_s, {184, 184, 184}, 1},
    {u"items"_s, u"79"_s, u"Damage Type"_s, {4297, 4297, 4297}, 1},
    {u"items"_s, u"2"_s, u"Name"_s, {108, 108, 108}, 20},
};

class CatalogueOfEachBuild : public ::testing::TestWithParam<int> {
protected:
    GameVersion Version() const { return gameversion::All[std::size_t(GetParam())]; }
};

TEST_P(CatalogueOfEachBuild, NamesFindTheDocumentedBytes)
{
    for (const Located& located : Documented) {
        SCOPED_TRACE((located.table + u" / "_s + located.record + u" / "_s + located.field).toStdString());
        const catalogue::Table* table = catalogue::FindTable(located.table);
        ASSERT_NE(table, nullptr);
        const QByteArray bytes = FileOf(*table, Version());
        const std::optional<int> record = catalogue::FindRecord(*table, located.record, bytes);
        const catalogue::Field* field = catalogue::FindField(*table, located.field);
        ASSERT_TRUE(record && field);
        const std::optional<catalogue::Slot> slot = catalogue::Locate(*table, *record, *field, Version(), bytes);
        ASSERT_TRUE(slot);
        EXPECT_EQ(slot->offset, located.offsets[GetParam()]);
        EXPECT_EQ(slot->width, located.width);
    }
}

TEST_P(CatalogueOfEachBuild, NoTwoFieldsShareAByteAndNamesAreUnique)
{
    std::map<GameFile, std::map<qsizetype, QString>> owners;
    for (const catalogue::Table& table : catalogue::Tables()) {
        QStringList names;
        for (const catalogue::Field& field : table.fields) {
            EXPECT_FALSE(names.contains(field.Name())) << table.Name().toStdString();
            names.append(field.Name());
        }
        if (table.IsStringTable())
            continue;
        const QByteArray bytes = FileOf(table, Version());
        QStringList records;
        for (const catalogue::Slot& slot : catalogue::Slots(table, Version(), bytes)) {
            const QString name = table.Name() + u'/' + catalogue::RecordName(table, slot.record) + u'/' + slot.field->Name();
            for (qsizetype at = slot.offset; at < slot.offset + slot.width; ++at) {
                const auto [it, inserted] = owners[table.file].emplace(at, name);
                EXPECT_TRUE(inserted) << name.toStdString() << " shares byte " << at << " with "
                                      << it->second.toStdString();
            }
        }
        for (int record = 0; record < table.recordCount; ++record)
            records.append(catalogue::RecordName(table, record));
        EXPECT_EQ(records.size(), QSet<QString>(records.begin(), records.end()).size()) << table.Name().toStdString();
    }
}

// What is shown reads back as the bytes it came from, so an exported table applied
// again changes nothing.
TEST_P(CatalogueOfEachBuild, EveryShownValueReadsBackAsItsBytes)
{
    for (const catalogue::Table& table : catalogue::Tables()) {
        const QByteArray bytes = FileOf(table, Version());
        for (const catalogue::Slot& slot : catalogue::Slots(table, Version(), bytes)) {
            const QString shown = catalogue::Show(slot, bytes);
            // The game holds values its prompts would not take (a strength of 110): a file
            // may carry them, so that a revert restores them.
            const catalogue::Reading reading = catalogue::Read(slot, shown, catalogue::Limits::Storage);
            if (slot.field->kind == catalogue::Kind::Name && shown.isEmpty())
                continue;  // an empty name has no answer: the box takes "" as Cancel
            ASSERT_TRUE(reading.bytes) << table.Name().toStdString() << " " << slot.record << " "
                                       << reading.refusal.toStdString();
            const QByteArray stored = bytes.mid(slot.offset, slot.width);
            if (slot.field->kind == catalogue::Kind::Name)
                EXPECT_EQ(reading.bytes->left(reading.bytes->indexOf('\0')), stored.left(stored.indexOf('\0')));
            else
                EXPECT_EQ(*reading.bytes, stored) << table.Name().toStdString() << " " << slot.record;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Builds, CatalogueOfEachBuild, ::testing::Values(0, 1, 2),
                         [](const auto& info) { return gameversion::ShortName(gameversion::All[std::size_t(info.param)]).toStdString(); });

// Cells and files give whole numbers and names, kept to the form's limits in a cell and
// to what the field stores from a file, with a warning past the form's.
TEST(Catalogue, ReadsWholeNumbersAndNamesWithinTheirLimits)
{
    const QByteArray exe = sample::Executable(GameVersion::CollectorsEdition);
    const QByteArray items = sample::ItemFile();
    using enum catalogue::Limits;
    const struct {
        QString table, record, field, text;
        catalogue::Limits limits;
        std::optional<QByteArray> bytes;
        QString refusal, warning;
    } cases[] = {
        {u"units"_s, u"Sectoid Soldier"_s, u"Time Units"_s, u" 80 "_s, Form, QByteArray(1, 80), {}, {}},
        {u"units"_s, u"Sectoid Soldier"_s, u"Time Units"_s, u"1e2"_s, Storage, {}, u"\"1e2\" is not a number"_s, {}},
        {u"units"_s, u"Sectoid Soldier"_s, u"Time Units"_s, u"12abc"_s, Storage, {}, u"\"12abc\" is not a number"_s, {}},
        {u"units"_s, u"Sectoid Soldier"_s, u"Time Units"_s, u"#VALUE!"_s, Storage, {}, u"\"#VALUE!\" is not a number"_s, {}},
        {u"units"_s, u"Sectoid Soldier"_s, u"Time Units"_s, u""_s, Storage, {}, u"\"\" is not a number"_s, {}},
        {u"units"_s, u"Sectoid Soldier"_s, u"Time Units"_s, u"80.6"_s, Storage, {}, u"80.6 is not a whole number"_s, {}},
        {u"units"_s, u"Sectoid Soldier"_s, u"Time Units"_s, u"256"_s, Storage, {}, u"256 is above 255, the most the field can hold"_s, {}},
        {u"units"_s, u"Sectoid Soldier"_s, u"Strength"_s, u"101"_s, Form, {}, u"101 is above the limit 100"_s, {}},
        {u"units"_s, u"Sectoid Soldier"_s, u"Strength"_s, u"110"_s, Storage, QByteArray(1, 110), {}, u"110 is above the limit 100 the form allows"_s},
        {u"units"_s, u"Sectoid Soldier"_s, u"Strength"_s, u"110"_s, StrictStorage, {}, u"110 is above the limit 100"_s, {}},
        {u"units"_s, u"Sectoid Soldier"_s, u"Bravery"_s, u"120"_s, Storage, {}, u"120 is above the limit 110"_s, {}},
        {u"units"_s, u"Sectoid Soldier"_s, u"Bravery"_s, u"30"_s, Form, QByteArray(1, 8), {}, {}},
        {u"units"_s, u"Sectoid Soldier"_s, u"Bravery"_s, u"35"_s, Storage, {}, u"35 is not divisible by 10"_s, {}},
        {u"units"_s, u"Sectoid Soldier"_s, u"Bravery"_s, u"-10"_s, Form, {}, u"-10 is below 0"_s, {}},
        {u"units"_s, u"Sectoid Soldier"_s, u"Bravery"_s, u"-10"_s, Storage, QByteArray(1, 12), {}, u"-10 is below 0, the least the form allows"_s},
        {u"units"_s, u"Sectoid Soldier"_s, u"Flying Ability"_s, u" Yes"_s, Form, QByteArray(1, 1), {}, {}},
        {u"units"_s, u"Sectoid Soldier"_s, u"Flying Ability"_s, u"Maybe"_s, Form, {}, u"\"Maybe\" is none of Yes, No"_s, {}},
        {u"facilities"_s, u"Hangar"_s, u"Construction Cost/$k"_s, u"28,672"_s, Form, {}, u"28,672 is above the limit 28,671"_s, {}},
        {u"facilities"_s, u"Hangar"_s, u"Construction Cost/$k"_s, u"65,535"_s, Storage, QByteArray("\xFF\xFF", 2), {}, u"65,535 is above the limit 28,671 the form allows"_s},
        {u"facilities"_s, u"Hangar"_s, u"Construction Cost/$k"_s, u"65536"_s, Storage, {}, u"65536 is above 65,535, the most the field can hold"_s, {}},
        {u"facilities"_s, u"Hangar"_s, u"Construction Cost/$k"_s, u"1,500"_s, Form, QByteArray("\xDC\x05", 2), {}, {}},
        {u"facilities"_s, u"Hangar"_s, u"Construction Cost/$k"_s, u"15,00"_s, Form, {}, u"\"15,00\" is not a number"_s, {}},
        {u"facilities"_s, u"Access Lift"_s, u"Standard to Build"_s, u"Yes"_s, Form, QByteArray(1, 5), {}, {}},
        {u"stores"_s, u"Engineers"_s, u"Amount"_s, u"251"_s, Form, {}, u"251 is above the limit 250"_s, {}},
        {u"stores"_s, u"Pistols"_s, u"Amount"_s, u"-3"_s, Storage, {}, u"-3 is below 0"_s, {}},
        {u"base"_s, u"R2C3"_s, u"Facility"_s, u"Hangar (Top Left)"_s, Form, QByteArray(1, 16), {}, {}},
        {u"base"_s, u"R2C3"_s, u"Days"_s, u"5 Days"_s, Form, QByteArray(1, 5), {}, {}},
        {u"items"_s, u"3"_s, u"Damage Type"_s, u"HE"_s, Form, QByteArray(1, 2), {}, {}},
        {u"items"_s, u"3"_s, u"Name"_s, u"Rifle Clip"_s, Form, QByteArray("Rifle Clip") + QByteArray(10, '\0'), {}, {}},
        {u"items"_s, u"3"_s, u"Name"_s, u"A name of twenty-one"_s + u"!"_s, Form, {}, u"\"A name of twenty-one!\" is longer than 20 characters"_s, {}},
        {u"first-names"_s, u"5"_s, u"Name"_s, u"\u4E00"_s, Form, {}, u"the game's code page cannot hold the character U+4E00"_s, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.table + u" / "_s + c.field + u" = "_s + c.text).toStdString());
        const catalogue::Table* table = catalogue::FindTable(c.table);
        const QByteArray& bytes = table->file == GameFile::Items ? items : exe;
        const auto slot = catalogue::Locate(*table, *catalogue::FindRecord(*table, c.record, bytes),
                                            *catalogue::FindField(*table, c.field), GameVersion::CollectorsEdition, bytes);
        ASSERT_TRUE(slot);
        const catalogue::Reading reading = catalogue::Read(*slot, c.text, c.limits);
        EXPECT_EQ(reading.bytes, c.bytes);
        EXPECT_EQ(reading.refusal, c.refusal);
        EXPECT_EQ(reading.warning, c.warning);
    }
}

// Saved mods name tables and fields by their keys: the list is the one the change-set
// format documents, in its order, and no key may follow a caption's edit.
TEST(CatalogueKeys, AreTheOnesTheChangeSetFormatDocuments)
{
    QFile format(QStringLiteral(KESTREL_SOURCE_DIR "/docs/change-sets.md"));
    ASSERT_TRUE(format.open(QIODevice::ReadOnly | QIODevice::Text));
    const QRegularExpression backticked(u"`([^`]+)`"_s);
    // "`Ammo Type 1` to `3`" stands for the three ammo fields.
    const QRegularExpression range(u"`([^`]*?)(\\d+)` to `(\\d+)`"_s);
    std::map<std::string, std::vector<std::string>> documented;
    for (const QString& line : QString::fromUtf8(format.readAll()).split(u'\n')) {
        const QStringList cells = line.split(u'|');
        if (cells.size() != 5 || !cells[1].contains(u'`'))
            continue;
        QString fieldCell = cells[3];
        for (QRegularExpressionMatch m = range.match(fieldCell); m.hasMatch(); m = range.match(fieldCell)) {
            QStringList expanded;
            for (int n = m.captured(2).toInt(); n <= m.captured(3).toInt(); ++n)
                expanded.append(u"`%1%2`"_s.arg(m.captured(1)).arg(n));
            fieldCell.replace(m.capturedStart(), m.capturedLength(), expanded.join(u", "_s));
        }
        std::vector<std::string> fields;
        for (const QRegularExpressionMatch& m : backticked.globalMatch(fieldCell))
            fields.push_back(m.captured(1).toStdString());
        for (const QRegularExpressionMatch& m : backticked.globalMatch(cells[1]))
            documented[m.captured(1).toStdString()] = fields;
    }
    std::map<std::string, std::vector<std::string>> declared;
    for (const catalogue::Table& table : catalogue::Tables()) {
        std::vector<std::string>& fields = declared[table.Name().toStdString()];
        for (const catalogue::Field& field : table.fields)
            fields.push_back(field.Name().toStdString());
    }
    EXPECT_EQ(declared, documented);
}

} // namespace
