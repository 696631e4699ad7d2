// The main window as a desktop program: a dropped file and the "Open &Recent" menu load an
// executable as "L&oad Files" would, and every accepted executable joins the recent list.
#include "WindowDriver.h"
#include "WindowProbe.h"

#include "support/InstallFixture.h"
#include "support/ScriptedAsker.h"
#include "ui/MainWindow.h"
#include "ui/WindowPlacement.h"

#include <QAction>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QTabWidget>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

class MainWindowDesktop : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(install.IsValid()); }

    [[nodiscard]] QString VersionCaption() const
    {
        return probe::Find<QLabel>(probe::Tabs(window), u"lblVer"_s)->text();
    }

    [[nodiscard]] QStringList RecentEntries() const
    {
        return probe::Captions(*probe::Find<QMenu>(window, u"mnuRecent"_s)).mid(0, 1);
    }

    InstallFixture install;
    ScriptedAsker asker;
    const FreshSettings settings;
    MainWindow window{asker};
};

TEST_F(MainWindowDesktop, DroppedFileLoadsWithoutTheDialog)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(install.Paths().exePath)});
    ASSERT_TRUE(drive::Drop(window, data));

    EXPECT_TRUE(QTest::qWaitFor([this] { return !VersionCaption().isEmpty(); }, 2000));
    EXPECT_EQ(VersionCaption(), u"Version: Collector's Edition"_s);
    EXPECT_EQ(probe::LoadText(window, u"lblComp"_s), u"All files loaded successfully!"_s);
    EXPECT_TRUE(probe::Tabs(window).isEnabled());
    EXPECT_TRUE(asker.ShownDialogs().empty());
    EXPECT_EQ(RecentEntries(), QStringList{u"&1 "_s + install.Paths().exePath});
}

TEST_F(MainWindowDesktop, DragWithoutAFileIsRefused)
{
    QMimeData data;
    data.setText(install.Paths().exePath);
    EXPECT_FALSE(drive::Drop(window, data));
}

TEST_F(MainWindowDesktop, RecentEntryLoadsAgainAfterClose)
{
    asker.AnswerOpenFile(install.Paths().exePath);
    probe::Find<QAction>(window, u"mnuOpen"_s)->trigger();
    probe::Find<QAction>(window, u"mnuClose"_s)->trigger();
    probe::ExpectNoFiles(window);
    ASSERT_EQ(RecentEntries(), QStringList{u"&1 "_s + install.Paths().exePath});

    probe::Find<QMenu>(window, u"mnuRecent"_s)->actions().front()->trigger();

    EXPECT_EQ(VersionCaption(), u"Version: Collector's Edition"_s);
    probe::ExpectFileCommands(window, true);
}

// The executable was accepted, so it is remembered, even though a data file was missing.
TEST_F(MainWindowDesktop, AcceptedExecutableIsRememberedWhateverItsDataFiles)
{
    const std::optional<SamplePaths> noItems = install.AddInstall(u"no-items"_s, GameVersion::Dos14);
    ASSERT_TRUE(noItems && QFile::remove(noItems->items));
    window.LoadFromUser(noItems->exePath);

    EXPECT_EQ(probe::LoadText(window, u"lblComp"_s), u"Unable to load obdata.dat"_s);
    EXPECT_EQ(RecentEntries(), QStringList{u"&1 "_s + noItems->exePath});
}

// A panel left open, and where it was docked, come back in the next run's window.
TEST_F(MainWindowDesktop, OpenPanelsComeBackNextTime)
{
    window.show();
    probe::Find<QDockWidget>(window, u"dockChanges"_s)->show();
    window.addDockWidget(Qt::LeftDockWidgetArea, probe::Find<QDockWidget>(window, u"dockHistory"_s));
    placement::Save(window);

    MainWindow next{asker};
    placement::Restore(next);
    next.show();
    EXPECT_TRUE(probe::Find<QDockWidget>(next, u"dockChanges"_s)->isVisible());
    EXPECT_FALSE(probe::Find<QDockWidget>(next, u"dockHistory"_s)->isVisible());
    EXPECT_EQ(next.dockWidgetArea(probe::Find<QDockWidget>(next, u"dockHistory"_s)), Qt::LeftDockWidgetArea);
}

} // namespace
