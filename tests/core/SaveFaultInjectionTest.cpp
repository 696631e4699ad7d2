// Each single file of Save and of Make Master Backup made unwritable in turn: nothing on
// disk may change, the user hears which file and why, and once the cause is gone the
// same command succeeds.
#include "core/GameSaver.h"
#include "support/InstallFixture.h"
#include "support/LoadRun.h"
#include "support/ScriptedAsker.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

enum class Command { SaveWithBackups, SaveWithoutBackups, MasterBackup };

struct Fault {
    Command command;
    int target;  // index into the command's writes, in the order it writes them
};

std::string Name(const testing::TestParamInfo<Fault>& info)
{
    static const char* const commands[] = {"SaveWithBackups", "SaveWithoutBackups", "MasterBackup"};
    return std::string(commands[static_cast<int>(info.param.command)]) + "_File" + std::to_string(info.param.target);
}

class SaveFaultInjection : public testing::TestWithParam<Fault> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_install.IsValid());
        const LoadRun run(m_files, m_install.Paths().exePath);
        ASSERT_EQ(run.Outcome(), LoadOutcome::Complete);
        m_files.ExeImage.working[480421] = char(80);
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
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(blocked))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("No file was changed."))) << message.toStdString();

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

INSTANTIATE_TEST_SUITE_P(EachFile, SaveFaultInjection, testing::ValuesIn(AllFaults()), Name);

} // namespace
