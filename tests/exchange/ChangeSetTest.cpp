// Change-set files: what is refused and why, where the bytes land in every build, and a
// mod made on one build reproduced on another.
#include "exchange/ChangeSet.h"

#include "core/GameDocument.h"
#include "sample/SampleInstall.h"
#include "tables/Catalogue.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <random>

using namespace Qt::StringLiterals;

namespace {

void Open(GameDocument& document, GameVersion version)
{
    document.Adopt(sample::LoadedFiles(version));
}

QByteArray File(const QString& changes)
{
    return (u"{\"format\": \"x-com-kestrel-changes\", \"version\": 1, \"changes\": ["_s + changes + u"]}"_s).toUtf8();
}

TEST(ChangeSet, RefusesAFileOfTheWrongFormInOneLine)
{
    const struct {
        QByteArray json;
        QString problem;
    } cases[] = {
        {"{\"format\": \"x-com-kestrel-changes\",\n \"version\": 1, \"changes\": [", u"line 2, column 28: unterminated array"_s},
        {"{\"format\": \"other\", \"version\": 1, \"changes\": []}",
         u"not a change set: \"format\" must be \"x-com-kestrel-changes\""_s},
        {"{\"format\": \"x-com-kestrel-changes\", \"version\": 2, \"changes\": []}",
         u"version 2 is newer than this editor reads (1)"_s},
        {File(u"{\"table\": \"units\", \"record\": \"Tank\", \"value\": 3}"_s),
         u"change 1: needs \"table\" and \"field\" as texts, \"record\" and \"value\" as a text or number"_s},
    };
    for (const auto& c : cases) {
        const changeset::Parsed parsed = changeset::Parse(c.json);
        EXPECT_EQ(parsed.problems, QStringList{c.problem}) << c.json.toStdString();
    }
}

TEST(ChangeSet, RefusesEveryBadChangeAndAppliesNone)
{
    GameDocument document;
    Open(document, GameVersion::CollectorsEdition);
    const changeset::Parsed parsed = changeset::Parse(File(
        u"{\"table\": \"units\", \"record\": \"Sectoid Soldier\", \"field\": \"Time Units\", \"value\": 80},"
        u"{\"table\": \"unit\", \"record\": \"Tank\", \"field\": \"Health\", \"value\": 3},"
        u"{\"table\": \"units\", \"record\": \"Sectoid Soldier\", \"field\": \"Time Unit\", \"value\": 3},"
        u"{\"table\": \"units\", \"record\": \"Sectoid\", \"field\": \"Health\", \"value\": 3},"
        u"{\"table\": \"units\", \"record\": \"Sectoid Soldier\", \"field\": \"Bravery\", \"value\": 120},"
        u"{\"table\": \"units\", \"record\": \"Sectoid Soldier\", \"field\": \"Health\", \"value\": \"many\"},"
        u"{\"table\": \"items\", \"record\": 80, \"field\": \"Damage\", \"value\": 3},"
        u"{\"table\": \"items\", \"record\": 3, \"field\": \"Name\", \"was\": \"PISTOL\", \"value\": \"Clip\"},"
        u"{\"table\": \"units\", \"record\": \"Sectoid Soldier\", \"field\": \"Time Units\", \"value\": 81},"
        u"{\"table\": \"english.dat\", \"record\": 2, \"field\": \"Text\", \"value\": \"\u4E00\"}"_s));
    ASSERT_TRUE(parsed.problems.isEmpty());
    const changeset::Resolved resolved = changeset::Resolve(document, parsed.entries, false, u"Import"_s);
    EXPECT_EQ(resolved.problems,
              (QStringList{u"change 2: no table \"unit\""_s, u"change 3: no field \"Time Unit\" in table units"_s,
                           u"change 4 (units / Sectoid / Health): no record Sectoid in table units"_s,
                           u"change 5 (units / Sectoid Soldier / Bravery): 120 is above the limit 110"_s,
                           u"change 6 (units / Sectoid Soldier / Health): the value must be a number"_s,
                           u"change 7 (items / 80 / Damage): no record 80 in table items"_s,
                           u"change 8 (items / 3 / Name): the file holds RIFLE CLIP, not PISTOL as \"was\" says"_s,
                           u"change 9 (units / Sectoid Soldier / Time Units): the same field as change 1"_s,
                           u"change 10 (english.dat / 2 / Text): the game's code page cannot hold the character U+4E00"_s}));
    EXPECT_TRUE(resolved.edit.changes.empty());

    // Forced, a "was" that differs no longer stops the change.
    const changeset::Resolved forced = changeset::Resolve(document, {parsed.entries[7]}, true, u"Import"_s);
    EXPECT_TRUE(forced.problems.isEmpty());
    EXPECT_EQ(forced.edit.changes.size(), 1u);
}

// The same file lands at each build's own offsets.
class ChangeSetOfEachBuild : public ::testing::TestWithParam<int> {};

TEST_P(ChangeSetOfEachBuild, BytesLandAtTheDocumentedOffsets)
{
    const GameVersion version = gameversion::All[std::size_t(GetParam())];
    GameDocument document;
    Open(document, version);
    const changeset::Parsed parsed = changeset::Parse(File(
        u"{\"table\": \"units\", \"record\": \"Sectoid Soldier\", \"field\": \"Time Units\", \"value\": 80},"
        u"{\"table\": \"units\", \"record\": \"Sectoid Soldier\", \"field\": \"Flying Ability\", \"value\": \"Yes\"},"
        u"{\"table\": \"stores\", \"record\": \"Pistols\", \"field\": \"Amount\", \"value\": 300},"
        u"{\"table\": \"facilities\", \"record\": \"Hangar\", \"field\": \"Construction Cost/$k\", \"value\": 1500},"
        u"{\"table\": \"base\", \"record\": \"R1C1\", \"field\": \"Facility\", \"value\": \"Access Lift\"},"
        u"{\"table\": \"first-names\", \"record\": 0, \"field\": \"Name\", \"value\": \"Hans\"},"
        u"{\"table\": \"items\", \"record\": 3, \"field\": \"Damage\", \"value\": 35},"
        u"{\"table\": \"english.dat\", \"record\": 0, \"field\": \"Text\", \"value\": \"Laser Rifle\"}"_s));
    const changeset::Resolved resolved = changeset::Resolve(document, parsed.entries, false, u"Import"_s);
    ASSERT_TRUE(resolved.problems.isEmpty()) << resolved.problems.join(u'\n').toStdString();
    ASSERT_TRUE(document.Apply(resolved.edit));

    const qsizetype tu[] = {480421, 398009, 380005};
    const qsizetype pistols[] = {455238, 391998, 373990};
    const qsizetype hangarCost[] = {460610, 374498, 356490};
    const qsizetype cell[] = {455134, 391894, 373886};
    const qsizetype firstName[] = {453768, 390544, 372536};
    const QByteArray& exe = document.Working(GameFile::Executable);
    const int build = GetParam();
    EXPECT_EQ(exe.mid(tu[build] - 1, 2), QByteArray("\x01\x50", 2));
    EXPECT_EQ(exe.mid(pistols[build], 2), QByteArray("\x2C\x01", 2));
    EXPECT_EQ(exe.mid(hangarCost[build], 2), QByteArray("\xDC\x05", 2));
    EXPECT_EQ(exe.mid(cell[build], 1), QByteArray(1, 0));
    EXPECT_EQ(exe.mid(firstName[build], 11), QByteArray("Hans\0\0\0\0\0\0\0", 11));
    EXPECT_EQ(document.Working(GameFile::Items).mid(184, 1), QByteArray(1, 35));
    EXPECT_TRUE(document.Working(GameFile::English).startsWith(QByteArray("Laser Rifle\0", 12)));
}

INSTANTIATE_TEST_SUITE_P(Builds, ChangeSetOfEachBuild, ::testing::Values(0, 1, 2));

// Random edits of the Collector's Edition, carried as a change set to each other build,
// leave nothing between the two over the tables they share.
TEST(ChangeSet, AModMadeOnOneBuildReproducesOnAnother)
{
    std::mt19937 random(16);
    GameDocument made;
    Open(made, GameVersion::CollectorsEdition);
    for (int step = 0; step < 400; ++step) {
        const catalogue::Table& table = catalogue::Tables()[random() % catalogue::Tables().size()];
        if (!made.IsLoaded(table.file))
            continue;  // the sample has no German or French files
        const QByteArray& bytes = made.Working(table.file);
        const int record = int(random() % unsigned(catalogue::RecordCount(table, bytes)));
        const catalogue::Field& field = table.fields[random() % table.fields.size()];
        const auto slot = catalogue::Locate(table, record, field, made.Version(), bytes);
        ASSERT_TRUE(slot);
        const QString value = field.kind == catalogue::Kind::Name || field.kind == catalogue::Kind::StringEntry
                                  ? u"Mod %1"_s.arg(random() % 1000)
                                  : QString::number(random() % 101);
        const catalogue::Reading reading = catalogue::Read(*slot, value);
        if (reading.bytes) {
            ASSERT_TRUE(made.Apply({{}, {made.ChangeTo(table.file, slot->offset, *reading.bytes, table.Name(),
                                                       catalogue::RecordName(table, record), field.Name())}}));
        }
    }
    const QByteArray mod = changeset::Write(changeset::SinceLoad(made));
    for (const GameVersion version : {GameVersion::Dos12, GameVersion::Dos14}) {
        GameDocument other;
        Open(other, version);
        const changeset::Resolved resolved =
            changeset::Resolve(other, changeset::Parse(mod).entries, false, u"Import"_s);
        ASSERT_TRUE(resolved.problems.isEmpty()) << resolved.problems.join(u'\n').toStdString();
        ASSERT_TRUE(other.Apply(resolved.edit));
        QStringList notes;
        EXPECT_TRUE(changeset::Between(other, made, &notes).empty());
        EXPECT_TRUE(notes.isEmpty());
    }
}

} // namespace
