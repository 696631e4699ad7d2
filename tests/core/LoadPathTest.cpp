// Executables reached by unusual paths, and files that change under the load's feet.
#include "core/GameFiles.h"
#include "core/GameSaver.h"
#include "core/GameLoader.h"
#include "support/InstallFixture.h"
#include "support/LoadRun.h"
#include "support/ScriptedAsker.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

TEST(LoadPath, ASymlinkedExecutableLoadsFromTheLinksFolderAndSavesThroughTheLink)
{
    InstallFixture install;
    ASSERT_TRUE(install.IsValid());
    // A Collector's Edition executable linked into another folder takes its data files
    // from the folder of the link, as the path the user chose says.
    const auto other = install.AddInstall(QStringLiteral("other"), GameVersion::CollectorsEdition);
    ASSERT_TRUE(other);
    ASSERT_TRUE(testfiles::Remove(other->exePath));
    ASSERT_TRUE(QFile::link(install.Paths().exePath, other->exePath));

    GameFileSet files;
    const LoadRun run(files, other->exePath);
    ASSERT_EQ(run.Outcome(), LoadOutcome::Complete);
    EXPECT_EQ(files.ExePath, other->exePath);
    EXPECT_EQ(files.DataRoot, other->dataRoot);
    EXPECT_EQ(files.ItemTable.sourcePath, other->items);

    // Saving writes the file the link points to and leaves the link a link.
    files.ExeImage.working[480421] = char(80);
    ScriptedAsker asker;
    ASSERT_TRUE(saving::Save(files, true, asker));
    EXPECT_TRUE(QFileInfo(other->exePath).isSymLink());
    EXPECT_EQ(testfiles::Read(install.Paths().exePath), files.ExeImage.working);
    EXPECT_EQ(testfiles::Read(other->exePath + QStringLiteral(".bak")), files.ExeImage.pristine);
}

TEST(LoadPath, BlanksAndNonAsciiCharactersInTheInstallPath)
{
    InstallFixture holder;
    ASSERT_TRUE(holder.IsValid());
    for (const GameVersion version : gameversion::All) {
        const QString name = QStringLiteral("Spiele für X-Com ") + gameversion::ShortName(version);
        const auto install = holder.AddInstall(name, version);
        ASSERT_TRUE(install);
        GameFileSet files;
        const LoadRun run(files, install->exePath);
        ASSERT_EQ(run.Outcome(), LoadOutcome::Complete) << name.toStdString();
        EXPECT_EQ(files.DataRoot, install->dataRoot);
        EXPECT_EQ(files.English2Table.working, testfiles::Read(install->english2));
    }
}

TEST(LoadPath, AStringFileOfExactlyTheLimitLoads)
{
    InstallFixture install;
    ASSERT_TRUE(install.IsValid());
    ASSERT_TRUE(testfiles::Truncate(install.Paths().english2, 16777216));
    GameFileSet files;
    const LoadRun run(files, install.Paths().exePath);
    EXPECT_EQ(run.Outcome(), LoadOutcome::Complete);
    EXPECT_EQ(files.English2Table.working.size(), 16777216);
}

// Moves a folder under a name that is not valid UTF-8, and back when the test ends.
class UndecodableFolder {
public:
    UndecodableFolder(const QString& folder, const QString& parent)
        : m_original(QFile::encodeName(folder))
        , m_raw(QFile::encodeName(parent) + QByteArrayLiteral("/Spiele\xff"))
        , m_moved(m_raw + QByteArrayLiteral("/install"))
    {
        m_active = ::mkdir(m_raw.constData(), 0700) == 0 && ::rename(m_original.constData(), m_moved.constData()) == 0;
    }
    ~UndecodableFolder()
    {
        if (m_active)
            ::rename(m_moved.constData(), m_original.constData());
        ::rmdir(m_raw.constData());
    }
    UndecodableFolder(const UndecodableFolder&) = delete;
    UndecodableFolder& operator=(const UndecodableFolder&) = delete;

    [[nodiscard]] bool Active() const { return m_active; }
    // The path as a file dialog or the command line hands it over.
    [[nodiscard]] QString Decoded(const QString& name) const
    {
        return QFile::decodeName(m_moved + '/' + QFile::encodeName(name));
    }

private:
    QByteArray m_original;
    QByteArray m_raw;
    QByteArray m_moved;
    bool m_active = false;
};

TEST(LoadPath, AFolderNameThatIsNotTextIsNamedAsTheReason)
{
    InstallFixture install;
    ASSERT_TRUE(install.IsValid());
    const UndecodableFolder folder(install.Paths().dataRoot, install.Root());
    ASSERT_TRUE(folder.Active());
    const QString exePath = folder.Decoded(QStringLiteral("ufo.exe"));
    ASSERT_TRUE(exePath.contains(QChar::ReplacementCharacter));

    GameFileSet files;
    const LoadRun run(files, exePath);
    EXPECT_EQ(run.Outcome(), LoadOutcome::Failed);
    EXPECT_EQ(run.Reporter().CompText(),
              QStringLiteral("The path %1 cannot be read as text: the name \"Spiele\uFFFD\" in it is not valid UTF-8. "
                             "Rename it and load again.")
                  .arg(QDir::toNativeSeparators(exePath)));
    EXPECT_FALSE(files.ExeImage.IsLoaded());
}

// The load measures a file, then reads it; a file that shrank, grew or vanished in
// between must end the load, never yield a buffer of another length.
TEST(LoadPath, AFileThatChangedSinceItWasMeasuredIsNotRead)
{
    InstallFixture install;
    ASSERT_TRUE(install.IsValid());
    const QString items = install.Paths().items;
    ASSERT_TRUE(gamefiles::ReadWhole(items, 4320).has_value());
    EXPECT_FALSE(gamefiles::ReadWhole(items, 4321).has_value());
    EXPECT_FALSE(gamefiles::ReadWhole(items, 4319).has_value());
    ASSERT_TRUE(testfiles::Remove(items));
    EXPECT_FALSE(gamefiles::ReadWhole(items, 4320).has_value());
    EXPECT_EQ(gamefiles::Measure(items), 0);
    EXPECT_FALSE(gamefiles::Measure(install.Paths().geodata).has_value());
}

} // namespace
