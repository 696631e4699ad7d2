// The main window's file commands on sample installs: load, save, master backup, close.
#include "WindowDriver.h"
#include "WindowProbe.h"

#include "support/InstallFixture.h"
#include "support/LoadRun.h"
#include "support/ScriptedAsker.h"
#include "support/TestFiles.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

class MainWindowFiles : public ::testing::TestWithParam<GameVersion> {
protected:
    void SetUp() override { ASSERT_TRUE(install.IsValid()); }

    void LoadThroughMenu()
    {
        asker.AnswerOpenFile(install.Paths().exePath);
        drive::Trigger(window, u"mnuOpen"_s);
    }

    InstallFixture install{GetParam()};
    ScriptedAsker asker;
    MainWindow window{asker};
};

QString VersionCaption(GameVersion version)
{
    switch (version) {
    case GameVersion::CollectorsEdition: return u"Version: Collector's Edition"_s;
    case GameVersion::Dos12: return u"Version: DOS version 1.2"_s;
    case GameVersion::Dos14: return u"Version: DOS version 1.4"_s;
    case GameVersion::None: break;
    }
    return {};
}

TEST_P(MainWindowFiles, CompleteLoadMakesEverythingUsable)
{
    LoadThroughMenu();

    ASSERT_EQ(asker.ShownDialogs().size(), 1u);
    EXPECT_EQ(asker.ShownDialogs().front().text, u"UFO Executable (ufo.exe)|*.exe"_s);

    const auto* progress = probe::Find<QDialog>(window, u"frmLoad"_s);
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->windowTitle(), u"Loading Files..."_s);
    EXPECT_TRUE(progress->isVisible());
    EXPECT_FALSE(progress->isModal());
    EXPECT_EQ(probe::LoadText(window, u"lblLoad"_s), CompleteProgress);
    EXPECT_EQ(probe::LoadText(window, u"lblComp"_s), u"All files loaded successfully!"_s);
    EXPECT_TRUE(probe::Find<QPushButton>(*progress, u"Command1"_s)->isVisible());

    probe::ExpectFileCommands(window, true);
    const QTabWidget& tabs = probe::Tabs(window);
    EXPECT_TRUE(tabs.isEnabled());
    EXPECT_EQ(probe::Find<QLabel>(tabs, u"lblVer"_s)->text(), VersionCaption(GetParam()));
    EXPECT_TRUE(probe::Find<QPushButton>(tabs, u"Command36"_s)->isEnabled());
}

TEST_P(MainWindowFiles, OkClosesTheProgressWindow)
{
    LoadThroughMenu();
    auto* progress = probe::Find<QDialog>(window, u"frmLoad"_s);
    QTest::mouseClick(probe::Find<QPushButton>(*progress, u"Command1"_s), Qt::LeftButton);
    EXPECT_FALSE(progress->isVisible());
    EXPECT_TRUE(probe::Tabs(window).isEnabled());
}

TEST_P(MainWindowFiles, CloseReturnsToTheStartFromAnyTab)
{
    LoadThroughMenu();
    probe::Tabs(window).setCurrentIndex(3);
    drive::Trigger(window, u"mnuBack"_s);  // the tick survives Close
    drive::Trigger(window, u"mnuClose"_s);
    probe::ExpectNoFiles(window, false);
}

// A load that stops at a data file leaves the executable's commands usable but the tabs shut.
TEST_P(MainWindowFiles, LoadStoppedAtTheItemFileKeepsTheTabsDisabled)
{
    struct Damage {
        bool remove;
        qint64 size;
        QString status;
    };
    const Damage damages[] = {
        {true, 0, u"Unable to load obdata.dat"_s},
        {false, 4319, u"The file obdata.dat is not the right size"_s},
    };
    int installNumber = 0;
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.status.toStdString());
        const std::optional<SamplePaths> paths = install.AddInstall(u"damaged%1"_s.arg(++installNumber), GetParam());
        ASSERT_TRUE(paths);
        ASSERT_TRUE(damage.remove ? testfiles::Remove(paths->items) : testfiles::Truncate(paths->items, damage.size));
        ScriptedAsker freshAsker;
        MainWindow freshWindow(freshAsker);
        freshAsker.AnswerOpenFile(paths->exePath);
        drive::Trigger(freshWindow, u"mnuOpen"_s);

        EXPECT_EQ(probe::LoadText(freshWindow, u"lblLoad"_s), u"UFO.EXE...  DONE!    OBDATA.DAT...  "_s);
        EXPECT_EQ(probe::LoadText(freshWindow, u"lblComp"_s), damage.status);
        probe::ExpectFileCommands(freshWindow, true);
        EXPECT_FALSE(probe::Tabs(freshWindow).isEnabled());
        EXPECT_EQ(probe::Find<QLabel>(probe::Tabs(freshWindow), u"lblVer"_s)->text(), VersionCaption(GetParam()));
    }
}

TEST_P(MainWindowFiles, CancelledDialogChangesNothing)
{
    asker.AnswerOpenFile(std::nullopt);
    drive::Trigger(window, u"mnuOpen"_s);
    EXPECT_EQ(probe::LoadText(window, u"lblLoad"_s), u"UFO.EXE...  "_s);
    EXPECT_EQ(probe::LoadText(window, u"lblComp"_s), QString());
    const auto* progress = probe::Find<QDialog>(window, u"frmLoad"_s);
    EXPECT_TRUE(probe::Find<QPushButton>(*progress, u"Command1"_s)->isVisible());
    probe::ExpectNoFiles(window);
}

TEST_P(MainWindowFiles, MasterBackupAnsweredNoWritesNothing)
{
    LoadThroughMenu();
    const testfiles::Snapshot before = testfiles::Take(install.Root());
    asker.AnswerYesNo(false);
    drive::Trigger(window, u"mnuMaster"_s);
    EXPECT_EQ(asker.ShownDialogs().back().title, u"Make master backup?"_s);
    EXPECT_TRUE(testfiles::Take(install.Root()) == before);
}

TEST_P(MainWindowFiles, MasterBackupAnsweredYesCopiesTheFilesAsLoaded)
{
    LoadThroughMenu();
    const testfiles::Snapshot before = testfiles::Take(install.Root());
    asker.AnswerYesNo(true);
    drive::Trigger(window, u"mnuMaster"_s);
    const testfiles::Snapshot after = testfiles::Take(install.Root());
    EXPECT_EQ(after.size(), before.size() + 4);
    EXPECT_EQ(testfiles::Read(install.Paths().exePath + u"(MASTER).bak"_s), testfiles::Read(install.Paths().exePath));
}

// Save follows the tick of "&Make Backups": four backups beside the files, or none.
TEST_P(MainWindowFiles, SaveWritesBackupsOnlyWhenTicked)
{
    LoadThroughMenu();
    const std::size_t filesBefore = testfiles::Take(install.Root()).size();
    drive::Trigger(window, u"mnuBack"_s);
    drive::Trigger(window, u"mnuSave"_s);
    EXPECT_EQ(testfiles::Take(install.Root()).size(), filesBefore);

    drive::Trigger(window, u"mnuBack"_s);
    drive::Trigger(window, u"mnuSave"_s);
    EXPECT_EQ(testfiles::Take(install.Root()).size(), filesBefore + 4);
    EXPECT_EQ(testfiles::Read(install.Paths().exePath + u".bak"_s), testfiles::Read(install.Paths().exePath));
}

INSTANTIATE_TEST_SUITE_P(AllBuilds, MainWindowFiles,
                         ::testing::Values(GameVersion::CollectorsEdition, GameVersion::Dos12, GameVersion::Dos14),
                         [](const auto& info) { return gameversion::ShortName(info.param).toStdString(); });

TEST(MainWindowCommands, AboutNamesVersionAndMakers)
{
    ScriptedAsker asker;
    MainWindow window(asker);
    asker.AcknowledgeMessage();
    drive::Trigger(window, u"mnuAbout"_s);
    ASSERT_EQ(asker.ShownDialogs().size(), 1u);
    EXPECT_EQ(asker.ShownDialogs().front().title, u"About"_s);
    EXPECT_EQ(asker.ShownDialogs().front().text,
              u"The current version is 0.85 beta.\nWritten by the X-Com Kestrel developers.\n"
              u"It only works for Collector's Edition of X-Com: Ufo Defense at the present time."_s);
}

// The keys reach their commands, Ctrl+C included, which closes the files here.
TEST(MainWindowCommands, ShortcutsCloseFilesAndExit)
{
    InstallFixture install;
    ASSERT_TRUE(install.IsValid());
    ScriptedAsker asker;
    MainWindow window(asker);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    (void)window.LoadFrom(install.Paths().exePath);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
    probe::ExpectNoFiles(window);
    QTest::keyClick(&window, Qt::Key_F4, Qt::ControlModifier);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
