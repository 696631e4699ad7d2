// The "Base Editor" tab on sample installs: the grid and its change frame, the stores list
// and its double-click edits, each checked in the executable that Save writes.
#include "WindowProbe.h"

#include "core/ByteAccess.h"
#include "support/InstallFixture.h"
#include "support/ScriptedAsker.h"
#include "support/TestFiles.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <map>

using namespace Qt::StringLiterals;

namespace {

using Bytes = std::map<qsizetype, std::uint8_t>;

const QString PersonnelPrompt = u"Enter the amount you would like to have.\n(Remember, this cannot exceed 250)."_s;
const QString AmountPrompt = u"Enter the amount you would like to have.\n(Remember, this cannot exceed 28,671)."_s;

class BaseEditor : public testing::TestWithParam<GameVersion> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(install.IsValid());
        original = testfiles::Read(install.Paths().exePath).value_or(QByteArray());
    }

    // Loads the install with these bytes set in its executable first.
    void Load(const Bytes& patch = {})
    {
        for (const auto& [offset, value] : patch)
            bytes::WriteU8(original, offset, value);
        ASSERT_TRUE(testfiles::Overwrite(install.Paths().exePath, original));
        (void)window.LoadFrom(install.Paths().exePath);
        window.show();
        list = Control<QListWidget>(u"lstItems"_s);
        ASSERT_NE(list, nullptr);
    }

    template <typename T>
    T* Control(const QString& name) { return probe::Find<T>(probe::Tabs(window), name); }
    void Click(const QString& name) { QTest::mouseClick(Control<QPushButton>(name), Qt::LeftButton); }
    void ClickCell(int number) { Click(u"Command%1"_s.arg(number)); }
    QString Cell(int number) { return Control<QPushButton>(u"Command%1"_s.arg(number))->text(); }
    void Choose(const QString& name, int index)
    {
        auto* combo = Control<QComboBox>(name);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    // As the window system delivers it: press, release, double-click, release.
    void DoubleClick(int line)
    {
        list->scrollToItem(list->item(line));
        const QPoint at = list->visualItemRect(list->item(line)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    }
    QString Line(int line) const { return list->item(line) ? list->item(line)->text() : QString(); }
    // A mark only the lines as they are now carry; a rebuilt list has lost it.
    void MarkLines() const { list->item(0)->setData(Qt::UserRole, true); }
    bool Rebuilt() const { return !list->item(0)->data(Qt::UserRole).toBool(); }

    // Saves, and gives every byte of the executable on disk that differs from the loaded one.
    Bytes SavedChanges()
    {
        window.findChild<QAction*>(u"mnuSave"_s)->trigger();
        const QByteArray saved = testfiles::Read(install.Paths().exePath).value_or(QByteArray());
        EXPECT_EQ(saved.size(), original.size());
        Bytes changes;
        for (qsizetype i = 0; i < std::min(saved.size(), original.size()); ++i) {
            if (saved[i] != original[i])
                changes[i] = bytes::ReadU8(saved, i);
        }
        return changes;
    }

    InstallFixture install{GetParam()};
    QByteArray original;
    ScriptedAsker asker;
    MainWindow window{asker};
    QListWidget* list = nullptr;
};

// Buttons are numbered down the columns, cells along the rows.
TEST_P(BaseEditor, EachGridButtonWritesItsOwnCell)
{
    const std::map<GameVersion, std::array<std::pair<qsizetype, qsizetype>, 4>> cells = {
        {GameVersion::CollectorsEdition, {{{455134, 455170}, {455135, 455171}, {455140, 455176}, {455169, 455205}}}},
        {GameVersion::Dos12, {{{391894, 391930}, {391895, 391931}, {391900, 391936}, {391929, 391965}}}},
        {GameVersion::Dos14, {{{373886, 373922}, {373887, 373923}, {373892, 373928}, {373921, 373957}}}},
    };
    const int buttons[] = {1, 7, 2, 36};
    Load();
    Bytes expected;
    for (std::uint8_t i = 0; i < 4; ++i) {
        ClickCell(buttons[i]);
        Choose(u"Combo1"_s, i + 1);  // Living Quarters, Laboratory, ...
        Choose(u"Combo2"_s, i + 11);
        Click(u"cmdApply"_s);
        expected[cells.at(GetParam())[i].first] = i + 1;
        expected[cells.at(GetParam())[i].second] = i + 11;
    }
    EXPECT_EQ(SavedChanges(), expected);
    EXPECT_EQ(Cell(2), u"Workshop\n13 Days"_s);
}

TEST_P(BaseEditor, StoresListAndAnAmountEdit)
{
    struct Edit {
        int line;
        QString before, answer;
        qsizetype low;
        std::uint8_t lowByte, highByte;
        QString shown;
    };
    const std::map<GameVersion, Edit> edits = {
        {GameVersion::CollectorsEdition, {17, u"2"_s, u"300"_s, 455238, 0x2C, 0x01, u"Pistols - 300"_s}},
        {GameVersion::Dos12, {5, u"0"_s, u"1,000"_s, 391974, 0xE8, 0x03, u"Fusion Ball Launchers - 1000"_s}},
        {GameVersion::Dos14, {83, u"0"_s, u"28671"_s, 374150, 0xFF, 0x6F, u"HWP Fusion Bombs - 28671"_s}},
    };
    const Edit edit = edits.at(GetParam());
    Load();
    ASSERT_EQ(list->count(), 84);
    for (const auto& [line, text] : {std::pair{0, u"Engineers - 10"_s}, {1, u"Scientists - 10"_s},
                                     {44, u"Electro Flares - 0"_s}, {45, u"Heavy Plasma - 0"_s},
                                     {52, u"Blaseter Bombs - 0"_s}, {83, u"HWP Fusion Bombs - 0"_s}})
        EXPECT_EQ(Line(line), text);

    asker.Answer(u"30,000"_s).Answer(edit.answer);
    DoubleClick(edit.line);
    ASSERT_EQ(asker.ShownDialogs().size(), 2u);
    EXPECT_EQ(asker.ShownDialogs()[0].text, AmountPrompt);
    EXPECT_EQ(asker.ShownDialogs()[0].title, u"Change Amount"_s);
    EXPECT_EQ(asker.ShownDialogs()[0].defaultAnswer, edit.before);
    EXPECT_EQ(Line(edit.line), edit.shown);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_EQ(SavedChanges(), (Bytes{{edit.low, edit.lowByte}, {edit.low + 1, edit.highByte}}));
}

// Every line edited: only the block's listed bytes change, never the fourteen unused fields.
TEST_P(BaseEditor, EditingEveryLineLeavesTheUnusedFieldsAlone)
{
    const std::map<GameVersion, qsizetype> blockStart = {
        {GameVersion::CollectorsEdition, 455206}, {GameVersion::Dos12, 391966}, {GameVersion::Dos14, 373958}};
    const qsizetype start = blockStart.at(GetParam());
    Load();
    for (int line = 0; line < 84; ++line) {
        asker.Answer(u"%1"_s.arg(200 + line % 50));
        DoubleClick(line);
        EXPECT_EQ(Line(line).section(u" - "_s, -1), u"%1"_s.arg(200 + line % 50));
    }
    const Bytes changes = SavedChanges();
    ASSERT_FALSE(changes.empty());
    for (const int field : {43, 44, 45, 46, 47, 48, 62, 63, 64, 76, 77, 78, 79, 82}) {
        EXPECT_FALSE(changes.contains(start + 2 + 2 * field) || changes.contains(start + 3 + 2 * field)) << field;
    }
    EXPECT_GE(changes.begin()->first, start);
    EXPECT_LT(changes.rbegin()->first, start + 194);
}

INSTANTIATE_TEST_SUITE_P(AllBuilds, BaseEditor,
                         testing::Values(GameVersion::CollectorsEdition, GameVersion::Dos12, GameVersion::Dos14),
                         [](const auto& info) { return gameversion::ShortName(info.param).toStdString(); });

class BaseEditorCe : public BaseEditor {};

// Command1: code 4 / 1 day; Command7: empty; Command2: unknown code 20; Command8: 100 days.
const Bytes Unusual = {{455134, 4},  {455170, 1}, {455135, 255}, {455171, 255},
                       {455140, 20}, {455176, 5}, {455141, 1},   {455177, 100}};

TEST_P(BaseEditorCe, CellsShowTheirOwnValuesEvenWithoutAnEntry)
{
    Load(Unusual);
    EXPECT_EQ(Cell(1), u"Small\nRadar System\n1 Day"_s);
    EXPECT_EQ(Cell(7), u"Empty\n255 Days"_s);
    EXPECT_EQ(Cell(2), u"\n5 Days"_s);
    EXPECT_EQ(Cell(8), u"Living Quarters\n100 Days"_s);

    auto* frame = Control<QGroupBox>(u"frmChange"_s);
    for (const auto& [number, name, days] : {std::tuple{1, u"Small Radar System"_s, u"1 Day"_s},
                                             {2, QString(), u"5 Days"_s}, {8, u"Living Quarters"_s, u"100 Days"_s}}) {
        ClickCell(number);
        EXPECT_TRUE(frame->isVisible());
        EXPECT_EQ(frame->title(), name);
        EXPECT_EQ(Control<QComboBox>(u"Combo1"_s)->currentText(), name);
        EXPECT_EQ(Control<QComboBox>(u"Combo2"_s)->currentText(), days);
    }
    Click(u"cmdApply"_s);  // showing a cell is no choice: its values go back unchanged
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(Control<QComboBox>(u"Combo1"_s)->currentText(), u"Access Lift"_s);
    EXPECT_EQ(Control<QComboBox>(u"Combo2"_s)->currentText(), u"0 Days"_s);
    EXPECT_EQ(SavedChanges(), Bytes());
}

TEST_P(BaseEditorCe, ApplyFollowsTheChoicesAndCancelWritesNothing)
{
    Load(Unusual);
    ClickCell(8);  // Empty forces 255 days
    Choose(u"Combo1"_s, 20);
    Choose(u"Combo2"_s, 5);
    Click(u"cmdApply"_s);
    ClickCell(1);
    Choose(u"Combo1"_s, 0);
    Choose(u"Combo2"_s, 47);
    Click(u"cmdApply"_s);
    ClickCell(7);
    Choose(u"Combo1"_s, 16);
    Click(u"cmdCancel"_s);
    EXPECT_FALSE(Control<QGroupBox>(u"frmChange"_s)->isVisible());
    EXPECT_EQ(Cell(8), u"Empty\n255 Days"_s);
    EXPECT_EQ(Cell(7), u"Empty\n255 Days"_s);
    EXPECT_EQ(SavedChanges(), (Bytes{{455141, 255}, {455177, 255}, {455134, 0}, {455170, 255}}));
}

// Command8 stands in row 2, column 2. The keyboard alone edits a cell: Tab walks the grid
// row by row and on into the frame, Return applies, Escape cancels.
TEST_P(BaseEditorCe, TheFrameNamesItsCellAndTakesTheKeys)
{
    Load(Unusual);
    EXPECT_EQ(Control<QPushButton>(u"Command8"_s)->accessibleName(), u"R2C2: Living Quarters, 100 Days"_s);
    EXPECT_EQ(Control<QPushButton>(u"Command1"_s)->toolTip(), u"Small\nRadar System\n1 Day"_s);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const auto tabFrom = [this](const QString& name) {
        Control<QWidget>(name)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    };
    EXPECT_EQ(tabFrom(u"Command1"_s), u"Command7"_s);
    EXPECT_EQ(tabFrom(u"Command31"_s), u"Command2"_s);

    ClickCell(8);
    EXPECT_EQ(Control<QLabel>(u"lblCell"_s)->text(), u"Cell R2C2"_s);
    EXPECT_EQ(tabFrom(u"Command36"_s), u"Combo1"_s);
    Choose(u"Combo1"_s, 20);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(Control<QGroupBox>(u"frmChange"_s)->isVisible());
    EXPECT_EQ(Cell(8), u"Empty\n255 Days"_s);

    ClickCell(1);
    Choose(u"Combo1"_s, 20);
    Control<QWidget>(u"Combo2"_s)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(Control<QGroupBox>(u"frmChange"_s)->isVisible());
    EXPECT_EQ(SavedChanges(), (Bytes{{455141, 255}, {455177, 255}}));
}

TEST_P(BaseEditorCe, PersonnelAskedUnderTwoHundredFifty)
{
    Load();
    probe::Tabs(window).setCurrentIndex(2);  // the edit brings the stores' tab to the front
    asker.Answer(u"251"_s).Answer(u"-3"_s).Answer(u"250"_s);
    DoubleClick(0);
    asker.Answer(u"250.5"_s).Answer(u"250.4"_s).Answer(u"1,5"_s);
    DoubleClick(1);
    ASSERT_EQ(asker.ShownDialogs().size(), 6u);
    EXPECT_EQ(asker.ShownDialogs()[0].text, PersonnelPrompt);
    EXPECT_EQ(asker.ShownDialogs()[0].defaultAnswer, u"10"_s);
    EXPECT_EQ(Line(0), u"Engineers - 250"_s);
    EXPECT_EQ(Line(1), u"Scientists - 1"_s);
    EXPECT_EQ(probe::Tabs(window).currentIndex(), 0);
    EXPECT_EQ(SavedChanges(), (Bytes{{455206, 250}, {455207, 1}}));
}

TEST_P(BaseEditorCe, CancelKeepsThePersonnelLineButRebuildsAfterAnItem)
{
    Load();
    MarkLines();
    probe::Tabs(window).setCurrentIndex(2);
    asker.Answer(QString());
    DoubleClick(0);
    EXPECT_FALSE(Rebuilt());
    EXPECT_EQ(list->selectedItems(), QList<QListWidgetItem*>{list->item(0)});
    EXPECT_EQ(probe::Tabs(window).currentIndex(), 2);

    asker.Answer(QString());
    DoubleClick(17);
    EXPECT_TRUE(Rebuilt());
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_EQ(probe::Tabs(window).currentIndex(), 0);

    MarkLines();  // a double-click with no line selected asks nothing
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(4, 4), list->viewport()->mapToGlobal(QPointF(4, 4)),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &doubleClick);
    EXPECT_TRUE(Rebuilt());
    EXPECT_EQ(asker.ShownDialogs().size(), 2u);
    EXPECT_EQ(SavedChanges(), Bytes());
}

TEST_P(BaseEditorCe, FusionBallLaunchersLeaveLaserCannonsAlone)
{
    Load({{455214, 0x2C}, {455215, 0x01}, {455216, 0xFF}, {455217, 0xFF}});
    EXPECT_EQ(Line(6), u"Laser Cannons - 65535"_s);
    asker.Answer(u"7"_s);
    DoubleClick(5);
    ASSERT_EQ(asker.ShownDialogs().size(), 1u);
    EXPECT_EQ(asker.ShownDialogs().front().defaultAnswer, u"300"_s);
    EXPECT_EQ(Line(5), u"Fusion Ball Launchers - 7"_s);
    EXPECT_EQ(Line(6), u"Laser Cannons - 65535"_s);
    EXPECT_EQ(SavedChanges(), (Bytes{{455214, 7}, {455215, 0}}));
}

// The keyboard reaches what the double-click does, and each key edits once.
TEST_P(BaseEditorCe, ReturnAndEnterEditTheSelectedLine)
{
    Load();
    asker.Answer(u"12"_s).Answer(u"300"_s);
    probe::PressKeyOn(list, 0, Qt::Key_Return);
    probe::PressKeyOn(list, 17, Qt::Key_Enter);
    EXPECT_EQ(asker.ShownDialogs().size(), 2u);
    EXPECT_EQ(Line(0), u"Engineers - 12"_s);
    EXPECT_EQ(Line(17), u"Pistols - 300"_s);
    EXPECT_EQ(SavedChanges(), (Bytes{{455206, 12}, {455238, 0x2C}, {455239, 0x01}}));
}

// The game file gets the edits, its backup the file as loaded.
TEST_P(BaseEditorCe, SaveWritesTheEditsAndBacksUpTheLoadedFile)
{
    Load();
    ClickCell(7);
    Choose(u"Combo1"_s, 14);
    Choose(u"Combo2"_s, 3);
    Click(u"cmdApply"_s);
    asker.Answer(u"1500"_s);
    DoubleClick(17);
    EXPECT_EQ(SavedChanges(), (Bytes{{455135, 14}, {455171, 3}, {455238, 0xDC}, {455239, 0x05}}));
    EXPECT_EQ(testfiles::Read(install.Paths().exePath + u".bak"_s), original);
}

INSTANTIATE_TEST_SUITE_P(CollectorsEdition, BaseEditorCe, testing::Values(GameVersion::CollectorsEdition),
                         [](const auto& info) { return gameversion::ShortName(info.param).toStdString(); });

} // namespace
