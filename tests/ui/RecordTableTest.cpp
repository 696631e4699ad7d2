// The record tables of the editor tabs: cells as the forms show them, in-place edits and
// pastes checked by the prompts' rules and written as single steps, sorting that writes
// nothing, and Ctrl+C copying only where a table has the focus.
#include "LoadedWindow.h"
#include "WindowDriver.h"
#include "WindowProbe.h"

#include "ui/RecordTableModel.h"
#include "ui/RecordTableView.h"

#include <QAbstractItemModelTester>
#include <QAbstractProxyModel>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QUndoStack>

using namespace Qt::StringLiterals;

namespace {

class RecordTableTest : public LoadedWindowTest {
protected:
    // The table of a tab, switched to as the user does.
    RecordTableView& Table(const QString& name, const QString& switchName)
    {
        drive::Click(window, u"opt%1Table"_s.arg(switchName));
        return *probe::Find<RecordTableView>(window, name);
    }
    RecordTableView& Units() { return Table(u"tblUnits"_s, u"Unit"_s); }
    RecordTableView& Items() { return Table(u"tblItems"_s, u"Item"_s); }

    // The cell of a record and field where the view shows it now.
    static QModelIndex At(const RecordTableView& view, int record, const QString& field)
    {
        const RecordTableModel& model = view.Model();
        for (int column = 0; column < model.columnCount(); ++column) {
            if (model.headerData(column, Qt::Horizontal).toString() == field)
                return static_cast<const QAbstractProxyModel*>(view.model())->mapFromSource(model.index(record, column));
        }
        ADD_FAILURE() << "no column " << field.toStdString();
        return {};
    }
    static QString Shown(const RecordTableView& view, int record, const QString& field)
    {
        return At(view, record, field).data().toString();
    }

    QByteArray Working(GameFile file) const { return window.Document().Working(file); }
    QUndoStack& Stack() { return window.History().Stack(); }

    // Makes the cell current and the only one selected, as a click does.
    static void Select(RecordTableView& view, const QModelIndex& cell)
    {
        view.selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
    }

    // Pastes text from the cell of record and field on.
    void PasteAt(RecordTableView& view, int record, const QString& field, const QString& text)
    {
        Select(view, At(view, record, field));
        QGuiApplication::clipboard()->setText(text);
        view.Paste();
    }

};

TEST_F(RecordTableTest, EveryTableModelHoldsUpThroughEditsAndReloads)
{
    std::vector<std::unique_ptr<QAbstractItemModelTester>> testers;
    for (const QString& name : {u"tblUnits"_s, u"tblItems"_s, u"tblFacilities"_s, u"tblStores"_s}) {
        auto* view = probe::Find<RecordTableView>(window, name);
        ASSERT_NE(view, nullptr);
        for (QAbstractItemModel* model : {static_cast<QAbstractItemModel*>(&view->Model()), view->model()})
            testers.push_back(std::make_unique<QAbstractItemModelTester>(
                model, QAbstractItemModelTester::FailureReportingMode::Fatal));
    }
    RecordTableView& units = Units();
    ASSERT_EQ(units.model()->rowCount(), 33);
    EXPECT_TRUE(units.model()->setData(At(units, 7, u"Time Units"_s), u"80"_s));
    units.sortByColumn(1, Qt::DescendingOrder);
    Stack().undo();
    drive::Trigger(window, u"mnuClose"_s);  // the undone edit leaves nothing to ask about
    EXPECT_EQ(units.model()->rowCount(), 0);
    ASSERT_EQ(window.LoadFrom(install.Paths().exePath), LoadOutcome::Complete);
    EXPECT_EQ(units.model()->rowCount(), 33);
    EXPECT_EQ(Shown(units, 7, u"Time Units"_s), u"54"_s);
}

// Typed into a cell as the user does: Return takes a value the prompt would take, and
// leaves the editor open with the reason shown for one it would ask again for.
TEST_F(RecordTableTest, CellsTakeWhatThePromptsTakeAndKeepTheEditorOpenOtherwise)
{
    const struct {
        QString view, switchName;
        int record;
        QString field, typed, shown, refusal;
    } cases[] = {
        {u"tblUnits"_s, u"Unit"_s, 7, u"Time Units"_s, u"255"_s, u"255"_s, {}},
        {u"tblUnits"_s, u"Unit"_s, 7, u"Time Units"_s, u"256"_s, u"54"_s, u"256 is above the limit 255"_s},
        // A cell is not the prompt: only a whole number, no leading number read out of text.
        {u"tblUnits"_s, u"Unit"_s, 7, u"Time Units"_s, u"1e2"_s, u"54"_s, u"\"1e2\" is not a number"_s},
        {u"tblUnits"_s, u"Unit"_s, 7, u"Time Units"_s, u"abc"_s, u"54"_s, u"\"abc\" is not a number"_s},
        {u"tblUnits"_s, u"Unit"_s, 7, u"Time Units"_s, u"12abc"_s, u"54"_s, u"\"12abc\" is not a number"_s},
        {u"tblUnits"_s, u"Unit"_s, 7, u"Time Units"_s, u"2.5"_s, u"54"_s, u"2.5 is not a whole number"_s},
        {u"tblUnits"_s, u"Unit"_s, 7, u"Time Units"_s, u" 12 "_s, u"12"_s, {}},
        {u"tblUnits"_s, u"Unit"_s, 7, u"Time Units"_s, u"-1"_s, u"54"_s, u"-1 is below 0"_s},
        {u"tblUnits"_s, u"Unit"_s, 7, u"Strength"_s, u"101"_s, u"30"_s, u"101 is above the limit 100"_s},
        {u"tblUnits"_s, u"Unit"_s, 27, u"Strength"_s, u"110"_s, u"110"_s, {}},  // as stored, above the limit
        {u"tblUnits"_s, u"Unit"_s, 7, u"Bravery"_s, u"35"_s, u"80"_s, u"35 is not divisible by 10"_s},
        {u"tblUnits"_s, u"Unit"_s, 7, u"Bravery"_s, u"120"_s, u"80"_s, u"120 is above the limit 110"_s},
        {u"tblFacilities"_s, u"Facility"_s, 16, u"Construction Cost/$k"_s, u"28,671"_s, u"28,671"_s, {}},
        {u"tblFacilities"_s, u"Facility"_s, 16, u"Construction Cost/$k"_s, u"28672"_s, u"200"_s,
         u"28672 is above the limit 28,671"_s},
        {u"tblStores"_s, u"Stores"_s, 0, u"Amount"_s, u"251"_s, u"10"_s, u"251 is above the limit 250"_s},
        {u"tblItems"_s, u"Item"_s, 2, u"Ammo Type 1"_s, u"79"_s, u"79 civilian F"_s, {}},
        {u"tblItems"_s, u"Item"_s, 2, u"Ammo Type 1"_s, u"80"_s, u"3 RIFLE CLIP"_s, u"80 is above the limit 79"_s},
        {u"tblItems"_s, u"Item"_s, 2, u"Ammo Type 2"_s, u"RIFLE CLIP"_s, u"3 RIFLE CLIP"_s, {}},
        {u"tblItems"_s, u"Item"_s, 2, u"Name"_s, u"A name of twenty-one!"_s, u"A name of twenty-one"_s, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.field + u" = "_s + c.typed).toStdString());
        RecordTableView& view = Table(c.view, c.switchName);
        const QModelIndex cell = At(view, c.record, c.field);
        const int steps = Stack().index();
        const QString before = cell.data().toString();
        Select(view, cell);
        view.edit(cell);
        auto* editor = qobject_cast<QLineEdit*>(view.indexWidget(cell));
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, c.typed);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();
        EXPECT_EQ(cell.data().toString(), c.shown);
        EXPECT_EQ(view.indexWidget(cell) != nullptr, !c.refusal.isEmpty());
        EXPECT_EQ(Stack().index(), steps + (c.refusal.isEmpty() && c.shown != before ? 1 : 0));
        if (!c.refusal.isEmpty()) {
            EXPECT_EQ(editor->toolTip(), c.refusal);
            EXPECT_EQ(window.statusBar()->currentMessage(), c.refusal);
            QTest::keyClick(editor, Qt::Key_Escape);
            QApplication::processEvents();
        }
        if (Stack().index() > steps)
            Stack().undo();
    }
}

TEST_F(RecordTableTest, ChoicesAreNamedAndOneCellIsOneNamedStep)
{
    RecordTableView& units = Units();
    const QModelIndex flying = At(units, 7, u"Flying Ability"_s);
    units.edit(flying);
    auto* combo = qobject_cast<QComboBox*>(units.indexWidget(flying));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->currentText(), u"No"_s);
    combo->setCurrentIndex(0);
    emit combo->activated(0);
    QApplication::processEvents();
    EXPECT_EQ(flying.data().toString(), u"Yes"_s);
    EXPECT_EQ(Stack().undoText(), u"Sectoid Soldier: Flying Ability No → Yes"_s);

    RecordTableView& items = Items();
    EXPECT_TRUE(items.model()->setData(At(items, 3, u"Damage"_s), u"35"_s));
    EXPECT_EQ(Stack().undoText(), u"RIFLE CLIP: Damage 30 → 35"_s);
    // A new name is shown again wherever an ammo cell names the item.
    QSignalSpy refreshed(&items.Model(), &QAbstractItemModel::dataChanged);
    EXPECT_TRUE(items.model()->setData(At(items, 3, u"Name"_s), u"SLUG"_s));
    EXPECT_EQ(Stack().undoText(), u"Rename RIFLE CLIP to SLUG"_s);
    EXPECT_EQ(Shown(items, 2, u"Ammo Type 1"_s), u"3 SLUG"_s);
    ASSERT_EQ(refreshed.size(), 1);
    const QItemSelectionRange range(refreshed[0][0].value<QModelIndex>(), refreshed[0][1].value<QModelIndex>());
    EXPECT_TRUE(range.contains(items.Model().index(2, At(items, 2, u"Ammo Type 1"_s).column())));
    EXPECT_EQ(Stack().count(), 3);
}

TEST_F(RecordTableTest, AGoodBlockPastesExactlyItsCellsAsOneStepThatUndoTakesBack)
{
    RecordTableView& items = Items();
    const QByteArray before = Working(GameFile::Items);
    PasteAt(items, 0, u"Autoshot Accuracy"_s, u"11\t12\n21\t22\n31\t32\n"_s);

    QByteArray expected = before;
    for (const auto& [offset, value] : {std::pair{32, 11}, {33, 12}, {86, 21}, {87, 22}, {140, 31}, {141, 32}})
        expected[offset] = char(value);
    EXPECT_EQ(Working(GameFile::Items), expected);
    EXPECT_EQ(Stack().count(), 1);
    EXPECT_EQ(Stack().undoText(), u"Paste 6 cells"_s);
    EXPECT_EQ(Shown(items, 2, u"Snap Shot Accuracy"_s), u"32"_s);

    Stack().undo();
    EXPECT_EQ(Working(GameFile::Items), before);
    EXPECT_EQ(items.selectionModel()->selectedIndexes().size(), 6);
}

TEST_F(RecordTableTest, ABlockWithOneBadCellWritesNothingAndNamesIt)
{
    RecordTableView& units = Units();
    const QByteArray before = Working(GameFile::Executable);
    asker.AcknowledgeError();
    PasteAt(units, 7, u"Time Units"_s, u"60\t40\t50\t70\tn/a\n60\t40\t50\t70\t30\n"_s);
    EXPECT_EQ(Working(GameFile::Executable), before);
    EXPECT_EQ(Stack().count(), 0);
    ASSERT_EQ(asker.ShownDialogs().size(), 1u);
    EXPECT_EQ(asker.ShownDialogs().back().text,
              u"Nothing was pasted. The prompts would refuse 1 cell:\n\nSectoid Soldier, Strength: \"n/a\" is not a number"_s);
}

// A paste may restore what the game holds past the form's limits, and says so; a copied
// header row of any of the table's columns is no row of values.
TEST_F(RecordTableTest, APasteTakesWhatAFieldStoresAndSkipsAHeaderRow)
{
    RecordTableView& units = Units();
    PasteAt(units, 7, u"Strength"_s, u"Health\tTime Units\n120\n"_s);
    EXPECT_EQ(Working(GameFile::Executable).at(480421 + 4), char(120));
    EXPECT_EQ(Stack().undoText(), u"Paste 1 cell"_s);
    EXPECT_EQ(window.statusBar()->currentMessage(),
              u"Pasted 1 changed cell; past the form's limits: Sectoid Soldier, Strength: 120 is above the limit 100 the form allows"_s);
}

TEST_F(RecordTableTest, ABlockRunningPastTheTableIsRefused)
{
    RecordTableView& units = Units();
    const QByteArray before = Working(GameFile::Executable);
    asker.AcknowledgeError().AcknowledgeError();
    PasteAt(units, 32, u"Time Units"_s, u"60\n60\n"_s);
    PasteAt(units, 0, u"Flying Ability"_s, u"Yes\tNo\n"_s);
    EXPECT_EQ(Working(GameFile::Executable), before);
    EXPECT_EQ(Stack().count(), 0);
    ASSERT_EQ(asker.ShownDialogs().size(), 2u);
    EXPECT_TRUE(asker.ShownDialogs()[0].text.contains(u"runs past the last row"_s));
    EXPECT_TRUE(asker.ShownDialogs()[1].text.contains(u"runs past the last column"_s));
}

// A copied column comes with its header, which a paste back passes over; values that stand
// as they are (a strength of 110, above the prompt's limit) are no refusal.
TEST_F(RecordTableTest, CopiedColumnsPasteBackUnchanged)
{
    RecordTableView& units = Units();
    const int strength = At(units, 0, u"Strength"_s).column();
    units.selectColumn(strength);
    units.Copy();
    const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n');
    EXPECT_EQ(lines.mid(0, 2), (QStringList{u"Strength"_s, u"40"_s}));
    EXPECT_EQ(lines[28], u"110"_s);

    Select(units, At(units, 0, u"Strength"_s));
    units.Paste();
    EXPECT_EQ(Stack().count(), 0);

    units.selectionModel()->select(QItemSelection(At(units, 7, u"Time Units"_s), At(units, 8, u"Health"_s)),
                                   QItemSelectionModel::ClearAndSelect);
    units.Copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"54\t30\n54\t30\n"_s);
}

TEST_F(RecordTableTest, SortingChangesTheViewOnlyAndPastesLandWhereTheyShow)
{
    RecordTableView& facilities = Table(u"tblFacilities"_s, u"Facility"_s);
    const QByteArray before = Working(GameFile::Executable);
    QHeaderView* header = facilities.horizontalHeader();
    const int cost = At(facilities, 0, u"Construction Cost/$k"_s).column();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(cost) + 5, 5));
    QAbstractItemModel& shown = *facilities.model();
    EXPECT_EQ(shown.index(0, 0).data().toString(), u"General Stores"_s);
    EXPECT_EQ(shown.index(16, cost).data().toString(), u"1,400"_s);  // by value, not as text
    EXPECT_EQ(Working(GameFile::Executable), before);
    EXPECT_EQ(Stack().count(), 0);

    Select(facilities, shown.index(0, cost));
    QGuiApplication::clipboard()->setText(u"175"_s);
    facilities.Paste();
    EXPECT_EQ(Stack().undoText(), u"Paste 1 cell"_s);
    EXPECT_EQ(Shown(facilities, 7, u"Construction Cost/$k"_s), u"175"_s);
}

TEST_F(RecordTableTest, FormAndTableShowEachOthersEditsAndTheTableMarksThem)
{
    drive::Choose(window, u"cmbUnit"_s, 7);
    asker.Answer(u"80"_s);
    drive::Click(window, u"cmdTU"_s);
    RecordTableView& units = Units();
    const QModelIndex tu = At(units, 7, u"Time Units"_s);
    EXPECT_EQ(tu.data().toString(), u"80"_s);
    EXPECT_EQ(tu.data(Qt::ToolTipRole).toString(), u"As loaded: 54"_s);
    EXPECT_TRUE(tu.data(Qt::FontRole).value<QFont>().bold());
    EXPECT_TRUE(tu.data(Qt::BackgroundRole).isValid());
    const QModelIndex health = At(units, 7, u"Health"_s);
    EXPECT_FALSE(health.data(Qt::ToolTipRole).isValid());
    EXPECT_FALSE(health.data(Qt::BackgroundRole).isValid());

    EXPECT_TRUE(units.model()->setData(health, u"44"_s));
    EXPECT_EQ(probe::TextOf(probe::Find<QObject>(window, u"cmdHealth"_s)), u"44"_s);

    RecordTableView& stores = Table(u"tblStores"_s, u"Stores"_s);
    EXPECT_TRUE(stores.model()->setData(At(stores, 17, u"Amount"_s), u"1500"_s));
    EXPECT_EQ(Shown(stores, 17, u"Amount"_s), u"1,500"_s);
    EXPECT_EQ(probe::Find<QListWidget>(window, u"lstItems"_s)->item(17)->text(), u"Pistols - 1500"_s);
}

TEST_F(RecordTableTest, CtrlCCopiesWhereTheFocusHoldsSomethingAndClosesTheFilesElsewhere)
{
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    RecordTableView& units = Units();
    units.setFocus();
    Select(units, At(units, 7, u"Time Units"_s));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"54\n"_s);
    EXPECT_TRUE(window.Document().HasExecutable());

    QGuiApplication::clipboard()->setText(u"60\t31\n"_s);
    drive::Trigger(window, u"mnuPaste"_s);
    EXPECT_EQ(Shown(units, 7, u"Health"_s), u"31"_s);
    Select(units, At(units, 7, u"Energy"_s));
    drive::Trigger(window, u"mnuCopy"_s);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"90\n"_s);

    // A list's selected row and a text field's selection copy too.
    drive::ShowTab(window, u"Base Editor"_s);
    drive::Click(window, u"optStoresForm"_s);
    auto* stores = probe::Find<QListWidget>(window, u"lstItems"_s);
    stores->setFocus();
    stores->setCurrentRow(2);
    QTest::keyClick(stores, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), stores->item(2)->text());
    drive::ShowTab(window, u"String Editor"_s);
    auto* find = probe::Find<QLineEdit>(window, u"txtFind"_s);
    find->setText(u"rifle"_s);
    find->setFocus();
    find->setSelection(0, 3);
    QTest::keyClick(find, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"rif"_s);
    find->clear();
    EXPECT_TRUE(window.Document().HasExecutable());

    // With nothing to copy it closes the files, after a question that says so. The tab
    // keys work from a combo box too.
    drive::ShowTab(window, u"Unit Editor"_s);
    drive::Click(window, u"optUnitForm"_s);
    probe::Find<QWidget>(window, u"cmbUnit"_s)->setFocus();
    auto* tabs = probe::Find<QTabWidget>(window, u"tabFac"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 4);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_4, Qt::AltModifier);
    EXPECT_EQ(tabs->currentIndex(), 3);
    probe::Find<QWidget>(window, u"cmbUnit"_s)->setFocus();
    asker.AnswerSaveDiscardCancel(Asker::Choice::Cancel).AnswerSaveDiscardCancel(Asker::Choice::Discard);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(window.Document().HasExecutable());
    EXPECT_EQ(asker.ShownDialogs().back().defaultAnswer, u"Save them before closing the files?"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::ControlModifier);
    probe::ExpectNoFiles(window);
}

} // namespace
