// Saves that cannot be completed: nothing on disk may change, no temporary file may stay
// behind, and the user hears once which file failed.
#include "core/GameSaver.h"
#include "support/InstallFixture.h"
#include "support/LoadRun.h"
#include "support/ScriptedAsker.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

#include <gtest/gtest.h>

namespace {

using testfiles::Snapshot;

class SaveFailure : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_install.IsValid());
        const LoadRun run(m_files, m_install.Paths().exePath);
        ASSERT_EQ(run.Outcome(), LoadOutcome::Complete);
        m_files.ExeImage.working[480421] = char(80);
        m_files.EnglishTable.working.chop(10);
    }

    // Moves geodata aside and puts a regular file in its place, so nothing can be
    // created inside it any more.
    void BlockGeodata()
    {
        const QString geodata = m_install.Paths().geodata;
        ASSERT_TRUE(QDir().rename(geodata, geodata + QStringLiteral(".aside")));
        ASSERT_TRUE(testfiles::Overwrite(geodata, QByteArrayLiteral("not a folder")));
    }

    void UnblockGeodata()
    {
        const QString geodata = m_install.Paths().geodata;
        ASSERT_TRUE(testfiles::Remove(geodata));
        ASSERT_TRUE(QDir().rename(geodata + QStringLiteral(".aside"), geodata));
    }

    static void ExpectOneErrorNaming(const ScriptedAsker& asker, const QString& path)
    {
        ASSERT_EQ(asker.ShownDialogs().size(), 1u);
        EXPECT_EQ(asker.ShownDialogs()[0].kind, ScriptedAsker::Kind::Error);
        EXPECT_TRUE(asker.ShownDialogs()[0].text.contains(QDir::toNativeSeparators(path)))
            << asker.ShownDialogs()[0].text.toStdString();
    }

    [[nodiscard]] Snapshot OnDisk() const { return testfiles::Take(m_install.Root()); }

    InstallFixture m_install;
    GameFileSet m_files;
};

TEST_F(SaveFailure, AMissingGeodataFolderChangesNothingAndSavingAgainWorks)
{
    BlockGeodata();
    for (const bool backups : {true, false}) {
        const Snapshot before = OnDisk();
        ScriptedAsker asker;
        asker.AcknowledgeError();
        EXPECT_FALSE(saving::Save(m_files, backups, asker));
        EXPECT_EQ(OnDisk(), before) << "backups " << backups;
        const QDir geodata(m_install.Paths().geodata);
        ExpectOneErrorNaming(asker, geodata.filePath(backups ? QStringLiteral("english.bak")
                                                             : QStringLiteral("english.dat")));
    }

    UnblockGeodata();
    ScriptedAsker asker;
    ASSERT_TRUE(saving::Save(m_files, false, asker));
    EXPECT_EQ(testfiles::Read(m_install.Paths().exePath), m_files.ExeImage.working);
    EXPECT_EQ(testfiles::Read(m_install.Paths().english), m_files.EnglishTable.working);
}

TEST_F(SaveFailure, AFailedMasterBackupWritesNoneOfItsFiles)
{
    BlockGeodata();
    const Snapshot before = OnDisk();
    ScriptedAsker asker;
    asker.AnswerYesNo(true).AcknowledgeError();
    EXPECT_FALSE(saving::MakeMasterBackup(m_files, asker));
    EXPECT_EQ(OnDisk(), before);
    ASSERT_EQ(asker.ShownDialogs().size(), 2u);
    EXPECT_TRUE(asker.ShownDialogs()[1].text.contains(
        QDir::toNativeSeparators(QDir(m_install.Paths().geodata).filePath(QStringLiteral("ENGLISH(MASTER).bak")))));
}

// A game file nobody may write to was made so on purpose: Save writes nothing at all,
// not even the backups, and names it. Root may write to any file, so only a check
// of the mode can stop it.
TEST_F(SaveFailure, AReadOnlyGameFileIsNotWrittenAndNeitherIsAnythingElse)
{
    ASSERT_TRUE(QFile::setPermissions(m_install.Paths().items, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const Snapshot before = OnDisk();
    ScriptedAsker asker;
    asker.AcknowledgeError();
    EXPECT_FALSE(saving::Save(m_files, true, asker));
    EXPECT_EQ(OnDisk(), before);
    ExpectOneErrorNaming(asker, m_install.Paths().items);
    ASSERT_FALSE(asker.ShownDialogs().empty());
    EXPECT_TRUE(asker.ShownDialogs()[0].text.contains(QStringLiteral("read-only")));
}

// A file size limit makes the write of a large file fail part way, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        m_active = getrlimit(RLIMIT_FSIZE, &m_old) == 0;
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        m_active = m_active && setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        if (m_active)
            setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    [[nodiscard]] bool Active() const { return m_active; }

private:
    rlimit m_old{};
    bool m_active = false;
    void (*m_oldHandler)(int) = SIG_DFL;
};

TEST_F(SaveFailure, AWriteCutShortByTheFileSizeLimitChangesNothing)
{
    // The string table grows past the limit, the executable before it stays under it, so
    // the executable is already staged when the string table fails.
    m_files.EnglishTable.working = QByteArray(600000, 'e') + '\0';
    const Snapshot before = OnDisk();
    ScriptedAsker asker;
    asker.AcknowledgeError();
    bool saved = true;
    {
        const FileSizeLimit limit(550000);
        ASSERT_TRUE(limit.Active());
        saved = saving::Save(m_files, true, asker);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(OnDisk(), before);
    ExpectOneErrorNaming(asker, m_install.Paths().english);
    // The system's reason, not "Unknown error".
    ASSERT_FALSE(asker.ShownDialogs().empty());
    EXPECT_TRUE(asker.ShownDialogs()[0].text.contains(QString::fromLocal8Bit(std::strerror(EFBIG))))
        << asker.ShownDialogs()[0].text.toStdString();

    ScriptedAsker again;
    ASSERT_TRUE(saving::Save(m_files, true, again));
    EXPECT_EQ(QFileInfo(m_install.Paths().english).size(), 600001);
}

} // namespace
