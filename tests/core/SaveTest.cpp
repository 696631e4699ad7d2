// Saving a loaded install: game files, backups of the files as loaded, master backups,
// names found at load, and what is written after a load that stopped early.
#include "core/GameSaver.h"
#include "support/InstallFixture.h"
#include "support/LoadRun.h"
#include "support/ScriptedAsker.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

using testfiles::Snapshot;

struct SaveBuild {
    GameVersion version;
    const char* exe;       // relative to the install folder
    qsizetype tuOffset;    // time units of unit 7
};

void PrintTo(const SaveBuild& build, std::ostream* os)
{
    *os << gameversion::ShortName(build.version).toStdString();
}

// Loads a fresh install and remembers its files as they were before any save.
class SaveFixture {
public:
    explicit SaveFixture(GameVersion version = GameVersion::CollectorsEdition, const SampleOptions& options = {})
        : m_install(version, options)
    {
        if (!m_install.IsValid())
            return;
        const LoadRun run(m_files, m_install.Paths().exePath);
        m_loaded = run.Outcome() == LoadOutcome::Complete;
        m_original = testfiles::Take(Folder());
    }

    [[nodiscard]] bool Ready() const { return m_loaded; }
    [[nodiscard]] QString Folder() const { return m_install.Paths().dataRoot; }
    [[nodiscard]] const SamplePaths& Paths() const { return m_install.Paths(); }
    [[nodiscard]] GameFileSet& Files() { return m_files; }
    [[nodiscard]] const Snapshot& Original() const { return m_original; }

private:
    InstallFixture m_install;
    GameFileSet m_files;
    bool m_loaded = false;
    Snapshot m_original;
};

// The install's files after a save: the originals with the given files replaced or added.
Snapshot With(Snapshot files, const std::map<QString, QByteArray>& changes)
{
    for (const auto& [name, bytes] : changes)
        files[name] = bytes;
    return files;
}

class SaveEachBuild : public testing::TestWithParam<SaveBuild> {};

TEST_P(SaveEachBuild, BackupsKeepTheFilesAsLoadedAcrossTwoSaves)
{
    const SaveBuild build = GetParam();
    SaveFixture fixture(build.version);
    ASSERT_TRUE(fixture.Ready());
    GameFileSet& files = fixture.Files();
    const Snapshot& original = fixture.Original();
    const QString exe = QLatin1String(build.exe);
    const std::map<QString, QByteArray> backups = {
        {exe + QStringLiteral(".bak"), original.at(exe)},
        {QStringLiteral("geodata/english.bak"), original.at(QStringLiteral("geodata/english.dat"))},
        {QStringLiteral("geodata/english2.bak"), original.at(QStringLiteral("geodata/english2.dat"))},
        {QStringLiteral("geodata/obdata.bak"), original.at(QStringLiteral("geodata/obdata.dat"))},
    };

    for (int round = 1; round <= 2; ++round) {
        files.ExeImage.working[build.tuOffset] = char(40 + round);
        files.ItemTable.working[4266] = char('a' + round);
        files.EnglishTable.working.chop(7 * round);  // a shorter table is written at its own length
        files.English2Table.working.append(QByteArrayLiteral("grown\0"));
        ScriptedAsker asker;
        ASSERT_TRUE(saving::Save(files, true, asker));

        Snapshot expected = With(original, backups);
        expected[exe] = files.ExeImage.working;
        expected[QStringLiteral("geodata/obdata.dat")] = files.ItemTable.working;
        expected[QStringLiteral("geodata/english.dat")] = files.EnglishTable.working;
        expected[QStringLiteral("geodata/english2.dat")] = files.English2Table.working;
        EXPECT_EQ(testfiles::Take(fixture.Folder()), expected) << "after save " << round;
    }
}

INSTANTIATE_TEST_SUITE_P(Builds, SaveEachBuild,
                         testing::Values(SaveBuild{GameVersion::CollectorsEdition, "ufo.exe", 480421},
                                         SaveBuild{GameVersion::Dos12, "ufo/ufo.exe", 398009},
                                         SaveBuild{GameVersion::Dos14, "ufo/ufo.exe", 380005}));

TEST(Save, WithoutBackupsWritesOnlyTheFourGameFiles)
{
    SaveFixture fixture;
    ASSERT_TRUE(fixture.Ready());
    GameFileSet& files = fixture.Files();
    files.ExeImage.working[480421] = char(80);
    files.EnglishTable.working = QByteArrayLiteral("short\0");
    ScriptedAsker asker;
    ASSERT_TRUE(saving::Save(files, false, asker));

    EXPECT_EQ(testfiles::Take(fixture.Folder()),
              With(fixture.Original(), {{QStringLiteral("ufo.exe"), files.ExeImage.working},
                                        {QStringLiteral("geodata/english.dat"), QByteArrayLiteral("short\0")}}));
}

TEST(Save, MasterBackupYesWritesThePristineCopiesAndNoWritesNothing)
{
    SaveFixture fixture;
    ASSERT_TRUE(fixture.Ready());
    GameFileSet& files = fixture.Files();
    files.ExeImage.working[480421] = char(80);
    files.English2Table.working.chop(3);
    const Snapshot& original = fixture.Original();

    ScriptedAsker no;
    no.AnswerYesNo(false);
    EXPECT_FALSE(saving::MakeMasterBackup(files, no));
    EXPECT_EQ(testfiles::Take(fixture.Folder()), original);
    ASSERT_EQ(no.ShownDialogs().size(), 1u);
    EXPECT_EQ(no.ShownDialogs()[0].title, QStringLiteral("Make master backup?"));
    EXPECT_EQ(no.ShownDialogs()[0].text,
              QStringLiteral("Are you sure you want to make a master back up? This will overwrite any other master "
                             "backup of your executable."));

    ScriptedAsker yes;
    yes.AnswerYesNo(true);
    EXPECT_TRUE(saving::MakeMasterBackup(files, yes));
    EXPECT_EQ(testfiles::Take(fixture.Folder()),
              With(original, {
                                 {QStringLiteral("ufo.exe(MASTER).bak"), original.at(QStringLiteral("ufo.exe"))},
                                 {QStringLiteral("geodata/ENGLISH(MASTER).bak"),
                                  original.at(QStringLiteral("geodata/english.dat"))},
                                 {QStringLiteral("geodata/ENGLISH2(MASTER).bak"),
                                  original.at(QStringLiteral("geodata/english2.dat"))},
                                 {QStringLiteral("geodata/OBDATA(MASTER).bak"),
                                  original.at(QStringLiteral("geodata/obdata.dat"))},
                             }));
}

TEST(Save, UpperCaseNamesAreWrittenBackUnderTheNamesFound)
{
    SaveFixture fixture(GameVersion::CollectorsEdition, {.upperCaseNames = true});
    ASSERT_TRUE(fixture.Ready());
    GameFileSet& files = fixture.Files();
    files.EnglishTable.working = QByteArrayLiteral("one\0two\0");
    files.English2Table.working = QByteArrayLiteral("three\0");
    files.ItemTable.working[0] = 'Q';
    ScriptedAsker asker;
    ASSERT_TRUE(saving::Save(files, false, asker));

    EXPECT_EQ(testfiles::Take(fixture.Folder()),
              With(fixture.Original(), {{QStringLiteral("GEODATA/ENGLISH.DAT"), QByteArrayLiteral("one\0two\0")},
                                        {QStringLiteral("GEODATA/ENGLISH2.DAT"), QByteArrayLiteral("three\0")},
                                        {QStringLiteral("GEODATA/OBDATA.DAT"), files.ItemTable.working}}));
    const LoadRun reload(files, fixture.Paths().exePath);
    EXPECT_EQ(files.EnglishTable.pristine, QByteArrayLiteral("one\0two\0"));
}

// A load of a second install that stopped at english.dat leaves english.dat and
// english2.dat of the first install in the set; Save must not write them anywhere.
TEST(Save, AfterALoadThatStoppedWritesOnlyFilesOfTheCurrentInstall)
{
    SaveFixture fixture;
    ASSERT_TRUE(fixture.Ready());
    InstallFixture other(GameVersion::Dos12);
    ASSERT_TRUE(other.IsValid());
    ASSERT_TRUE(testfiles::Remove(other.Paths().english));
    GameFileSet& files = fixture.Files();
    const LoadRun stopped(files, other.Paths().exePath);
    ASSERT_EQ(stopped.Outcome(), LoadOutcome::EnglishMissing);
    const Snapshot otherBefore = testfiles::Take(other.Paths().dataRoot);

    files.ExeImage.working[398009] = char(99);
    ScriptedAsker asker;
    ASSERT_TRUE(saving::Save(files, true, asker));
    asker.AnswerYesNo(true);
    ASSERT_TRUE(saving::MakeMasterBackup(files, asker));

    EXPECT_EQ(testfiles::Take(fixture.Folder()), fixture.Original());
    const QByteArray exe = otherBefore.at(QStringLiteral("ufo/ufo.exe"));
    const QByteArray items = otherBefore.at(QStringLiteral("geodata/obdata.dat"));
    EXPECT_EQ(testfiles::Take(other.Paths().dataRoot),
              With(otherBefore, {{QStringLiteral("ufo/ufo.exe"), files.ExeImage.working},
                                 {QStringLiteral("ufo/ufo.exe.bak"), exe},
                                 {QStringLiteral("ufo/ufo.exe(MASTER).bak"), exe},
                                 {QStringLiteral("geodata/obdata.bak"), items},
                                 {QStringLiteral("geodata/OBDATA(MASTER).bak"), items}}));
}

// A save writes new files in place of the old ones; they must still be the user's. Only
// root can hand a file to another owner, so elsewhere the owners are not changed first.
TEST(Save, KeepsTheOwnerGroupAndModeOfEveryFileItWritesOver)
{
    SaveFixture fixture;
    ASSERT_TRUE(fixture.Ready());
    GameFileSet& files = fixture.Files();
    ScriptedAsker first;
    ASSERT_TRUE(saving::Save(files, true, first));

    const bool root = ::geteuid() == 0;
    struct Kept {
        QString path;
        mode_t mode;
    };
    const QDir geodata(fixture.Paths().geodata);
    // A read-only backup is the program's own file, written over as before.
    const Kept kept[] = {{fixture.Paths().exePath, 0750},
                         {fixture.Paths().items, 0604},
                         {geodata.filePath(QStringLiteral("english.bak")), mode_t(root ? 0444 : 0640)}};
    for (const Kept& file : kept) {
        const QByteArray path = QFile::encodeName(file.path);
        ASSERT_EQ(::chmod(path.constData(), file.mode), 0);
        if (root) {
            ASSERT_EQ(::chown(path.constData(), 1234, 2345), 0);
        }
    }

    files.ExeImage.working[480421] = char(80);
    files.ItemTable.working[0] = 'Q';
    ScriptedAsker second;
    ASSERT_TRUE(saving::Save(files, true, second));
    for (const Kept& file : kept) {
        struct stat status {};
        ASSERT_EQ(::stat(QFile::encodeName(file.path).constData(), &status), 0);
        EXPECT_EQ(status.st_mode & 07777, file.mode) << file.path.toStdString();
        if (root) {
            EXPECT_EQ(status.st_uid, 1234u) << file.path.toStdString();
            EXPECT_EQ(status.st_gid, 2345u) << file.path.toStdString();
        }
    }
    EXPECT_EQ(testfiles::Read(fixture.Paths().items), files.ItemTable.working);
}

TEST(Save, AfterAFirstLoadThatStoppedAtTheItemsWritesNoEmptyDataFile)
{
    InstallFixture install;
    ASSERT_TRUE(install.IsValid());
    ASSERT_TRUE(testfiles::Remove(install.Paths().items));
    GameFileSet files;
    const LoadRun stopped(files, install.Paths().exePath);
    ASSERT_EQ(stopped.Outcome(), LoadOutcome::ItemsMissing);
    const Snapshot before = testfiles::Take(install.Paths().dataRoot);

    ScriptedAsker asker;
    ASSERT_TRUE(saving::Save(files, true, asker));
    EXPECT_EQ(testfiles::Take(install.Paths().dataRoot),
              With(before, {{QStringLiteral("ufo.exe.bak"), before.at(QStringLiteral("ufo.exe"))}}));
}

} // namespace
