// The Mods panel: a load order whose later mod wins, conflicts that follow the ticks,
// Apply Mods and Restore Vanilla as one step each on the master backup, refused whole,
// and the list kept for each executable.
#include "LoadedWindow.h"
#include "WindowDriver.h"
#include "WindowProbe.h"

#include "support/TestFiles.h"
#include "ui/ModsPanel.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QUndoStack>

using namespace Qt::StringLiterals;

namespace {

QByteArray ModFile(const QByteArray& name, const QByteArray& changes)
{
    return R"({"format": "x-com-kestrel-changes", "version": 1, "mod": {"name": ")" + name
           + R"(", "version": "1.0"}, "changes": [)" + changes + "]}";
}

class ModsPanelTest : public LoadedWindowTest {
protected:
    void SetUp() override
    {
        LoadedWindowTest::SetUp();
        drive::Trigger(window, u"mnuMods"_s);
        const std::pair<QString, QByteArray> files[] = {
            {u"laser.json"_s, ModFile("Laser Balance", R"(
                {"table": "units", "record": "Sectoid Soldier", "field": "Time Units", "was": 54, "value": 80},
                {"table": "units", "record": "Sectoid Soldier", "field": "Strength", "value": 60})")},
            {u"heavy.json"_s, ModFile("Heavy Weapons", R"(
                {"table": "units", "record": "Sectoid Soldier", "field": "Time Units", "value": 90})")},
            {u"stores.json"_s, ModFile("Full Stores", R"(
                {"table": "stores", "record": "Pistols", "field": "Amount", "value": 300})")},
            {u"wrong.json"_s, ModFile("Wrong Mod", R"(
                {"table": "units", "record": "Sectoid Soldier", "field": "Bravery", "value": 120})")},
        };
        for (const auto& [name, bytes] : files)
            ASSERT_TRUE(testfiles::Overwrite(InRoot(name), bytes));
    }
    QString InRoot(const QString& name) const { return QDir(install.Root()).filePath(name); }
    ModsPanel& Panel() { return *probe::Find<ModsPanel>(window, u"dockMods"_s); }
    QListWidget& List() { return *probe::Find<QListWidget>(window, u"lstMods"_s); }
    QTreeWidget& Conflicts() { return *probe::Find<QTreeWidget>(window, u"lstConflicts"_s); }
    char Byte(qsizetype offset) { return window.Document().Working(GameFile::Executable).at(offset); }
    char Loaded(qsizetype offset) { return window.Document().Pristine(GameFile::Executable).at(offset); }
    QString UndoText() { return window.History().Stack().undoText(); }
    void Select(int row) { List().setCurrentRow(row); }
};

TEST_F(ModsPanelTest, ALaterModWinsAndUntickingOnTheMasterBackupTakesAModOut)
{
    EXPECT_TRUE(probe::Find<QLabel>(window, u"lblModBase"_s)->text().startsWith(u"On the files as loaded"_s));
    asker.AnswerYesNo(true);
    drive::Click(window, u"cmdModMaster"_s);
    EXPECT_TRUE(probe::Find<QLabel>(window, u"lblModBase"_s)->text().startsWith(u"On the master backup of "_s));

    Panel().Add({InRoot(u"laser.json"_s), InRoot(u"heavy.json"_s), InRoot(u"stores.json"_s)});
    EXPECT_EQ(List().item(0)->text(), u"Laser Balance 1.0 — 2 values"_s);
    ASSERT_EQ(Conflicts().topLevelItemCount(), 1);
    const QTreeWidgetItem* line = Conflicts().topLevelItem(0);
    EXPECT_EQ((QStringList{line->text(0), line->text(1), line->text(2), line->text(3), line->text(4)}),
              (QStringList{u"units"_s, u"Sectoid Soldier"_s, u"Time Units"_s, u"Laser Balance 80, Heavy Weapons 90"_s,
                           u"Heavy Weapons"_s}));
    Select(2);
    EXPECT_FALSE(Conflicts().topLevelItem(0)->data(0, Qt::UserRole).toBool());
    Select(1);
    EXPECT_TRUE(Conflicts().topLevelItem(0)->data(0, Qt::UserRole).toBool());
    drive::Click(window, u"cmdModUp"_s);
    EXPECT_EQ(Conflicts().topLevelItem(0)->text(4), u"Laser Balance"_s);

    asker.AnswerYesNo(true);
    drive::Click(window, u"cmdApplyMods"_s);
    EXPECT_TRUE(asker.ShownDialogs().back().text.contains(u"units | Sectoid Soldier | Time Units | 54 | 80 | "_s))
        << asker.ShownDialogs().back().text.toStdString();
    EXPECT_EQ(window.History().Stack().count(), 1);
    EXPECT_EQ(UndoText(), u"Apply 3 mods"_s);
    EXPECT_EQ(Byte(480421), char(80));
    EXPECT_EQ(Byte(480425), char(60));
    drive::Trigger(window, u"mnuUndo"_s);
    EXPECT_EQ(window.Document().Working(GameFile::Executable), window.Document().Pristine(GameFile::Executable));

    // Undone, the mods' values are not edited by hand.
    List().item(1)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(Conflicts().topLevelItemCount(), 0);
    asker.AnswerYesNo(true);
    drive::Click(window, u"cmdApplyMods"_s);
    EXPECT_FALSE(asker.ShownDialogs().back().text.contains(u"edited by hand"_s)) << asker.ShownDialogs().back().text.toStdString();
    EXPECT_EQ(UndoText(), u"Apply 2 mods"_s);
    EXPECT_EQ(Byte(480421), char(90));
    EXPECT_EQ(Byte(480425), Loaded(480425));

    asker.AnswerYesNo(true);
    drive::Click(window, u"cmdRestoreVanilla"_s);
    EXPECT_EQ(window.History().Stack().count(), 2);
    EXPECT_EQ(UndoText(), u"Restore Vanilla"_s);
    EXPECT_EQ(window.Document().Working(GameFile::Executable), window.Document().Pristine(GameFile::Executable));
}

TEST_F(ModsPanelTest, AModThatCannotApplyIsNamedAndHandEditsAreNamedInThePreview)
{
    Panel().Add({InRoot(u"laser.json"_s), InRoot(u"wrong.json"_s), InRoot(u"gone.json"_s)});
    EXPECT_EQ(List().item(2)->text(), u"gone.json — missing"_s);
    asker.AcknowledgeError();
    drive::Click(window, u"cmdApplyMods"_s);
    const QString refusal = asker.ShownDialogs().back().text;
    EXPECT_TRUE(refusal.contains(u"Wrong Mod: change 1 (units / Sectoid Soldier / Bravery)"_s)) << refusal.toStdString();
    EXPECT_TRUE(refusal.contains(u"gone.json: missing"_s)) << refusal.toStdString();
    EXPECT_EQ(window.History().Stack().count(), 0);
    EXPECT_EQ(window.Document().Working(GameFile::Executable), window.Document().Pristine(GameFile::Executable));

    for (const int row : {2, 1}) {
        Select(row);
        drive::Click(window, u"cmdRemoveMod"_s);
    }
    asker.AnswerYesNo(true);
    drive::Click(window, u"cmdApplyMods"_s);
    drive::Choose(window, u"cmbUnit"_s, 7);
    asker.Answer(u"70"_s);
    drive::Click(window, u"cmdTU"_s);
    asker.AnswerYesNo(false);
    drive::Click(window, u"cmdApplyMods"_s);
    EXPECT_TRUE(asker.ShownDialogs().back().text.contains(
        u"units | Sectoid Soldier | Time Units | 70 | 80 | edited by hand, will be replaced"_s))
        << asker.ShownDialogs().back().text.toStdString();
    EXPECT_EQ(window.History().Stack().count(), 2);
    EXPECT_EQ(Byte(480421), char(70));
}

TEST_F(ModsPanelTest, TheListIsKeptForEachExecutable)
{
    const std::optional<SamplePaths> other = install.AddInstall(u"dos14"_s, GameVersion::Dos14);
    ASSERT_TRUE(other.has_value());
    Panel().Add({InRoot(u"laser.json"_s), InRoot(u"heavy.json"_s)});
    List().item(1)->setCheckState(Qt::Unchecked);
    Select(1);
    drive::Click(window, u"cmdModUp"_s);

    ASSERT_EQ(window.LoadFrom(other->exePath), LoadOutcome::Complete);
    EXPECT_EQ(List().count(), 0);
    Panel().Add({InRoot(u"laser.json"_s)});
    ASSERT_TRUE(QFile::remove(InRoot(u"heavy.json"_s)));
    ASSERT_EQ(window.LoadFrom(install.Paths().exePath), LoadOutcome::Complete);
    ASSERT_EQ(List().count(), 2);
    EXPECT_EQ(List().item(0)->text(), u"heavy.json — missing"_s);
    EXPECT_EQ(List().item(0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(List().item(1)->text(), u"Laser Balance 1.0 — 2 values"_s);
    EXPECT_EQ(List().item(1)->checkState(), Qt::Checked);
}

} // namespace
