// The Changes panel: one line per changed field, named as the catalogue names it, that
// follows every edit and undo, and reverts as one step.
#include "LoadedWindow.h"
#include "WindowDriver.h"
#include "WindowProbe.h"

#include "ui/ChangesModel.h"
#include "ui/ChangesPanel.h"

#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QUndoStack>

using namespace Qt::StringLiterals;

namespace {

class ChangesPanelTest : public LoadedWindowTest {
protected:
    void SetUp() override
    {
        LoadedWindowTest::SetUp();
        drive::Trigger(window, u"mnuChanges"_s);
    }

    ChangesPanel& Panel() { return *probe::Find<ChangesPanel>(window, u"dockChanges"_s); }
    ChangesModel& Model() { return Panel().Model(); }
    QStringList Line(int row)
    {
        QStringList cells;
        for (int column = 0; column < Model().columnCount(); ++column)
            cells << Model().index(row, column).data().toString();
        return cells;
    }

    QAbstractItemModelTester tester{&Model(), QAbstractItemModelTester::FailureReportingMode::Fatal};
};

TEST_F(ChangesPanelTest, EachEditIsOneNamedLineThatUndoTakesAway)
{
    const struct {
        const char* kind;
        std::function<void(MainWindow&, ScriptedAsker&)> edit;
        QStringList line;
        QString revert;  // the step of reverting the line, naming the record as the edit did
    } cases[] = {
        {"unit value",
         [](MainWindow& w, ScriptedAsker& a) {
             drive::Choose(w, u"cmbUnit"_s, 7);
             a.Answer(u"80"_s);
             drive::Click(w, u"cmdTU"_s);
         },
         {u"units"_s, u"Sectoid Soldier"_s, u"Time Units"_s, u"54"_s, u"80"_s},
         u"Revert Sectoid Soldier: Time Units"_s},
        {"bravery",
         [](MainWindow& w, ScriptedAsker& a) {
             drive::Choose(w, u"cmbUnit"_s, 7);
             a.Answer(u"30"_s);
             drive::Click(w, u"cmdBrav"_s);
         },
         {u"units"_s, u"Sectoid Soldier"_s, u"Bravery"_s, u"80"_s, u"30"_s},
         u"Revert Sectoid Soldier: Bravery"_s},
        {"item value",
         [](MainWindow& w, ScriptedAsker& a) {
             drive::DoubleClickRow(w, u"lstItem"_s, 3);
             a.Answer(u"35"_s);
             drive::Click(w, u"cmdDamage"_s);
         },
         {u"items"_s, u"3 RIFLE CLIP"_s, u"Damage"_s, u"30"_s, u"35"_s},
         u"Revert RIFLE CLIP: Damage"_s},
        {"stores",
         [](MainWindow& w, ScriptedAsker& a) {
             a.Answer(u"300"_s);
             drive::DoubleClickRow(w, u"lstItems"_s, 17);
         },
         {u"stores"_s, u"Pistols"_s, u"Amount"_s, u"2"_s, u"300"_s},
         u"Revert Pistols: Amount"_s},
        {"string",
         [](MainWindow& w, ScriptedAsker&) {
             drive::DoubleClickRow(w, u"lstEng1"_s, 2);
             drive::Type(w, u"Text1"_s, u"Laser Rifle"_s);
             drive::Click(w, u"cmdApplyStr"_s);
         },
         {u"english.dat"_s, u"2"_s, u"Text"_s, QString(), u"Laser Rifle"_s},
         u"Revert ENGLISH.DAT entry 2: Text"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        c.edit(window, asker);
        ASSERT_EQ(Model().rowCount(), 1);
        QStringList line = Line(0);
        if (c.line.at(3).isEmpty())
            line[3].clear();  // the sample's own text, whatever it is
        EXPECT_EQ(line, c.line);
        EXPECT_EQ(Panel().windowTitle(), u"Changes (1)"_s);
        EXPECT_EQ(Panel().toggleViewAction()->text(), u"&Changes"_s);
        probe::Find<QTableView>(window, u"tblChanges"_s)
            ->selectionModel()
            ->select(Model().index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        drive::Click(window, u"cmdRevert"_s);
        EXPECT_EQ(window.History().Stack().undoText(), c.revert);
        EXPECT_EQ(Model().rowCount(), 0);
        drive::Trigger(window, u"mnuUndo"_s);
        drive::Trigger(window, u"mnuUndo"_s);
        EXPECT_EQ(Model().rowCount(), 0);
        EXPECT_EQ(Panel().windowTitle(), u"Changes (0)"_s);
    }
}

TEST_F(ChangesPanelTest, RevertPutsTheSelectedLinesBackAsOneStep)
{
    drive::Choose(window, u"cmbUnit"_s, 7);
    for (const QString& button : {u"cmdTU"_s, u"cmdHealth"_s, u"cmdEnrg"_s}) {
        asker.Answer(u"99"_s);
        drive::Click(window, button);
    }
    drive::DoubleClickRow(window, u"lstEng2"_s, 1);
    drive::Type(window, u"Text1"_s, u"A much longer text than the entry had before"_s);
    drive::Click(window, u"cmdApplyStr"_s);
    drive::DoubleClickRow(window, u"lstEng2"_s, 4);
    drive::Type(window, u"Text1"_s, u"x"_s);
    drive::Click(window, u"cmdApplyStr"_s);
    ASSERT_EQ(Model().rowCount(), 5);

    auto* view = probe::Find<QTableView>(window, u"tblChanges"_s);
    auto* revert = probe::Find<QPushButton>(window, u"cmdRevert"_s);
    EXPECT_FALSE(revert->isEnabled());
    view->selectionModel()->select(Model().index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    view->selectionModel()->select(Model().index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_TRUE(revert->isEnabled());
    // Ctrl+C copies the selected lines, tab-separated, and leaves the files open.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    view->setFocus();
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), (QStringList{Line(0).join(u'\t'), Line(2).join(u'\t')}.join(u'\n')));
    EXPECT_TRUE(window.Document().HasExecutable());
    drive::Click(window, u"cmdRevert"_s);
    EXPECT_EQ(Model().rowCount(), 3);
    EXPECT_EQ(window.History().Stack().count(), 6);

    drive::Click(window, u"cmdRevertAll"_s);
    EXPECT_EQ(Model().rowCount(), 0);
    for (const GameFile file : {GameFile::Executable, GameFile::English2})
        EXPECT_EQ(window.Document().Working(file), window.Document().Pristine(file));
    drive::Trigger(window, u"mnuUndo"_s);
    EXPECT_EQ(Model().rowCount(), 3);
}

TEST_F(ChangesPanelTest, DoubleClickShowsTheRecord)
{
    drive::DoubleClickRow(window, u"lstItem"_s, 40);
    asker.Answer(u"77"_s);
    drive::Click(window, u"cmdDamage"_s);
    drive::ShowTab(window, u"Base Editor"_s);
    drive::DoubleClickRow(window, u"tblChanges"_s, 0);
    EXPECT_EQ(probe::Tabs(window).currentIndex(), 4);
    EXPECT_EQ(probe::Find<QPushButton>(window, u"cmdDamage"_s)->text(), u"77"_s);
}

// Bytes in no field are never written by the editor; should they differ, they still show.
TEST(ChangesModelAlone, AStrayByteIsARawLine)
{
    GameDocument document;
    GameFileSet files;
    files.Version = GameVersion::CollectorsEdition;
    files.ExeImage.Accept(QByteArray(495616, '\x36'), u"ufo.exe"_s, u"."_s);
    document.Adopt(files);
    ChangesModel model(document);
    QAbstractItemModelTester tester(&model);
    ASSERT_TRUE(document.Apply({{}, {document.ChangeTo(GameFile::Executable, 480155, QByteArray(1, 0x50))}}));
    document.Settle();
    ASSERT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.index(0, 0).data().toString(), u"ufo.exe"_s);
    EXPECT_EQ(model.index(0, 1).data().toString(), u"byte 480155"_s);
    EXPECT_EQ(model.index(0, 3).data().toString(), u"0x36"_s);
    EXPECT_EQ(model.index(0, 4).data().toString(), u"0x50"_s);
}

} // namespace
