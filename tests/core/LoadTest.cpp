// Loading a whole install of each build, reloading, and the name and size variants a
// real install may have.
#include "core/GameLoader.h"
#include "support/InstallFixture.h"
#include "support/LoadRun.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

struct BuildCase {
    GameVersion version;
    qint64 exeSize;
    bool dataRootIsParent;
};

void PrintTo(const BuildCase& build, std::ostream* os)
{
    *os << gameversion::ShortName(build.version).toStdString();
}

class LoadEachBuild : public testing::TestWithParam<BuildCase> {};

void ExpectBufferIsFile(const GameBuffer& buffer, const QString& path)
{
    EXPECT_EQ(buffer.sourcePath, path);
    EXPECT_EQ(buffer.working, testfiles::Read(path).value_or(QByteArray())) << path.toStdString();
    EXPECT_EQ(buffer.pristine, buffer.working) << path.toStdString();
}

void ExpectWholeInstall(const GameFileSet& files, const SamplePaths& paths)
{
    ExpectBufferIsFile(files.ExeImage, paths.exePath);
    ExpectBufferIsFile(files.ItemTable, paths.items);
    ExpectBufferIsFile(files.EnglishTable, paths.english);
    ExpectBufferIsFile(files.English2Table, paths.english2);
}

TEST_P(LoadEachBuild, ReadsTheExecutableAndTheDataFilesOfItsDataRoot)
{
    const BuildCase build = GetParam();
    const InstallFixture install(build.version);
    ASSERT_TRUE(install.IsValid());
    const SamplePaths& paths = install.Paths();

    GameFileSet files;
    const LoadRun run(files, paths.exePath);

    EXPECT_EQ(run.Outcome(), LoadOutcome::Complete);
    EXPECT_EQ(files.Version, build.version);
    EXPECT_EQ(files.ExePath, paths.exePath);
    const QString exeFolder = QFileInfo(paths.exePath).absolutePath();
    EXPECT_EQ(files.DataRoot, build.dataRootIsParent ? QDir::cleanPath(exeFolder + QStringLiteral("/.."))
                                                     : exeFolder);
    EXPECT_EQ(files.DataRoot, paths.dataRoot);
    EXPECT_EQ(files.ExeImage.working.size(), build.exeSize);
    EXPECT_EQ(files.ItemTable.working.size(), 4320);
    ExpectWholeInstall(files, paths);

    EXPECT_EQ(run.Reporter().LoadText(), CompleteProgress);
    EXPECT_EQ(run.Reporter().CompText(), QStringLiteral("All files loaded successfully!"));
    EXPECT_TRUE(run.Reporter().Finished());
    const QStringList expectedOrder = {
        QStringLiteral("Begin"),
        QStringLiteral("Append UFO.EXE...  "),
        QStringLiteral("Status Enabling All"),
        QStringLiteral("Status UpdateItemsList"),
        QStringLiteral("Status Update Base"),
        QStringLiteral("Append DONE!    "),
        QStringLiteral("Append OBDATA.DAT...  "),
        QStringLiteral("Append DONE!    "),
        QStringLiteral("Append ENGLISH.DAT...  "),
        QStringLiteral("Append DONE!    "),
        QStringLiteral("Append ENGLISH2.DAT...  "),
        QStringLiteral("Append DONE!    "),
        QStringLiteral("Status All files loaded successfully!"),
        QStringLiteral("Finish"),
    };
    EXPECT_EQ(run.Log(), expectedOrder);
}

TEST_P(LoadEachBuild, ReloadOverALoadedSetGivesTheSameBuffers)
{
    const InstallFixture install(GetParam().version);
    ASSERT_TRUE(install.IsValid());
    GameFileSet files;
    const LoadRun first(files, install.Paths().exePath);
    files.ExeImage.working[100] = 'x';  // an unsaved edit is dropped by the reload
    files.EnglishTable.working.chop(5);

    const LoadRun second(files, install.Paths().exePath);
    EXPECT_EQ(second.Outcome(), LoadOutcome::Complete);
    EXPECT_EQ(second.Log(), first.Log());
    ExpectWholeInstall(files, install.Paths());
}

INSTANTIATE_TEST_SUITE_P(Builds, LoadEachBuild,
                         testing::Values(BuildCase{GameVersion::CollectorsEdition, 495616, false},
                                         BuildCase{GameVersion::Dos12, 415271, true},
                                         BuildCase{GameVersion::Dos14, 382957, true}));

TEST(Load, FindsAnUpperCaseGeodataFolderAndRemembersTheNamesFound)
{
    const InstallFixture install(GameVersion::Dos12, {.upperCaseNames = true});
    ASSERT_TRUE(install.IsValid());
    GameFileSet files;
    const LoadRun run(files, install.Paths().exePath);

    ASSERT_EQ(run.Outcome(), LoadOutcome::Complete);
    EXPECT_TRUE(files.ItemTable.sourcePath.endsWith(QStringLiteral("/GEODATA/OBDATA.DAT")));
    EXPECT_TRUE(files.EnglishTable.sourcePath.endsWith(QStringLiteral("/GEODATA/ENGLISH.DAT")));
    EXPECT_TRUE(files.English2Table.sourcePath.endsWith(QStringLiteral("/GEODATA/ENGLISH2.DAT")));
    ExpectWholeInstall(files, install.Paths());
}

TEST(Load, AcceptsStringTablesOfASingleByte)
{
    const InstallFixture install;
    ASSERT_TRUE(install.IsValid());
    ASSERT_TRUE(testfiles::Overwrite(install.Paths().english, QByteArray(1, '\0')));
    ASSERT_TRUE(testfiles::Overwrite(install.Paths().english2, QByteArrayLiteral("\xE9")));

    GameFileSet files;
    const LoadRun run(files, install.Paths().exePath);
    EXPECT_EQ(run.Outcome(), LoadOutcome::Complete);
    EXPECT_EQ(files.EnglishTable.working, QByteArray(1, '\0'));
    EXPECT_EQ(files.English2Table.working, QByteArrayLiteral("\xE9"));
}

} // namespace
