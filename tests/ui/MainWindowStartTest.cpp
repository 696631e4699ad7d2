// The main window as it opens: menus, tabs, every documented control, the fixed lists.
#include "WindowProbe.h"

#include "support/ScriptedAsker.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

class MainWindowStart : public ::testing::Test {
protected:
    ScriptedAsker asker;
    MainWindow window{asker};
};

TEST_F(MainWindowStart, OpensWithNoFiles)
{
    EXPECT_EQ(window.objectName(), u"frmMain"_s);
    EXPECT_EQ(window.windowTitle(), u"UFO.EXE Editor"_s);
    probe::ExpectNoFiles(window);
}

TEST_F(MainWindowStart, MenusCarryTheirCaptionsAndShortcuts)
{
    struct Item {
        QString name;
        QString caption;
        QString shortcut;
    };
    const Item items[] = {
        {u"mnuOpen"_s, u"L&oad Files"_s, u"Ctrl+O"_s},
        {u"mnuBack"_s, u"&Make Backups"_s, u"Ctrl+M"_s},
        {u"mnuMaster"_s, u"Make Master Backup"_s, u"Ctrl+B"_s},
        {u"mnuSave"_s, u"&Save"_s, u"Ctrl+S"_s},
        {u"mnuClose"_s, u"&C&lose files"_s, u"Ctrl+C"_s},
        {u"mnuExit"_s, u"E&xit"_s, u"Ctrl+F4"_s},
        {u"mnuAbout"_s, u"&About"_s, QString()},
    };
    for (const Item& item : items) {
        const auto* action = probe::Find<QAction>(window, item.name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), item.caption) << item.name.toStdString();
        EXPECT_EQ(action->shortcut().toString(QKeySequence::PortableText), item.shortcut) << item.name.toStdString();
        EXPECT_EQ(action->isCheckable(), item.name == u"mnuBack"_s) << item.name.toStdString();
    }

    const auto* file = probe::Find<QMenu>(window, u"mnuFile"_s);
    const auto* help = probe::Find<QMenu>(window, u"mnuHelp"_s);
    ASSERT_TRUE(file && help);
    EXPECT_EQ(file->title(), u"&File"_s);
    EXPECT_EQ(probe::Find<QMenu>(window, u"mnuRecent"_s)->title(), u"Open &Recent"_s);
    EXPECT_EQ(help->title(), u"&Help"_s);
    QStringList order;
    for (const QAction* action : file->actions())
        order << (action->isSeparator() ? u"-"_s : action->objectName());
    EXPECT_EQ(order, (QStringList{u"mnuOpen"_s, u"mnuRecent"_s, u"-"_s, u"mnuBack"_s, u"mnuMaster"_s, u"mnuSave"_s,
                                  u"mnuClose"_s, u"-"_s, u"mnuImportChanges"_s, u"mnuExportChanges"_s,
                                  u"mnuExportTables"_s, u"mnuImportTable"_s, u"-"_s, u"mnuExit"_s}));
}

TEST_F(MainWindowStart, TabsInOrder)
{
    const QTabWidget& tabs = probe::Tabs(window);
    const QStringList captions = {u"Base Editor"_s,  u"Facility Editor"_s, u"Soldier Names"_s,
                                  u"Unit Editor"_s, u"Item Editor"_s,     u"String Editor"_s};
    ASSERT_EQ(tabs.count(), captions.size());
    for (int index = 0; index < tabs.count(); ++index)
        EXPECT_EQ(tabs.tabText(index), captions[index]);
}

// Every documented control of the tabs: its kind, caption, tool tip, and whether it starts usable.
TEST_F(MainWindowStart, EveryControlIsThereAsDocumented)
{
    enum Start { Usable, Disabled, Hidden };
    struct Control {
        QString name;
        const QMetaObject* kind;
        QString text;
        QString toolTip;
        Start start = Usable;
    };
    // Tool tips whose wording is free, as long as they say what a click changes.
    const QString AnyText = u"*"_s;
    const QMetaObject* label = &QLabel::staticMetaObject;
    const QMetaObject* button = &QPushButton::staticMetaObject;
    const QMetaObject* frame = &QGroupBox::staticMetaObject;
    const QMetaObject* option = &QRadioButton::staticMetaObject;
    const QMetaObject* list = &QListWidget::staticMetaObject;
    const QMetaObject* combo = &QComboBox::staticMetaObject;
    const Control controls[] = {
        {u"Label1"_s, label, u"This is the base that will be built when a new game is started. "_s, {}},
        {u"frmChange"_s, frame, {}, {}, Hidden},
        {u"Label4"_s, label, u"Facility Type:"_s, {}},
        {u"Combo1"_s, combo, {}, u"Choose Facility Type"_s},
        {u"Label3"_s, label, u"Days Left:"_s, {}},
        {u"Combo2"_s, combo, {}, u"Choose Days To Completion"_s},
        {u"cmdApply"_s, button, u"&Apply"_s, {}},
        {u"cmdCancel"_s, button, u"&Cancel"_s, {}},
        {u"Label5"_s, label, u"Items in General Stores:"_s, {}},
        {u"lstItems"_s, list, {}, u"A list of every item at the starting base."_s, Disabled},
        {u"Label2"_s, label, u"Click on an item to edit the amount a player starts with."_s, {}},
        {u"lblVer"_s, label, {}, {}},
        {u"Label11"_s, label, u"Facility Name:"_s, {}},
        {u"cmbType"_s, combo, {}, {}, Disabled},
        {u"Label10"_s, label, u"Construction Cost/$k:"_s, {}},
        {u"Label9"_s, label, u"Monthly Cost/$k:"_s, {}},
        {u"Label8"_s, label, u"Construction Time:"_s, {}},
        {u"Label7"_s, label, u"Defense Strength:"_s, {}},
        {u"Label6"_s, label, u"Hit Ratio (%):"_s, {}},
        {u"cmdPrice"_s, button, {}, {}, Disabled},
        {u"cmdUpkeep"_s, button, {}, {}, Disabled},
        {u"cmdDays"_s, button, {}, {}, Disabled},
        {u"cmdStrength"_s, button, {}, {}, Disabled},
        {u"cmdRatio"_s, button, {}, {}, Disabled},
        {u"frmBuild"_s, frame, u"Standard to Build?:"_s, {}, Disabled},
        {u"optYes"_s, option, u"Yes"_s, {}, Disabled},
        {u"optNo"_s, option, u"No"_s, {}, Disabled},
        {u"lblName"_s, label,
         u"This is a list of all the default soldier names. Double Click to edit.\nI suggest using the same sex as "
         u"the first name already is or you'll have men with women's names and vice versa."_s,
         {}},
        {u"Label13"_s, label, u"First Names"_s, {}},
        {u"lstFirst"_s, list, {}, {}},
        {u"Label12"_s, label, u"Last Names"_s, {}},
        {u"lstLast"_s, list, {}, {}},
        {u"Label29"_s, label, u"Unit Name:"_s, {}},
        {u"cmbUnit"_s, combo, {}, {}},
        {u"cmdTU"_s, button, {}, {}, Disabled},
        {u"cmdHealth"_s, button, {}, {}, Disabled},
        {u"cmdEnrg"_s, button, {}, {}, Disabled},
        {u"cmdReac"_s, button, {}, {}, Disabled},
        {u"cmdStr"_s, button, {}, {}, Disabled},
        {u"cmdFirA"_s, button, {}, {}, Disabled},
        {u"cmdThrA"_s, button, {}, {}, Disabled},
        {u"cmdFrA"_s, button, {}, {}, Disabled},
        {u"cmdLefA"_s, button, {}, {}, Disabled},
        {u"cmdRigA"_s, button, {}, {}, Disabled},
        {u"cmdReaA"_s, button, {}, {}, Disabled},
        {u"cmdUndA"_s, button, {}, {}, Disabled},
        {u"cmdPsiSk"_s, button, {}, {}, Disabled},
        {u"cmdPsiSt"_s, button, {}, {}, Disabled},
        {u"cmdBrav"_s, button, {}, {}, Disabled},
        {u"Frame1"_s, frame, u"Flying Ability?:"_s, {}, Disabled},
        {u"optYesU"_s, option, u"Yes"_s, {}, Disabled},
        {u"optNoU"_s, option, u"No"_s, {}, Disabled},
        {u"Label42"_s, label, u"Double click on item to edit it."_s, {}},
        {u"lstItem"_s, list, {}, u"Click on item to view index number, double click to edit."_s},
        {u"Label39"_s, label, u"Index:"_s, {}},
        {u"lblIndex"_s, label, {}, {}},
        {u"cmdName"_s, button, {}, u"Click to change the name."_s, Disabled},
        {u"cmdDamage"_s, button, {}, u"Click to change the damage this item deals."_s, Disabled},
        {u"cmdAmmo1"_s, button, {}, u"Change Ammo Type 1. Use index number of Ammo item."_s, Disabled},
        {u"cmdAmmo2"_s, button, {}, u"Change Ammo Type 2. Use index number of Ammo item."_s, Disabled},
        {u"cmdAmmo3"_s, button, {}, u"Change Ammo Type 3. Use index number of Ammo item."_s, Disabled},
        {u"cmdAutoA"_s, button, {}, AnyText, Disabled},
        {u"cmdSnapA"_s, button, {}, AnyText, Disabled},
        {u"cmdAimA"_s, button, {}, AnyText, Disabled},
        {u"cmdAutoT"_s, button, {}, AnyText, Disabled},
        {u"cmdSnapT"_s, button, {}, AnyText, Disabled},
        {u"cmdAimT"_s, button, {}, AnyText, Disabled},
        {u"Frame2"_s, frame, u"Damage Type"_s, {}, Disabled},
        {u"optAP"_s, option, u"AP"_s, {}, Disabled},
        {u"optIN"_s, option, u"Incendiary"_s, {}, Disabled},
        {u"optHE"_s, option, u"HE"_s, {}, Disabled},
        {u"optLaser"_s, option, u"Laser"_s, {}, Disabled},
        {u"optPlasma"_s, option, u"Plasma"_s, {}, Disabled},
        {u"optStun"_s, option, u"Stun"_s, {}, Disabled},
        {u"optNone"_s, option, u"None"_s, {}, Disabled},
        {u"lblStringStuff"_s, label,
         u"Click on a string to view it's contents.\nDouble click on a string to edit it."_s, {}},
        {u"Label44"_s, label, u"ENGLISH.DAT:"_s, {}},
        {u"lstEng1"_s, &QListView::staticMetaObject, {},
         u"A list of strings in English.dat. Click to display text. Double click to edit."_s},
        {u"Label43"_s, label, u"ENGLISH2.DAT:"_s, {}},
        {u"lstEng2"_s, &QListView::staticMetaObject, {},
         u"A list of strings in English2.dat. Click to display text. Double click to edit."_s},
        {u"lblStrShow"_s, &QPlainTextEdit::staticMetaObject, {},
         u"This displays the string you currently have selected."_s},
        {u"frmStr"_s, frame, u"Frame1"_s, {}, Hidden},
        {u"Text1"_s, &QLineEdit::staticMetaObject, {}, {}},
        {u"cmdApplyStr"_s, button, u"&Apply"_s, {}},
        {u"cmdCancelStr"_s, button, u"&Cancel"_s, {}},
    };
    const QTabWidget& tabs = probe::Tabs(window);
    for (const Control& control : controls) {
        SCOPED_TRACE(control.name.toStdString());
        const QList<QWidget*> found = tabs.findChildren<QWidget*>(control.name);
        ASSERT_EQ(found.size(), 1);
        const QWidget* widget = found.front();
        EXPECT_TRUE(widget->inherits(control.kind->className())) << widget->metaObject()->className();
        EXPECT_EQ(probe::TextOf(widget), control.text);
        if (control.toolTip == AnyText)
            EXPECT_TRUE(widget->toolTip().startsWith(u"Click to change the "_s));
        else
            EXPECT_EQ(widget->toolTip(), control.toolTip);
        EXPECT_EQ(widget->isHidden(), control.start == Hidden);
        // Judged within the tab, since the whole tab strip starts disabled.
        EXPECT_EQ(widget->isEnabledTo(&const_cast<QTabWidget&>(tabs)), control.start != Disabled);
        EXPECT_EQ(widget->font().families().value(0), u"Terminal"_s);
    }
}

// CommandN stands in column (N - 1) / 6 and row (N - 1) % 6.
TEST_F(MainWindowStart, GridIsFilledColumnByColumn)
{
    window.resize(1200, 800);
    window.show();
    const QTabWidget& tabs = probe::Tabs(window);
    const auto position = [&](int number) {
        return probe::Find<QPushButton>(tabs, u"Command%1"_s.arg(number))->geometry().center();
    };
    EXPECT_EQ(position(1).y(), position(7).y());
    EXPECT_LT(position(1).x(), position(7).x());
    EXPECT_EQ(position(1).x(), position(2).x());
    EXPECT_LT(position(1).y(), position(2).y());
    EXPECT_EQ(position(6).x(), position(1).x());
    EXPECT_EQ(position(31).y(), position(1).y());
    EXPECT_EQ(position(36).x(), position(31).x());
    EXPECT_EQ(position(36).y(), position(6).y());
    EXPECT_GT(position(36).x(), position(30).x());
}

TEST_F(MainWindowStart, FixedListsAreFilled)
{
    const QTabWidget& tabs = probe::Tabs(window);

    const auto* facilities = probe::Find<QComboBox>(tabs, u"Combo1"_s);
    ASSERT_EQ(facilities->count(), 21);
    EXPECT_EQ(facilities->itemText(0), u"Access Lift"_s);
    EXPECT_EQ(facilities->itemText(4), u"Small Radar System"_s);
    EXPECT_EQ(facilities->itemText(16), u"Hangar (Top Left)"_s);
    EXPECT_EQ(facilities->itemText(19), u"Hangar (Bottom Right)"_s);
    EXPECT_EQ(facilities->itemText(20), u"Empty"_s);
    EXPECT_EQ(facilities->currentText(), u"Access Lift"_s);

    const auto* days = probe::Find<QComboBox>(tabs, u"Combo2"_s);
    ASSERT_EQ(days->count(), 48);
    EXPECT_EQ(days->itemText(0), u"0 Days"_s);
    EXPECT_EQ(days->itemText(1), u"1 Day"_s);
    EXPECT_EQ(days->itemText(2), u"2 Days"_s);
    EXPECT_EQ(days->itemText(46), u"46 Days"_s);
    EXPECT_EQ(days->itemText(47), u"255 Days"_s);
    EXPECT_EQ(days->currentText(), u"0 Days"_s);

    struct Choice {
        QString list;
        int count;
        int index;
        QString text;
    };
    const Choice choices[] = {
        {u"cmbType"_s, 17, 0, u"Access Lift"_s},      {u"cmbType"_s, 17, 9, u"Laser Defense"_s},
        {u"cmbType"_s, 17, 15, u"Hyper-wave Decoder"_s}, {u"cmbType"_s, 17, 16, u"Hangar"_s},
        {u"cmbUnit"_s, 33, 0, u"Floater Soldier"_s},  {u"cmbUnit"_s, 33, 7, u"Sectoid Soldier"_s},
        {u"cmbUnit"_s, 33, 24, u"Tank"_s},            {u"cmbUnit"_s, 33, 32, u"Hover Tank"_s},
    };
    for (const Choice& choice : choices) {
        const auto* list = probe::Find<QComboBox>(tabs, choice.list);
        EXPECT_EQ(list->count(), choice.count) << choice.list.toStdString();
        EXPECT_EQ(list->currentIndex(), -1) << choice.list.toStdString();
        EXPECT_EQ(list->itemText(choice.index), choice.text);
        EXPECT_EQ(list->itemData(choice.index).toInt(), choice.index) << choice.text.toStdString();
    }
}

} // namespace
