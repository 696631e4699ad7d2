// Links, folders, pipes and devices where Save, Make Master Backup and kestrel-cli apply
// would write: nothing at all is written, nothing outside the install changes, and one
// message names the path and says what to do.
#include "core/GameSaver.h"
#include "support/InstallFixture.h"
#include "support/LoadRun.h"
#include "support/ScriptedAsker.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

enum class Target { LinkToOutsideFile, LinkToFolder, Folder, Fifo, Device, LinkToDevNull };
enum class Command { Save, MasterBackup, CliApply };

const char* const Targets[] = {"LinkToOutsideFile", "LinkToFolder", "Folder", "Fifo", "Device", "LinkToDevNull"};
const char* const Commands[] = {"Save", "MasterBackup", "CliApply"};

struct Place {
    const char* name;
    QString relative;  // to the install folder
    bool gameFile;
};

const Place Places[] = {
    {"ExeBackup", u"ufo.exe.bak"_s, false},
    {"EnglishBackup", u"geodata/english.bak"_s, false},
    {"EnglishMaster", u"geodata/ENGLISH(MASTER).bak"_s, false},
    {"English2Replaced", u"geodata/english2.dat"_s, true},
};

struct Case {
    Target target;
    int place;
    Command command;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << Targets[int(c.target)] << '_' << Places[c.place].name << '_' << Commands[int(c.command)];
}

// What the message says the path is.
QString Said(Target target, bool gameFile)
{
    switch (target) {
    case Target::Folder: return u"is a folder"_s;
    case Target::Fifo: return u"is a named pipe (FIFO)"_s;
    case Target::Device: return u"is a device"_s;
    case Target::LinkToOutsideFile:
    case Target::LinkToFolder:
    case Target::LinkToDevNull: break;
    }
    return gameFile ? u"is a symbolic link to something that is not a regular file"_s : u"is a symbolic link"_s;
}

class UnsafeTarget : public testing::TestWithParam<Case> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_install.IsValid());
        const QDir root(m_install.Root());
        ASSERT_TRUE(root.mkpath(u"outside/folder"_s));
        m_outsideFile = root.filePath(u"outside/notes.txt"_s);
        ASSERT_TRUE(testfiles::Overwrite(m_outsideFile, "the user's own notes"));
        ASSERT_TRUE(testfiles::Overwrite(root.filePath(u"outside/folder/keep"_s), "kept"));
        m_modPath = root.filePath(u"outside/mod.json"_s);
        ASSERT_TRUE(testfiles::Overwrite(m_modPath, R"({"format": "x-com-kestrel-changes", "version": 1, "changes": [
            {"table": "units", "record": "Sectoid Soldier", "field": "Time Units", "value": 80}]})"));
        ASSERT_TRUE(LoadWithOneEdit(m_files, m_install.Paths().exePath));
    }

    void Put(Target target, const QString& path)
    {
        if (QFile::exists(path)) {
            ASSERT_TRUE(testfiles::Remove(path));
        }
        const QByteArray name = QFile::encodeName(path);
        const QString outside = QDir(m_install.Root()).filePath(u"outside"_s);
        switch (target) {
        case Target::LinkToOutsideFile: ASSERT_TRUE(QFile::link(m_outsideFile, path)); break;
        case Target::LinkToFolder: ASSERT_TRUE(QFile::link(outside + u"/folder"_s, path)); break;
        case Target::Folder:
            ASSERT_TRUE(QDir().mkpath(path));
            ASSERT_TRUE(testfiles::Overwrite(path + u"/keep"_s, "kept"));
            break;
        case Target::Fifo: ASSERT_EQ(::mkfifo(name.constData(), 0600), 0); break;
        case Target::Device:
            if (::geteuid() != 0)
                GTEST_SKIP() << "only root may make a device node";
            ASSERT_EQ(::mknod(name.constData(), S_IFCHR | 0600, makedev(1, 3)), 0);  // as /dev/null
            break;
        case Target::LinkToDevNull: ASSERT_TRUE(QFile::link(u"/dev/null"_s, path)); break;
        }
    }

    // The message, or the CLI's standard error.
    QString Run(Command command)
    {
        ScriptedAsker asker;
        switch (command) {
        case Command::Save:
            asker.AcknowledgeError();
            EXPECT_FALSE(saving::Save(m_files, true, asker));
            return asker.ShownDialogs().back().text;
        case Command::MasterBackup:
            asker.AnswerYesNo(true).AcknowledgeError();
            EXPECT_FALSE(saving::MakeMasterBackup(m_files, asker));
            return asker.ShownDialogs().back().text;
        case Command::CliApply: {
            QProcess process;
            process.start(QStringLiteral(KESTREL_CLI), {u"apply"_s, m_install.Paths().exePath, m_modPath});
            process.waitForFinished(60000);
            EXPECT_EQ(process.exitCode(), 1);
            return QString::fromUtf8(process.readAllStandardError());
        }
        }
        return {};
    }

    InstallFixture m_install;
    GameFileSet m_files;
    QString m_outsideFile;
    QString m_modPath;
};

TEST_P(UnsafeTarget, NothingIsWrittenAndTheMessageSaysWhatToDo)
{
    const auto [target, placeIndex, command] = GetParam();
    const Place& place = Places[placeIndex];
    const QString path = QDir(m_install.Paths().dataRoot).filePath(place.relative);
    Put(target, path);
    if (IsSkipped())
        return;
    const testfiles::Snapshot before = testfiles::Take(m_install.Root());

    const QString message = Run(command);

    EXPECT_EQ(testfiles::Take(m_install.Root()), before);
    const QString advice = place.gameFile ? u"Put the game's file back in its place, then load the files again."_s
                                          : u"Remove or rename it."_s;
    const QString expected = place.relative + u' ' + Said(target, place.gameFile) + u"; nothing was written. "_s + advice;
    EXPECT_TRUE(message.contains(expected)) << message.toStdString() << "\nexpected: " << expected.toStdString();
}

// Each command with the places it writes, and the game file it must never write around.
std::vector<Case> AllCases()
{
    std::vector<Case> cases;
    for (int target = 0; target < 6; ++target) {
        const Target kind = Target(target);
        for (int place = 0; place < 4; ++place) {
            // A game file that is a link to a regular file is written through, not refused.
            if (kind == Target::LinkToOutsideFile && Places[place].gameFile)
                continue;
            const bool master = Places[place].relative.contains(u"MASTER"_s);
            if (!master)
                cases.push_back({kind, place, Command::Save});
            if (master || Places[place].gameFile)
                cases.push_back({kind, place, Command::MasterBackup});
            // The command line loads afresh, and the load already refuses such a game file.
            if (!master && !Places[place].gameFile)
                cases.push_back({kind, place, Command::CliApply});
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EachTarget, UnsafeTarget, testing::ValuesIn(AllCases()),
                         [](const testing::TestParamInfo<Case>& info) {
                             const Case& c = info.param;
                             return std::string(Targets[int(c.target)]) + "_" + Places[c.place].name + "_"
                                    + Commands[int(c.command)];
                         });

// A link put in place of a backup after the files were staged is seen just before its
// commit: it stays a link, and the files committed before it are put back.
TEST(UnsafeTargetLate, ALinkMadeDuringTheSaveIsNeverRenamedOver)
{
    const InstallFixture install;
    ASSERT_TRUE(install.IsValid());
    GameFileSet files;
    ASSERT_TRUE(LoadWithOneEdit(files, install.Paths().exePath));
    const QString outside = QDir(install.Root()).filePath(u"notes.txt"_s);
    ASSERT_TRUE(testfiles::Overwrite(outside, "the user's own notes"));
    const QString englishBackup = QDir(install.Paths().geodata).filePath(u"english.bak"_s);
    const testfiles::Snapshot before = testfiles::Take(install.Root());

    const auto linkBackup = [&](const QString& path) {
        if (path == englishBackup) {
            ASSERT_TRUE(QFile::link(outside, path));
        }
    };
    const std::optional<WriteFailure> failure = saving::WriteAll(saving::SaveWrites(files, true), linkBackup);

    ASSERT_TRUE(failure);
    EXPECT_EQ(saving::FailureMessage(*failure, install.Paths().dataRoot),
              u"geodata/english.bak is a symbolic link; nothing was written. Remove or rename it."_s);
    testfiles::Snapshot expected = before;
    expected[u"install/geodata/english.bak"_s] = "<link to " + outside.toUtf8() + '>';
    EXPECT_EQ(testfiles::Take(install.Root()), expected);
}

} // namespace
