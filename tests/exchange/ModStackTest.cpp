// Mods stacked in a load order: the same as applying them one by one, a later mod
// winning, and every field two of them set named once with its winner.
#include "exchange/ModStack.h"

#include "core/GameDocument.h"
#include "sample/SampleInstall.h"
#include "tables/Catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

using namespace Qt::StringLiterals;

namespace {

modstack::Mod ModOf(const QString& name, const QByteArray& changes)
{
    const changeset::Parsed parsed =
        changeset::Parse("{\"format\": \"x-com-kestrel-changes\", \"version\": 1, \"mod\": {\"name\": \"" + name.toUtf8()
                         + "\"}, \"changes\": [" + changes + "]}");
    EXPECT_TRUE(parsed.problems.isEmpty()) << parsed.problems.join(u'\n').toStdString();
    return {name + u".json"_s, parsed.about, parsed.entries, {}};
}

class ModStackOfEachBuild : public ::testing::TestWithParam<int> {};

TEST_P(ModStackOfEachBuild, EqualsOneByOneAndNamesEverySharedFieldOnceWithItsWinner)
{
    const GameFileSet base = sample::LoadedFiles(gameversion::All[std::size_t(GetParam())]);
    const modstack::Mod laser = ModOf(u"Laser Balance"_s, R"(
        {"table": "items", "record": 17, "field": "Damage", "value": 90},
        {"table": "units", "record": "Sectoid Soldier", "field": "Time Units", "was": 54, "value": 80})");
    const modstack::Mod heavy = ModOf(u"Heavy Weapons"_s, R"(
        {"table": "items", "record": "17", "field": "Damage", "value": 120},
        {"table": "english.dat", "record": 12, "field": "Text", "value": "Laser Rifle Mk II"})");
    const modstack::Mod tough = ModOf(u"Tough Aliens"_s, R"(
        {"table": "units", "record": "Sectoid Soldier", "field": "Time Units", "was": 54, "value": 70},
        {"table": "units", "record": "Sectoid Soldier", "field": "Strength", "value": 40})");

    const modstack::Stacked stacked = modstack::Stack(base, {&laser, &heavy, &tough}, {});
    ASSERT_TRUE(stacked.problems.isEmpty()) << stacked.problems.join(u'\n').toStdString();
    const std::unique_ptr<GameDocument> oneByOne = modstack::DocumentOf(base);
    for (const modstack::Mod* mod : {&laser, &heavy, &tough}) {
        const changeset::Resolved resolved = changeset::Resolve(*oneByOne, mod->entries, {.force = true}, mod->Name());
        ASSERT_TRUE(resolved.problems.isEmpty() && oneByOne->Apply(resolved.edit));
    }
    for (const GameFile file : {GameFile::Executable, GameFile::Items, GameFile::English})
        EXPECT_EQ(stacked.result->Working(file), oneByOne->Working(file));

    // Record 17 by number and by text is one field; a field set once is no conflict.
    const std::unique_ptr<GameDocument> document = modstack::DocumentOf(base);
    const std::vector<modstack::Conflict> conflicts = modstack::Conflicts(
        {modstack::Settings(laser, document.get()), modstack::Settings(heavy, document.get()),
         modstack::Settings(tough, document.get())});
    ASSERT_EQ(conflicts.size(), 2u);
    const QStringList names = {u"a.json"_s, u"b.json"_s, u"c.json"_s};
    EXPECT_TRUE(modstack::ConflictLine(conflicts[0], names).startsWith(u"items / 17 "_s));
    EXPECT_TRUE(modstack::ConflictLine(conflicts[0], names).endsWith(u" / Damage: a.json 90, b.json 120 -> b.json"_s));
    EXPECT_EQ(modstack::ConflictLine(conflicts[1], names),
              u"units / Sectoid Soldier / Time Units: a.json 80, c.json 70 -> c.json"_s);

    // One mod that cannot apply refuses the stack, named.
    const modstack::Mod wrong = ModOf(u"Wrong"_s, R"({"table": "units", "record": "Sectoid Soldier", "field": "Bravery", "value": 120})");
    const modstack::Stacked refused = modstack::Stack(base, {&laser, &wrong}, {});
    EXPECT_EQ(refused.result, nullptr);
    ASSERT_EQ(refused.problems.size(), 1);
    EXPECT_TRUE(refused.problems.front().startsWith(u"Wrong: change 1 (units / Sectoid Soldier / Bravery)"_s));
}

INSTANTIATE_TEST_SUITE_P(Builds, ModStackOfEachBuild, ::testing::Values(0, 1, 2));

// Several random mods over the same few fields, in a random order: the result is what a
// map of "the last mod to set a field gives its value" says, and nothing else moves.
TEST(ModStack, RandomModsGiveWhatTheLastToSetEachFieldSays)
{
    const GameFileSet base = sample::LoadedFiles(GameVersion::CollectorsEdition);
    const std::unique_ptr<GameDocument> document = modstack::DocumentOf(base);
    std::vector<std::pair<const catalogue::Table*, catalogue::Slot>> fields;
    for (const QString& name : {u"units"_s, u"items"_s}) {
        const catalogue::Table* table = catalogue::FindTable(name);
        for (const catalogue::Slot& slot : catalogue::Slots(*table, document->Version(), document->Working(table->file))) {
            if (catalogue::IsNumeric(slot.field->kind) && slot.field->kind != catalogue::Kind::Bravery && slot.record < 6)
                fields.emplace_back(table, slot);
        }
    }
    ASSERT_GT(fields.size(), 20u);
    std::mt19937 random(27);
    for (int round = 0; round < 20; ++round) {
        std::vector<modstack::Mod> mods(2 + random() % 4);
        std::map<std::pair<QString, QString>, changeset::Entry> model;
        for (std::size_t index = 0; index < mods.size(); ++index) {
            mods[index].path = u"mod%1.json"_s.arg(index);
            std::vector<std::size_t> chosen(fields.size());
            std::iota(chosen.begin(), chosen.end(), 0);
            std::shuffle(chosen.begin(), chosen.end(), random);
            chosen.resize(1 + random() % 12);
            for (const std::size_t field : chosen) {
                const auto& [table, slot] = fields[field];
                const changeset::Entry entry =
                    changeset::EntryFor(*table, slot.record, *slot.field, QString::number(random() % 256));
                mods[index].entries.push_back(entry);
                model[{table->Name(), u"%1/%2"_s.arg(slot.record).arg(slot.field->Name())}] = entry;
            }
        }
        std::vector<const modstack::Mod*> order;
        for (const modstack::Mod& mod : mods)
            order.push_back(&mod);
        const modstack::Stacked stacked = modstack::Stack(base, order, {});
        ASSERT_TRUE(stacked.problems.isEmpty()) << stacked.problems.join(u'\n').toStdString();
        std::vector<changeset::Entry> last;
        for (const auto& [key, entry] : model)
            last.push_back(entry);
        const std::unique_ptr<GameDocument> expected = modstack::DocumentOf(base);
        const changeset::Resolved resolved = changeset::Resolve(*expected, last, {}, u"Model"_s);
        ASSERT_TRUE(resolved.problems.isEmpty() && expected->Apply(resolved.edit));
        for (const GameFile file : {GameFile::Executable, GameFile::Items})
            ASSERT_EQ(stacked.result->Working(file), expected->Working(file)) << "round " << round;
    }
}

// Without an install the fields are told apart by the names the files give.
TEST(ModStack, ConflictsByNamesAloneAndTheModsOwnName)
{
    const modstack::Mod first = ModOf(u"Laser Balance"_s, R"({"table": "items", "record": 17, "field": "Damage", "value": 90})");
    modstack::Mod second = ModOf(u"Heavy Weapons"_s, R"({"table": "items", "record": 17, "field": "Damage", "value": 120})");
    const std::vector<modstack::Conflict> conflicts =
        modstack::Conflicts({modstack::Settings(first, nullptr), modstack::Settings(second, nullptr)});
    ASSERT_EQ(conflicts.size(), 1u);
    EXPECT_EQ(modstack::ConflictLine(conflicts[0], {first.Name(), second.Name()}),
              u"items / 17 / Damage: Laser Balance 90, Heavy Weapons 120 -> Heavy Weapons"_s);
    second.about = {};
    EXPECT_EQ(second.Name(), u"Heavy Weapons.json"_s);
    second.about.version = u"1.2"_s;
    EXPECT_EQ(second.Title(), u"Heavy Weapons.json 1.2"_s);
    const QByteArray written = changeset::Write(first.entries, {u"Laser Balance"_s, u"2"_s, u"Ann"_s, {}, {}});
    EXPECT_EQ(changeset::Parse(written).about.version, u"2"_s);
    EXPECT_TRUE(written.contains(R"("mod": {"name": "Laser Balance", "version": "2", "author": "Ann"},)"));
}

} // namespace
