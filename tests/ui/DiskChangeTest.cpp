// Another program changes a game file while edits wait unsaved in the window: Save, Make
// Master Backup and the Save of the unsaved-changes question ask first, and each answer
// leaves every file on disk byte for byte as it says.
#include "WindowDriver.h"
#include "WindowProbe.h"

#include "core/DataFiles.h"
#include "support/InstallFixture.h"
#include "support/ScriptedAsker.h"
#include "support/TestFiles.h"
#include "ui/MainWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QPushButton>
#include <QStatusBar>

#include <tuple>

using namespace Qt::StringLiterals;

namespace {

enum class External { ExecutablePatched, EnglishGrew, English2Vanished };
enum class Command { Save, MasterBackup, UnsavedQuestionSave };
enum class Answer { Overwrite, Reload, Cancel };

using Case = std::tuple<External, Command, Answer>;

const char* const Externals[] = {"ExecutablePatched", "EnglishGrew", "English2Vanished"};
const char* const Commands[] = {"Save", "MasterBackup", "UnsavedQuestionSave"};
const char* const Answers[] = {"Overwrite", "Reload", "Cancel"};

void PrintTo(External external, std::ostream* os) { *os << Externals[int(external)]; }
void PrintTo(Command command, std::ostream* os) { *os << Commands[int(command)]; }
void PrintTo(Answer answer, std::ostream* os) { *os << Answers[int(answer)]; }

std::string Name(const testing::TestParamInfo<Case>& info)
{
    const auto [external, command, answer] = info.param;
    return std::string(Externals[int(external)]) + "_" + Commands[int(command)] + "_" + Answers[int(answer)];
}

class DiskChange : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_install.IsValid());
        ASSERT_EQ(m_window.LoadFrom(m_install.Paths().exePath), LoadOutcome::Complete);
        m_loaded = testfiles::Take(m_install.Root());
        Edit();
    }

    // Sectoid Soldier's time units, 54 → 80, as the unit editor writes them.
    void Edit(char value = char(80))
    {
        const GameDocument& document = m_window.Document();
        ASSERT_TRUE(m_window.History().Submit(
            {u"edit"_s,
             {document.ChangeTo(GameFile::Executable, 480421, QByteArray(1, value), {u"units"_s, 7, u"Time Units"_s})}}));
    }

    // An edit of the first string entry ("Note 1: …" → "Mote 1: …"), as the string editor makes it.
    [[nodiscard]] bool EditString(GameFile file)
    {
        const GameDocument& document = m_window.Document();
        return m_window.History().Submit(
            {u"edit string"_s,
             {document.ChangeTo(file, 0, "M", {datafiles::TableName(file), 0, u"Text"_s})}});
    }

    // The file the other program changes holds unsaved edits here too.
    void EditWhatChanges(External external)
    {
        if (external == External::EnglishGrew) {
            ASSERT_TRUE(EditString(GameFile::English));
        }
        if (external == External::English2Vanished) {
            ASSERT_TRUE(EditString(GameFile::English2));
        }
    }

    void Change(External external)
    {
        const SamplePaths& paths = m_install.Paths();
        switch (external) {
        case External::ExecutablePatched: {
            QByteArray exe = *testfiles::Read(paths.exePath);
            exe[453768] = 'Z';  // the first soldier first name, as another tool would rename it
            ASSERT_TRUE(testfiles::Overwrite(paths.exePath, exe));
            break;
        }
        case External::EnglishGrew:
            ASSERT_TRUE(
                testfiles::Overwrite(paths.english, *testfiles::Read(paths.english) + QByteArrayLiteral("NEW ENTRY\0")));
            break;
        case External::English2Vanished: ASSERT_TRUE(testfiles::Remove(paths.english2)); break;
        }
    }

    [[nodiscard]] QString Relative(const QString& path) const { return QDir(m_install.Root()).relativeFilePath(path); }

    [[nodiscard]] QString StatusText() const
    {
        const auto* bar = m_window.findChild<QStatusBar*>();
        return bar ? bar->currentMessage() : QString();
    }

    InstallFixture m_install;
    ScriptedAsker m_asker;
    MainWindow m_window{m_asker};
    testfiles::Snapshot m_loaded;
};

class DiskChangeEachCase : public DiskChange, public testing::WithParamInterface<Case> {};

TEST_P(DiskChangeEachCase, EveryFileIsAsTheAnswerSays)
{
    const auto [external, command, answer] = GetParam();
    const SamplePaths& paths = m_install.Paths();
    const std::array<std::pair<QString, GameFile>, 4> gameFiles = {{{paths.exePath, GameFile::Executable},
                                                                    {paths.english, GameFile::English},
                                                                    {paths.english2, GameFile::English2},
                                                                    {paths.items, GameFile::Items}}};
    EditWhatChanges(external);
    Change(external);
    const testfiles::Snapshot changed = testfiles::Take(m_install.Root());

    if (command == Command::MasterBackup)
        m_asker.AnswerYesNo(true);
    if (command == Command::UnsavedQuestionSave)
        m_asker.AnswerSaveDiscardCancel(Asker::Choice::Save);
    m_asker.AnswerThreeWay(int(answer));
    if (answer == Answer::Reload)
        m_asker.AnswerYesNo(true);
    testfiles::Snapshot expected = changed;
    if (answer == Answer::Overwrite) {
        for (const auto& [path, file] : gameFiles) {
            const QString backup = file == GameFile::Executable ? u"ufo.exe"_s : QFileInfo(path).completeBaseName();
            const QString folder = QFileInfo(Relative(path)).path() + u'/';
            if (command == Command::MasterBackup) {
                const QString name = file == GameFile::Executable ? u"ufo.exe(MASTER).bak"_s
                                                                  : backup.toUpper() + u"(MASTER).bak"_s;
                expected[folder + name] = m_loaded.at(Relative(path));
            } else {
                expected[folder + backup + u".bak"_s] = m_loaded.at(Relative(path));
                expected[Relative(path)] = m_window.Document().Working(file);
            }
        }
    }

    drive::Trigger(m_window, command == Command::Save           ? u"mnuSave"_s
                             : command == Command::MasterBackup ? u"mnuMaster"_s
                                                                : u"mnuClose"_s);

    EXPECT_EQ(testfiles::Take(m_install.Root()), expected);
    const auto& shown = m_asker.ShownDialogs();
    const auto question = std::find_if(shown.begin(), shown.end(), [](const ScriptedAsker::Shown& dialog) {
        return dialog.kind == ScriptedAsker::Kind::ThreeWay;
    });
    ASSERT_NE(question, shown.end());
    EXPECT_EQ(question->title, u"Files Changed on Disk"_s);
    EXPECT_EQ(question->buttons, (std::array<QString, 3>{u"Overwrite"_s, u"Reload"_s, u"Cancel"_s}));
    const QString named[] = {u"\nufo.exe"_s, u"\nenglish.dat"_s, u"\nenglish2.dat (no longer there)"_s};
    EXPECT_TRUE(question->text.endsWith(named[int(external)])) << question->text.toStdString();

    const bool closed = command == Command::UnsavedQuestionSave && answer == Answer::Overwrite;
    EXPECT_EQ(m_window.Document().HasExecutable(), !closed);
    const bool editsKept = answer == Answer::Cancel || (command == Command::MasterBackup && answer == Answer::Overwrite);
    EXPECT_EQ(m_window.History().HasUnsavedChanges(), editsKept);
    if (answer == Answer::Reload) {
        EXPECT_EQ(m_window.Document().Working(GameFile::Executable), changed.at(Relative(paths.exePath)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllCases, DiskChangeEachCase,
    testing::Combine(
        testing::Values(External::ExecutablePatched, External::EnglishGrew, External::English2Vanished),
        testing::Values(Command::Save, Command::MasterBackup, Command::UnsavedQuestionSave),
        testing::Values(Answer::Overwrite, Answer::Reload, Answer::Cancel)),
    Name);

TEST_F(DiskChange, ReloadIsCalledOffUnlessTheUnsavedEditsMayGo)
{
    EditWhatChanges(External::EnglishGrew);
    const QByteArray edited = m_window.Document().Working(GameFile::English);
    Change(External::EnglishGrew);
    const testfiles::Snapshot changed = testfiles::Take(m_install.Root());
    m_asker.AnswerThreeWay(1).AnswerYesNo(false);

    drive::Trigger(m_window, u"mnuSave"_s);

    EXPECT_EQ(testfiles::Take(m_install.Root()), changed);
    EXPECT_TRUE(m_window.History().HasUnsavedChanges());
    EXPECT_EQ(m_window.Document().Working(GameFile::English), edited);
    ASSERT_EQ(m_asker.ShownDialogs().size(), 2u);
    EXPECT_EQ(m_asker.ShownDialogs()[1].title, u"Discard Unsaved Changes"_s);
}

// What the window wrote itself is what it then expects on disk; the backups stay the
// files as loaded.
TEST_F(DiskChange, ItsOwnSaveIsNoChangeOnDisk)
{
    drive::Trigger(m_window, u"mnuSave"_s);
    Edit(char(81));
    drive::Trigger(m_window, u"mnuSave"_s);

    EXPECT_TRUE(m_asker.ShownDialogs().empty());
    const QString exe = Relative(m_install.Paths().exePath);
    EXPECT_EQ(testfiles::Read(m_install.Paths().exePath)->at(480421), char(81));
    EXPECT_EQ(testfiles::Take(m_install.Root()).at(exe + u".bak"_s), m_loaded.at(exe));
}

TEST_F(DiskChange, RegainingFocusShowsANoticeAndNoDialog)
{
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&m_window, &activate);
    EXPECT_EQ(StatusText(), QString());
    EXPECT_TRUE(probe::Find<QPushButton>(m_window, u"cmdReloadDisk"_s)->isHidden());

    Change(External::ExecutablePatched);
    Change(External::English2Vanished);
    Change(External::EnglishGrew);
    QCoreApplication::sendEvent(&m_window, &activate);
    EXPECT_EQ(StatusText(), u"Changed on disk by another program: english.dat, english2.dat (no longer there). Save "
                            u"leaves them as they are; reload to see or edit them. Changed on disk since loaded or "
                            u"saved: ufo.exe. Save will ask before writing over them."_s);
    EXPECT_FALSE(probe::Find<QPushButton>(m_window, u"cmdReloadDisk"_s)->isHidden());
    EXPECT_TRUE(m_asker.ShownDialogs().empty());
}

// Units edited here while another program changed english.dat: Save writes the units and
// leaves english.dat, and its backup, as the other program left them; editing its strings
// waits for a reload.
TEST_F(DiskChange, AFileChangedElsewhereWithNoEditHereIsNeverWritten)
{
    const SamplePaths& paths = m_install.Paths();
    const QByteArray otherVersion = *testfiles::Read(paths.english) + QByteArrayLiteral("THE MOD'S ENTRY\0");
    ASSERT_TRUE(testfiles::Overwrite(paths.english, otherVersion));

    m_asker.AcknowledgeError();
    EXPECT_FALSE(EditString(GameFile::English));
    ASSERT_EQ(m_asker.ShownDialogs().size(), 1u);
    EXPECT_EQ(m_asker.ShownDialogs()[0].title, u"Edit Refused"_s);
    EXPECT_TRUE(m_asker.ShownDialogs()[0].text.startsWith(
        u"english.dat was changed on disk by another program, so what this window shows of it is stale."_s))
        << m_asker.ShownDialogs()[0].text.toStdString();

    drive::Trigger(m_window, u"mnuSave"_s);

    EXPECT_EQ(m_asker.ShownDialogs().size(), 1u);
    testfiles::Snapshot expected = m_loaded;
    const QString exe = Relative(paths.exePath);
    expected[Relative(paths.english)] = otherVersion;
    expected[exe] = m_window.Document().Working(GameFile::Executable);
    expected[exe + u".bak"_s] = m_loaded.at(exe);
    expected[u"install/geodata/english2.bak"_s] = m_loaded.at(Relative(paths.english2));
    expected[u"install/geodata/obdata.bak"_s] = m_loaded.at(Relative(paths.items));
    EXPECT_EQ(testfiles::Take(m_install.Root()), expected);
    EXPECT_FALSE(m_window.History().HasUnsavedChanges());
    EXPECT_TRUE(StatusText().startsWith(u"Changed on disk by another program: english.dat."_s));

    drive::Click(m_window, u"cmdReloadDisk"_s);
    EXPECT_EQ(m_window.Document().Working(GameFile::English), otherVersion);
    EXPECT_EQ(StatusText(), QString());
    EXPECT_TRUE(probe::Find<QPushButton>(m_window, u"cmdReloadDisk"_s)->isHidden());
    EXPECT_TRUE(EditString(GameFile::English));
}

// Only a file holding edits here is asked about; one without is left out of the question.
TEST_F(DiskChange, TheQuestionNamesOnlyFilesWithEditsHere)
{
    ASSERT_TRUE(EditString(GameFile::English));
    Change(External::EnglishGrew);
    Change(External::English2Vanished);
    m_asker.AnswerThreeWay(2);

    drive::Trigger(m_window, u"mnuSave"_s);

    ASSERT_EQ(m_asker.ShownDialogs().size(), 1u);
    const ScriptedAsker::Shown& question = m_asker.ShownDialogs()[0];
    EXPECT_EQ(question.title, u"Files Changed on Disk"_s);
    EXPECT_TRUE(question.text.endsWith(u"program:\n\nenglish.dat"_s)) << question.text.toStdString();
    EXPECT_TRUE(question.defaultAnswer.contains(u"Overwrite replaces the other program's version of them with yours."_s));
}

} // namespace
