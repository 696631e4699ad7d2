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

#include <map>
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
         u"change 1: needs \"table\" and \"field\" as texts, \"record\" and \"value\" as a text or number"
         u" (and \"comment\", if any, as a text)"_s},
        // The last of two equal keys would win silently: an empty list, a second value.
        {"{\"format\": \"x-com-kestrel-changes\", \"version\": 1,\n \"changes\": [],\n \"changes\": []}",
         u"line 3: the key \"changes\" is given twice"_s},
        {File(u"{\"table\": \"units\", \"record\": 1, \"field\": \"Health\",\n\"value\": 30, \"value\": 120}"_s),
         u"line 2: the key \"value\" is given twice"_s},
        {File(u"\n{\"table\": \"units\", \"record\": 1, \"field\": \"Health\", \"wass\": 3, \"value\": 30}"_s),
         u"line 2: unknown key \"wass\" (did you mean \"was\"?)"_s},
        {"{\"format\": \"x-com-kestrel-changes\", \"version\": 1, \"changes\": [], \"mod\": {\"name\": 3}}",
         u"\"mod\": \"name\" must be a text"_s},
    };
    for (const auto& c : cases) {
        const changeset::Parsed parsed = changeset::Parse(c.json);
        EXPECT_EQ(parsed.problems, QStringList{c.problem}) << c.json.toStdString();
    }
    const changeset::Parsed described = changeset::Parse(
        "{\"$schema\": \"x\", \"format\": \"x-com-kestrel-changes\", \"version\": 1, \"mod\": {\"name\": \"M\"},"
        " \"changes\": [{\"table\": \"units\", \"record\": 1, \"field\": \"Health\", \"value\": 3, \"comment\": \"c\"}]}");
    EXPECT_TRUE(described.problems.isEmpty()) << described.problems.join(u'\n').toStdString();
    EXPECT_TRUE(changeset::Write(described.entries).contains("\"comment\":\"c\""));
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
        u"{\"table\": \"english.dat\", \"record\": 2, \"field\": \"Text\", \"value\": \"\u4E00\"},"
        u"{\"table\": \"units\", \"record\": \"Sectoid Soldier\", \"field\": \"Reaction\", \"value\": 80.6},"
        u"{\"table\": \"units\", \"record\": \"Sectoid Soldier\", \"field\": \"Energy\", \"value\": \"12abc\"},"
        u"{\"table\": \"items\", \"record\": 2, \"field\": \"Ammo Type 1\", \"value\": \"NO SUCH CLIP\"}"_s));
    ASSERT_TRUE(parsed.problems.isEmpty());
    const changeset::Resolved resolved = changeset::Resolve(document, parsed.entries, {}, u"Import"_s);
    EXPECT_EQ(resolved.problems,
              (QStringList{u"change 2: no table \"unit\" (did you mean \"units\"?)"_s,
                           u"change 3: no field \"Time Unit\" in table units (did you mean \"Time Units\"?)"_s,
                           u"change 4 (units / Sectoid / Health): no record Sectoid in table units"_s,
                           u"change 5 (units / Sectoid Soldier / Bravery): 120 is above the limit 110"_s,
                           u"change 6 (units / Sectoid Soldier / Health): \"many\" is not a number"_s,
                           u"change 7 (items / 80 / Damage): no record 80 in table items"_s,
                           u"change 8 (items / 3 / Name): the file holds RIFLE CLIP, neither PISTOL as \"was\" says nor the new value"_s,
                           u"change 9 (units / Sectoid Soldier / Time Units): the same field as change 1"_s,
                           u"change 10 (english.dat / 2 / Text): the game's code page cannot hold the character U+4E00"_s,
                           u"change 11 (units / Sectoid Soldier / Reaction): 80.6 is not a whole number"_s,
                           u"change 12 (units / Sectoid Soldier / Energy): \"12abc\" is not a number"_s,
                           u"change 13 (items / 2 / Ammo Type 1): \"NO SUCH CLIP\" names no single item"_s}))
        << resolved.problems.join(u'\n').toStdString();
    EXPECT_TRUE(resolved.edit.changes.empty());

    // Forced, a "was" that differs no longer stops the change.
    const changeset::Resolved forced = changeset::Resolve(document, {parsed.entries[7]}, {.force = true}, u"Import"_s);
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
    const changeset::Resolved resolved = changeset::Resolve(document, parsed.entries, {}, u"Import"_s);
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

// A mod of any values the fields store, the game's own past the form's limits among them,
// applies, re-applies as already in place, and its revert ends byte-identical to the start.
TEST_P(ChangeSetOfEachBuild, AModAppliesTwiceAndItsRevertRestoresEveryByte)
{
    GameDocument start;
    Open(start, gameversion::All[std::size_t(GetParam())]);
    GameDocument modded;
    Open(modded, start.Version());
    std::mt19937 random(26 + GetParam());
    std::vector<changeset::Entry> mod;
    for (const catalogue::Table& table : catalogue::Tables()) {
        if (!start.IsLoaded(table.file))
            continue;
        for (const catalogue::Slot& slot : catalogue::Slots(table, start.Version(), start.Working(table.file))) {
            if (random() % 8 != 0 || !catalogue::IsNumeric(slot.field->kind) || slot.field->kind == catalogue::Kind::Bravery)
                continue;
            mod.push_back(changeset::EntryFor(table, slot.record, *slot.field, QString::number(random() % 256)));
        }
    }
    const changeset::Resolved applied = changeset::Resolve(modded, mod, {}, u"Mod"_s);
    ASSERT_TRUE(applied.problems.isEmpty()) << applied.problems.join(u'\n').toStdString();
    EXPECT_FALSE(applied.warnings.isEmpty());
    ASSERT_TRUE(modded.Apply(applied.edit));
    const changeset::Resolved again = changeset::Resolve(modded, mod, {}, u"Mod"_s);
    EXPECT_TRUE(again.problems.isEmpty() && again.edit.changes.empty());
    EXPECT_EQ(again.unchanged, int(mod.size()));

    const std::vector<changeset::Entry> revert = changeset::Between(start, modded, nullptr);
    const changeset::Resolved reverted = changeset::Resolve(modded, changeset::Parse(changeset::Write(revert)).entries, {}, u"Revert"_s);
    ASSERT_TRUE(reverted.problems.isEmpty()) << reverted.problems.join(u'\n').toStdString();
    ASSERT_TRUE(modded.Apply(reverted.edit));
    for (const GameFile file : {GameFile::Executable, GameFile::Items})
        EXPECT_EQ(modded.Working(file), start.Working(file));
}

INSTANTIATE_TEST_SUITE_P(Builds, ChangeSetOfEachBuild, ::testing::Values(0, 1, 2));

// Already in place wins over a stale "was"; the game's own values past the form's limits
// are taken with a warning, refused under strict; ammo and items go by name.
TEST(ChangeSet, TakesWhatAFieldCanHold)
{
    GameDocument document;
    Open(document, GameVersion::CollectorsEdition);
    const auto resolve = [&](const QString& change, changeset::Options options = {}) {
        return changeset::Resolve(document, changeset::Parse(File(change)).entries, options, u"Import"_s);
    };
    const changeset::Resolved inPlace = resolve(
        u"{\"table\": \"items\", \"record\": 3, \"field\": \"Name\", \"was\": \"PISTOL\", \"value\": \"RIFLE CLIP\"}"_s);
    EXPECT_TRUE(inPlace.problems.isEmpty());
    EXPECT_EQ(inPlace.unchanged, 1);

    const QString strength =
        u"{\"table\": \"units\", \"record\": \"Sectoid Soldier\", \"field\": \"Strength\", \"value\": 110}"_s;
    EXPECT_EQ(resolve(strength).warnings,
              QStringList{u"units / Sectoid Soldier / Strength: 110 is above the limit 100 the form allows"_s});
    EXPECT_EQ(resolve(strength, {.strict = true}).problems,
              QStringList{u"change 1 (units / Sectoid Soldier / Strength): 110 is above the limit 100"_s});

    const changeset::Resolved named = resolve(
        u"{\"table\": \"items\", \"record\": \"rifle\", \"field\": \"Ammo Type 1\", \"value\": \"none\"},"
        u"{\"table\": \"items\", \"record\": \"RIFLE\", \"field\": \"Ammo Type 3\", \"value\": \" RIFLE CLIP \"},"
        u"{\"table\": \"facilities\", \"record\": \"Hangar\", \"field\": \"Construction Cost/$k\", \"value\": \"1,500\"}"_s);
    ASSERT_TRUE(named.problems.isEmpty()) << named.problems.join(u'\n').toStdString();
    EXPECT_TRUE(named.warnings.isEmpty());
    std::map<QString, QByteArray> written;
    for (const Change& change : named.edit.changes)
        written[change.ref.field] = change.after;
    EXPECT_EQ(written, (std::map<QString, QByteArray>{{u"Ammo Type 1"_s, QByteArray(1, char(255))},
                                                      {u"Ammo Type 3"_s, QByteArray(1, 3)},
                                                      {u"Construction Cost/$k"_s, QByteArray("\xDC\x05", 2)}}));
}

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
        const catalogue::Reading reading = catalogue::Read(*slot, value, catalogue::Limits::Form);
        if (reading.bytes) {
            ASSERT_TRUE(made.Apply({{}, {catalogue::ChangeAt(*slot, bytes, *reading.bytes)}}));
        }
    }
    const QByteArray mod = changeset::Write(changeset::SinceLoad(made));
    for (const GameVersion version : {GameVersion::Dos12, GameVersion::Dos14}) {
        GameDocument other;
        Open(other, version);
        const changeset::Resolved resolved =
            changeset::Resolve(other, changeset::Parse(mod).entries, {}, u"Import"_s);
        ASSERT_TRUE(resolved.problems.isEmpty()) << resolved.problems.join(u'\n').toStdString();
        ASSERT_TRUE(other.Apply(resolved.edit));
        QStringList notes;
        EXPECT_TRUE(changeset::Between(other, made, &notes).empty());
        EXPECT_TRUE(notes.isEmpty());
    }
}

} // namespace
