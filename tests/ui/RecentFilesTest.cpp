// The recent executables: newest first, five at most, missing files disabled, Clear, and
// the list kept from one run to the next.
#include "WindowProbe.h"

#include "ui/RecentFiles.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

class RecentFilesTest : public ::testing::Test {
protected:
    // An existing file per name, so every entry starts usable.
    QString File(const QString& name) const
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return path;
    }

    [[nodiscard]] QStringList Entries() const
    {
        QStringList entries = probe::Captions(menu);
        entries.removeLast(); // "Clear Menu"
        entries.removeLast(); // its separator
        return entries;
    }

    const FreshSettings settings;
    const QTemporaryDir folder;
    QMenu menu;
    RecentFiles& recent = *new RecentFiles(menu);
};

TEST_F(RecentFilesTest, NewestFirstOnceEachAndKept)
{
    const QString a = File(u"a.exe"_s), b = File(u"b.exe"_s), c = File(u"c.exe"_s);
    for (const QString& path : {a, b, c, a})
        recent.Add(path);

    EXPECT_EQ(recent.Paths(), (QStringList{a, c, b}));
    EXPECT_EQ(Entries(), (QStringList{u"&1 "_s + a, u"&2 "_s + c, u"&3 "_s + b}));

    QMenu nextRun;
    EXPECT_EQ((new RecentFiles(nextRun))->Paths(), (QStringList{a, c, b}));
}

TEST_F(RecentFilesTest, FiveAtMost)
{
    QStringList added;
    for (int number = 1; number <= 7; ++number) {
        added.prepend(File(u"%1.exe"_s.arg(number)));
        recent.Add(added.front());
    }
    EXPECT_EQ(recent.Paths(), added.mid(0, 5));
    EXPECT_EQ(Entries().size(), 5);
}

TEST_F(RecentFilesTest, EntryOfAMissingFileIsDisabled)
{
    const QString kept = File(u"kept.exe"_s), removed = File(u"removed.exe"_s);
    recent.Add(folder.filePath(u"never.exe"_s));
    recent.Add(removed);
    recent.Add(kept);
    ASSERT_TRUE(QFile::remove(removed));

    emit menu.aboutToShow();
    QList<bool> enabled;
    for (const QAction* action : menu.actions().mid(0, 3))
        enabled << action->isEnabled();
    EXPECT_EQ(enabled, (QList<bool>{true, false, false}));
}

TEST_F(RecentFilesTest, ClearMenuEmptiesTheList)
{
    recent.Add(File(u"a.exe"_s));
    auto* clear = probe::Find<QAction>(menu, u"mnuClearRecent"_s);
    ASSERT_TRUE(clear && clear->isEnabled());

    clear->trigger();

    EXPECT_EQ(recent.Paths(), QStringList());
    EXPECT_EQ(probe::Captions(menu), (QStringList{u"-"_s, u"Clear Menu"_s}));
    EXPECT_FALSE(probe::Find<QAction>(menu, u"mnuClearRecent"_s)->isEnabled());
}

} // namespace
