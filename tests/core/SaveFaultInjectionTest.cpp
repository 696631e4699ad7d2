// Each single file of Save and of Make Master Backup made unwritable in turn (a folder in
// its place), and a commit that fails after earlier files were already committed (each of
// those is put back): nothing on disk may change, the user hears which file and why, and
// once the cause is gone the same command succeeds.
#include "core/GameSaver.h"
#include "support/InstallFixture.h"
#include "support/LoadRun.h"
#include "support/ScriptedAsker.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

#include <gtest/gtest.h>

namespace {

enum class Command { SaveWithBackups, SaveWithoutBackups, MasterBackup };

struct Fault {
    Command command;
    int target;  // index into the command's writes, in the order it writes them
};

std::string Name(const Fault& fault)
{
    static const char* const commands[] = {"SaveWithBackups", "SaveWithoutBackups", "MasterBackup"};
    return std::string(commands[static_cast<int>(fault.command)]) + "_File" + std::to_string(fault.target);
}

void PrintTo(const Fault& fault, std::ostream* os)
{
    *os << Name(fault);
}

class SaveFaultInjection : public testing::TestWithParam<Fault> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_install.IsValid());
        ASSERT_TRUE(LoadWithOneEdit(m_files, m_install.Paths().exePath));
        m_files.ItemTable.working[22] = char(99);
        m_files.EnglishTable.working.chop(7);
    }

    [[nodiscard]] std::vector<FileWrite> Writes() const
    {
        switch (GetParam().command) {
        case Command::SaveWithBackups: return saving::SaveWrites(m_files, true);
        case Command::SaveWithoutBackups: return saving::SaveWrites(m_files, false);
        case Command::MasterBackup: return saving::MasterBackupWrites(m_files);
        }
        return {};
    }

    // Runs the command, scripting the confirmation and, when a failure is expected, its message.
    bool Run(ScriptedAsker& asker, bool expectFailure)
    {
        if (GetParam().command == Command::MasterBackup)
            asker.AnswerYesNo(true);
        if (expectFailure)
            asker.AcknowledgeError();
        if (GetParam().command == Command::MasterBackup)
            return saving::MakeMasterBackup(m_files, asker);
        return saving::Save(m_files, GetParam().command == Command::SaveWithBackups, asker);
    }

    InstallFixture m_install;
    GameFileSet m_files;
};

// A folder with something in it where the file should go: neither a new file nor a
// rename can take its place.
void PutFolderAt(const QString& path)
{
    if (QFileInfo::exists(path)) {
        ASSERT_TRUE(QDir().rename(path, path + QStringLiteral(".aside")));
    }
    ASSERT_TRUE(QDir().mkpath(path));
    ASSERT_TRUE(testfiles::Overwrite(QDir(path).filePath(QStringLiteral("keep")), "x"));
}

void RemoveFolderAt(const QString& path)
{
    ASSERT_TRUE(QDir(path).removeRecursively());
    if (QFileInfo::exists(path + QStringLiteral(".aside"))) {
        ASSERT_TRUE(QDir().rename(path + QStringLiteral(".aside"), path));
    }
}

TEST_P(SaveFaultInjection, NothingIsLostAndARetrySucceeds)
{
    const std::vector<FileWrite> writes = Writes();
    ASSERT_LT(GetParam().target, static_cast<int>(writes.size()));
    const QString blocked = writes[GetParam().target].path;
    PutFolderAt(blocked);
    const testfiles::Snapshot before = testfiles::Take(m_install.Root());

    ScriptedAsker asker;
    EXPECT_FALSE(Run(asker, true));
    EXPECT_EQ(testfiles::Take(m_install.Root()), before);
    const QString message = asker.ShownDialogs().back().text;
    const QString shown = QDir(m_install.Paths().dataRoot).relativeFilePath(blocked);
    EXPECT_TRUE(message.startsWith(QDir::toNativeSeparators(shown) + QStringLiteral(" is a folder; nothing was written.")))
        << message.toStdString();

    RemoveFolderAt(blocked);
    ScriptedAsker retry;
    ASSERT_TRUE(Run(retry, false));
    for (const FileWrite& write : writes)
        EXPECT_EQ(testfiles::Read(write.path), write.bytes) << write.path.toStdString();
}

std::vector<Fault> AllFaults()
{
    std::vector<Fault> faults;
    for (int target = 0; target < 8; ++target)
        faults.push_back({Command::SaveWithBackups, target});
    for (int target = 0; target < 4; ++target) {
        faults.push_back({Command::SaveWithoutBackups, target});
        faults.push_back({Command::MasterBackup, target});
    }
    return faults;
}

INSTANTIATE_TEST_SUITE_P(EachFile, SaveFaultInjection, testing::ValuesIn(AllFaults()),
                         [](const testing::TestParamInfo<Fault>& info) { return Name(info.param); });

// The failing commit is the target file's; an older master backup is in place, so putting
// one back means old contents, while the first backups of Save are put back by removing them.
class CommitFailure : public SaveFaultInjection {
protected:
    void SetUp() override
    {
        SaveFaultInjection::SetUp();
        for (const FileWrite& write : saving::MasterBackupWrites(m_files))
            ASSERT_TRUE(testfiles::Overwrite(write.path, QByteArrayLiteral("an older master backup")));
    }
};

TEST_P(CommitFailure, PutsBackEveryFileCommittedAndARetrySucceeds)
{
    const std::vector<FileWrite> writes = Writes();
    ASSERT_LT(GetParam().target, int(writes.size()));
    const testfiles::Snapshot before = testfiles::Take(m_install.Root());
    int commits = 0;
    QString blocked;
    const auto failTarget = [&](const QString& path) {
        if (commits++ == GetParam().target) {
            blocked = path;
            PutFolderAt(path);
        }
    };

    const std::optional<WriteFailure> failure = saving::WriteAll(writes, failTarget);

    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->path, writes[std::size_t(GetParam().target)].path);
    EXPECT_TRUE(failure->notPutBack.empty());
    const QString message = saving::FailureMessage(*failure);
    EXPECT_TRUE(message.startsWith(QDir::toNativeSeparators(blocked) + QStringLiteral(" is a folder; nothing was written.")))
        << message.toStdString();
    RemoveFolderAt(blocked);
    EXPECT_EQ(testfiles::Take(m_install.Root()), before);

    ScriptedAsker retry;
    ASSERT_TRUE(Run(retry, false));
    for (const FileWrite& write : writes)
        EXPECT_EQ(testfiles::Read(write.path), write.bytes) << write.path.toStdString();
}

// The second, third and last commit of each command.
std::vector<Fault> SecondThirdAndLast()
{
    return {{Command::SaveWithBackups, 1},    {Command::SaveWithBackups, 2},    {Command::SaveWithBackups, 7},
            {Command::SaveWithoutBackups, 1}, {Command::SaveWithoutBackups, 2}, {Command::SaveWithoutBackups, 3},
            {Command::MasterBackup, 1},       {Command::MasterBackup, 2},       {Command::MasterBackup, 3}};
}

INSTANTIATE_TEST_SUITE_P(EachCommand, CommitFailure, testing::ValuesIn(SecondThirdAndLast()),
                         [](const testing::TestParamInfo<Fault>& info) { return Name(info.param); });

// When putting a file back fails as well, the message says which file holds what.
TEST(CommitFailureNotPutBack, NamesTheFileThatHoldsTheNewContents)
{
    const InstallFixture install;
    ASSERT_TRUE(install.IsValid());
    GameFileSet files;
    ASSERT_TRUE(LoadWithOneEdit(files, install.Paths().exePath));
    const QByteArray englishBefore = *testfiles::Read(install.Paths().english);

    // Save writes ufo.exe, english.dat, english2.dat, obdata.dat; english2.dat fails, then
    // so does putting ufo.exe back, the last of the two put back.
    int commits = 0;
    const auto fault = [&](const QString& path) {
        ++commits;
        if (commits == 3 || commits == 5)
            PutFolderAt(path);
    };
    const std::optional<WriteFailure> failure = saving::WriteAll(saving::SaveWrites(files, false), fault);

    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->path, install.Paths().english2);
    ASSERT_EQ(failure->notPutBack.size(), 1u);
    EXPECT_EQ(failure->notPutBack[0].first, install.Paths().exePath);
    const QString message = saving::FailureMessage(*failure);
    EXPECT_TRUE(message.contains(QStringLiteral("These files hold what this save wrote")));
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(install.Paths().exePath)));
    EXPECT_TRUE(message.endsWith(QStringLiteral("Every other file is as it was before.")));
    EXPECT_EQ(testfiles::Read(install.Paths().exePath + QStringLiteral(".aside")), files.ExeImage.working);
    EXPECT_EQ(testfiles::Read(install.Paths().english), englishBefore);
}

// A disk that takes the bytes but fails to keep them (EIO from the sync of the second
// file staged) fails the save: nothing is replaced, and the message names that file.
TEST(SyncFailure, IsAWriteFailure)
{
    const InstallFixture install;
    ASSERT_TRUE(install.IsValid());
    GameFileSet files;
    ASSERT_TRUE(LoadWithOneEdit(files, install.Paths().exePath));
    const testfiles::Snapshot before = testfiles::Take(install.Root());
    int syncs = 0;
    const auto failSecond = [&](QFileDevice&) { return ++syncs == 2 ? EIO : 0; };

    const std::optional<WriteFailure> failure = saving::WriteAll(saving::SaveWrites(files, true), {}, failSecond);

    ASSERT_TRUE(failure);
    EXPECT_EQ(testfiles::Take(install.Root()), before);
    const QString englishBackup = QDir(install.Paths().geodata).filePath(QStringLiteral("english.bak"));
    EXPECT_EQ(saving::FailureMessage(*failure),
              QStringLiteral("The file %1 could not be written:\nInput/output error\n\nNo file was changed.")
                  .arg(englishBackup));
}

} // namespace
