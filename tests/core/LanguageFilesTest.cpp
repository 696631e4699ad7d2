// The string files of other languages: which pairs a load reads, what it says about a pair
// it cannot read, and that Save writes them, with their backups, as it writes the English.
#include "core/DataFiles.h"
#include "core/GameSaver.h"
#include "support/InstallFixture.h"
#include "support/LoadRun.h"
#include "support/ScriptedAsker.h"
#include "support/TestFiles.h"

#include <QDir>

#include <functional>
#include <map>

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

// The skipped files' messages of a load; empty when it told of none.
QString Skipped(const LoadRun& run)
{
    for (const QString& call : run.Reporter().Calls()) {
        if (call.startsWith(u"ShowSkippedFiles "_s))
            return call.mid(17);
    }
    return {};
}

TEST(LanguageFiles, TheStringTablesAreOneListForEveryToolThatNamesThem)
{
    QStringList names;
    for (const DataFileSpec* dataFile : datafiles::StringTables())
        names.append(dataFile->fileName);
    EXPECT_EQ(names, QStringList({u"english.dat"_s, u"english2.dat"_s, u"german.dat"_s, u"german2.dat"_s,
                                  u"french.dat"_s, u"french2.dat"_s}));
}

struct Present {
    const char* what;
    SampleOptions options;
    bool german;
    bool french;
};

class LanguagesPresent : public testing::TestWithParam<Present> {};

TEST_P(LanguagesPresent, ArePresentPairsReadAfterTheFourWithTheSameProgress)
{
    const Present present = GetParam();
    const InstallFixture install(GameVersion::Dos14, present.options);
    ASSERT_TRUE(install.IsValid());
    GameFileSet files;
    const LoadRun run(files, install.Paths().exePath);

    ASSERT_EQ(run.Outcome(), LoadOutcome::Complete);
    EXPECT_EQ(run.Reporter().LoadText(), CompleteProgress);
    EXPECT_EQ(run.Reporter().CompText(), u"All files loaded successfully!"_s);
    EXPECT_EQ(Skipped(run), QString());
    EXPECT_EQ(files.GermanTable.IsLoaded(), present.german);
    EXPECT_EQ(files.German2Table.IsLoaded(), present.german);
    EXPECT_EQ(files.FrenchTable.IsLoaded(), present.french);
    EXPECT_EQ(files.French2Table.IsLoaded(), present.french);
    if (present.german) {
        EXPECT_EQ(files.GermanTable.working, sample::GermanFile());
        EXPECT_EQ(files.German2Table.sourcePath, install.Paths().german2);
    }
    if (present.french) {
        EXPECT_EQ(files.French2Table.working, sample::French2File());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Installs, LanguagesPresent,
    testing::Values(Present{"none", {}, false, false}, Present{"german", {.german = true}, true, false},
                    Present{"both", {.german = true, .french = true}, true, true},
                    Present{"upper", {.upperCaseNames = true, .german = true, .french = true}, true, true}),
    [](const testing::TestParamInfo<Present>& info) { return std::string(info.param.what); });

// Whatever is wrong with a language file, the four files load as always, the pair is left
// out whole, and one message names the file.
TEST(LanguageFiles, APairThatCannotBeReadIsLeftOutAndNamed)
{
    const struct {
        const char* what;
        std::function<bool(const SamplePaths&)> damage;
        QString message;
    } cases[] = {
        {"second missing", [](const SamplePaths& p) { return testfiles::Remove(p.german2); },
         u"german2.dat is missing, so german.dat was left out too and German is not offered."_s},
        {"first missing", [](const SamplePaths& p) { return testfiles::Remove(p.german); },
         u"german.dat is missing, so german2.dat was left out too and German is not offered."_s},
        {"empty", [](const SamplePaths& p) { return testfiles::Truncate(p.german, 0); },
         u"german.dat is empty, so German is not offered."_s},
        {"a folder", [](const SamplePaths& p) { return testfiles::Remove(p.german2) && QDir().mkdir(p.german2); },
         u"german2.dat is not a file, so German is not offered."_s},
    };
    for (const auto& damaged : cases) {
        SCOPED_TRACE(damaged.what);
        const InstallFixture install(GameVersion::CollectorsEdition, {.german = true, .french = true});
        ASSERT_TRUE(install.IsValid());
        ASSERT_TRUE(damaged.damage(install.Paths()));
        GameFileSet files;
        const LoadRun run(files, install.Paths().exePath);

        ASSERT_EQ(run.Outcome(), LoadOutcome::Complete);
        EXPECT_EQ(run.Reporter().LoadText(), CompleteProgress);
        EXPECT_EQ(Skipped(run), damaged.message);
        EXPECT_EQ(run.Reporter().Calls().last(), u"ShowSkippedFiles "_s + damaged.message);
        EXPECT_FALSE(files.GermanTable.IsLoaded());
        EXPECT_FALSE(files.German2Table.IsLoaded());
        EXPECT_TRUE(files.FrenchTable.IsLoaded() && files.French2Table.IsLoaded());
    }
}

// A load replaces the languages of the one before it: a pair the new install lacks is
// neither offered nor exported nor saved, whichever language it is.
TEST(LanguageFiles, ALanguageTheNextInstallLacksIsGoneAfterItsLoad)
{
    const struct {
        const char* language;
        SampleOptions without;
        GameFile first, second, kept;
    } cases[] = {
        {"German", {.french = true}, GameFile::German, GameFile::German2, GameFile::French},
        {"French", {.german = true}, GameFile::French, GameFile::French2, GameFile::German},
    };
    for (const auto& language : cases) {
        SCOPED_TRACE(language.language);
        const InstallFixture install(GameVersion::CollectorsEdition, {.german = true, .french = true});
        const std::optional<SamplePaths> without = install.AddInstall(u"without"_s, GameVersion::Dos14, language.without);
        ASSERT_TRUE(install.IsValid() && without);
        GameFileSet files;
        ASSERT_EQ(LoadRun(files, install.Paths().exePath).Outcome(), LoadOutcome::Complete);
        ASSERT_TRUE(files.Buffer(language.first).IsLoaded());

        ASSERT_EQ(LoadRun(files, without->exePath).Outcome(), LoadOutcome::Complete);
        EXPECT_FALSE(files.Buffer(language.first).IsLoaded());
        EXPECT_FALSE(files.Buffer(language.second).IsLoaded());
        EXPECT_EQ(files.Buffer(language.kept).installRoot, without->dataRoot);
    }
}

// A German edit lands in german.dat with its backups beside it; the English files stay
// as they were, byte for byte, and a language left out is never written.
TEST(LanguageFiles, SaveWritesTheLoadedLanguagesAndTheirBackups)
{
    const InstallFixture install(GameVersion::Dos12, {.upperCaseNames = true, .german = true, .french = true});
    ASSERT_TRUE(install.IsValid());
    ASSERT_TRUE(testfiles::Remove(install.Paths().french2));
    GameFileSet files;
    const LoadRun run(files, install.Paths().exePath);
    ASSERT_EQ(run.Outcome(), LoadOutcome::Complete);
    const testfiles::Snapshot before = testfiles::Take(install.Paths().dataRoot);

    files.GermanTable.working.replace(0, 8, "Kurz");
    ScriptedAsker asker;
    ASSERT_TRUE(saving::Save(files, true, asker));
    asker.AnswerYesNo(true);
    ASSERT_TRUE(saving::MakeMasterBackup(files, asker));

    testfiles::Snapshot expected = before;
    expected[u"GEODATA/GERMAN.DAT"_s] = files.GermanTable.working;
    const QByteArray german = before.at(u"GEODATA/GERMAN.DAT"_s);
    const QByteArray german2 = before.at(u"GEODATA/GERMAN2.DAT"_s);
    for (const auto& [name, bytes] : std::map<QString, QByteArray>{
             {u"GEODATA/german.bak"_s, german},
             {u"GEODATA/german2.bak"_s, german2},
             {u"GEODATA/GERMAN(MASTER).bak"_s, german},
             {u"GEODATA/GERMAN2(MASTER).bak"_s, german2},
             {u"GEODATA/english.bak"_s, before.at(u"GEODATA/ENGLISH.DAT"_s)},
             {u"GEODATA/english2.bak"_s, before.at(u"GEODATA/ENGLISH2.DAT"_s)},
             {u"GEODATA/obdata.bak"_s, before.at(u"GEODATA/OBDATA.DAT"_s)},
             {u"GEODATA/ENGLISH(MASTER).bak"_s, before.at(u"GEODATA/ENGLISH.DAT"_s)},
             {u"GEODATA/ENGLISH2(MASTER).bak"_s, before.at(u"GEODATA/ENGLISH2.DAT"_s)},
             {u"GEODATA/OBDATA(MASTER).bak"_s, before.at(u"GEODATA/OBDATA.DAT"_s)},
             {u"UFO/UFO.EXE.bak"_s, before.at(u"UFO/UFO.EXE"_s)},
             {u"UFO/UFO.EXE(MASTER).bak"_s, before.at(u"UFO/UFO.EXE"_s)},
         }) {
        expected[name] = bytes;
    }
    EXPECT_EQ(testfiles::Take(install.Paths().dataRoot), expected);
}

} // namespace
