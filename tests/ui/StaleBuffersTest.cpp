// A buffer never outlives the load that read it: Close drops every edit, and a load that
// stops at a data file neither shows nor saves another load's data.
#include "WindowDriver.h"
#include "WindowProbe.h"

#include "support/InstallFixture.h"
#include "support/ScriptedAsker.h"
#include "support/TestFiles.h"
#include "ui/MainWindow.h"

#include <QDir>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

class StaleBuffers : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(install.IsValid());
        window.show();
    }

    void Load(const QString& exePath)
    {
        asker.AnswerOpenFile(exePath);
        drive::Trigger(window, u"mnuOpen"_s);
    }

    // The edits of the first load: a string entry applied and an item renamed, not saved.
    void EditStringAndItem()
    {
        drive::DoubleClickRow(window, u"lstEng1"_s, 3);
        drive::Type(window, u"Text1"_s, u"CHANGED ENTRY"_s);
        drive::Click(window, u"cmdApplyStr"_s);
        const int pistol = drive::RowOf(window, u"lstItem"_s, u"PISTOL"_s);
        ASSERT_GE(pistol, 0);
        drive::DoubleClickRow(window, u"lstItem"_s, pistol);
        asker.Answer(u"JUNKNAME"_s);
        drive::Click(window, u"cmdName"_s);
        ASSERT_GE(drive::RowOf(window, u"lstItem"_s, u"JUNKNAME"_s), 0);
    }

    InstallFixture install;
    ScriptedAsker asker;
    MainWindow window{asker};
};

TEST_F(StaleBuffers, CloseThenAStoppedLoadSavesOnlyWhatThatLoadRead)
{
    const SamplePaths& paths = install.Paths();
    Load(paths.exePath);
    EditStringAndItem();
    asker.AnswerSaveDiscardCancel(Asker::Choice::Discard);
    drive::Trigger(window, u"mnuClose"_s);

    const QByteArray userItems(4321, 'u');
    const QByteArray userText("MOD TEXT\0", 9);
    ASSERT_TRUE(testfiles::Overwrite(paths.items, userItems));
    ASSERT_TRUE(testfiles::Overwrite(paths.english2, userText));
    const testfiles::Snapshot before = testfiles::Take(install.Root());

    Load(paths.exePath);
    ASSERT_EQ(probe::LoadText(window, u"lblComp"_s), u"The file obdata.dat is not the right size"_s);
    drive::Trigger(window, u"mnuSave"_s);

    // The executable this load read goes back unchanged with its backup; nothing else is written.
    testfiles::Snapshot expected = before;
    const QString exeName = QDir(install.Root()).relativeFilePath(paths.exePath);
    expected[exeName + u".bak"_s] = before.at(exeName);
    EXPECT_EQ(testfiles::Take(install.Root()), expected);
}

TEST_F(StaleBuffers, AStoppedLoadShowsAndEditsNoItemsOfTheLoadBefore)
{
    const std::optional<SamplePaths> other = install.AddInstall(u"other"_s, GameVersion::CollectorsEdition);
    ASSERT_TRUE(other);
    ASSERT_TRUE(testfiles::Truncate(other->items, 4000));
    Load(install.Paths().exePath);
    const int pistol = drive::RowOf(window, u"lstItem"_s, u"PISTOL"_s);
    drive::DoubleClickRow(window, u"lstItem"_s, pistol);
    const testfiles::Snapshot before = testfiles::Take(install.Root());

    Load(other->exePath);
    ASSERT_EQ(probe::LoadText(window, u"lblComp"_s), u"The file obdata.dat is not the right size"_s);

    EXPECT_TRUE(probe::Tabs(window).isEnabled());  // the tab strip keeps the state it had
    EXPECT_EQ(probe::Find<QListWidget>(window, u"lstItem"_s)->count(), 0);
    for (const QString& name : {u"cmdName"_s, u"cmdDamage"_s, u"cmdAimT"_s}) {
        const auto* button = probe::Find<QPushButton>(window, name);
        EXPECT_FALSE(button->isEnabled()) << name.toStdString();
        EXPECT_EQ(button->text(), QString()) << name.toStdString();
    }
    EXPECT_EQ(probe::Find<QAbstractItemView>(window, u"lstEng1"_s)->model()->rowCount(), 0);

    drive::Trigger(window, u"mnuSave"_s);
    testfiles::Snapshot expected = before;
    const QString exeName = QDir(install.Root()).relativeFilePath(other->exePath);
    expected[exeName + u".bak"_s] = before.at(exeName);
    EXPECT_EQ(testfiles::Take(install.Root()), expected);
}

} // namespace
