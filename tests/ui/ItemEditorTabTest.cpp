// The "Item Editor" tab on an item table in memory: list, choosing, numeric edits,
// damage types and renaming, checked byte by byte.
#include "WindowProbe.h"

#include "core/GameFileSet.h"
#include "sample/SampleInstall.h"
#include "support/ScriptedAsker.h"
#include "ui/tabs/ItemEditorTab.h"

#include <QLabel>
#include <QListWidget>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <set>

using namespace Qt::StringLiterals;

namespace {

const QString Ammo79Prompt =
    u"Enter the amount you would like to have.\n(Remember, the number cannot exceed 79).\n"
    "This corresponds with the index number displayed below the list. An index of 255 means no ammo.\n"
    "I suggest only changing this for a weapon and only using actual ammo indexes."_s;
const QString NamePrompt = u"What would you like the new name to be?\n(remember it cannot exceed 20 characters)"_s;

void Put(QByteArray& table, qsizetype offset, const QByteArray& bytes)
{
    table.replace(offset, bytes.size(), bytes);
}

// The sample table with the names and codes the documented edge cases need.
QByteArray EdgeCaseTable()
{
    QByteArray table = sample::ItemFile();
    Put(table, 0, "ABCDEFGHIJKLMNOPQR\xE9\x80");          // 20 bytes, none zero, two above 0x7F
    Put(table, 54, QByteArray("\0HIDDEN NAME", 12));      // record 1: starts with zero
    Put(table, 108 + 6, "BEHIND");                        // record 2: "RIFLE", zero, then text
    table[20 * 54 + 31] = 7;                              // record 20: a code without an option
    return table;
}

class ItemEditorTabTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GameFileSet loaded;
        loaded.ItemTable.Accept(EdgeCaseTable(), u"obdata.dat"_s, u"."_s);
        document.Adopt(loaded);
        tab.resize(900, 700);
        tab.show();
        tab.FillItemList();
    }

    QListWidget& List() { return *probe::Find<QListWidget>(tab, u"lstItem"_s); }
    QPushButton& Button(const QString& name) { return *probe::Find<QPushButton>(tab, name); }
    QString Text(const QString& name) { return probe::TextOf(tab.findChild<QObject*>(name)); }
    std::uint8_t Byte(qsizetype offset) const { return std::uint8_t(files.ItemTable.working.at(offset)); }

    void Click(int row)
    {
        QListWidgetItem* item = List().item(row);
        List().scrollToItem(item);
        QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, List().visualItemRect(item).center());
    }

    void Choose(int row)
    {
        Click(row);
        QTest::mouseDClick(List().viewport(), Qt::LeftButton, {}, List().visualItemRect(List().item(row)).center());
    }

    GameDocument document;
    const GameFileSet& files = document.Files();
    EditHistory history{document};
    ScriptedAsker asker;
    EditorContext context{document, history, asker, {}, {}};
    ItemEditorTab tab{context};
};

const QStringList ValueButtons = {u"cmdName"_s,  u"cmdDamage"_s, u"cmdAmmo1"_s, u"cmdAmmo2"_s,
                                  u"cmdAmmo3"_s, u"cmdAutoA"_s,  u"cmdSnapA"_s, u"cmdAimA"_s,
                                  u"cmdAutoT"_s, u"cmdSnapT"_s,  u"cmdAimT"_s};

TEST_F(ItemEditorTabTest, ListShowsEachNameUpToItsFirstZeroByte)
{
    ASSERT_EQ(List().count(), 80);
    const std::pair<int, QString> entries[] = {
        {0, u"ABCDEFGHIJKLMNOPQR\u00E9\u20AC"_s}, {1, QString()}, {2, u"RIFLE"_s},
        {32, u"CORPSE & ARMOUR"_s}, {79, u"civilian F"_s},
    };
    for (const auto& [row, name] : entries)
        EXPECT_EQ(List().item(row)->text(), name) << row;
}

TEST_F(ItemEditorTabTest, ClickShowsTheIndexAndChoosesNothing)
{
    EXPECT_EQ(Text(u"lblIndex"_s), QString());
    Click(79);
    EXPECT_EQ(Text(u"lblIndex"_s), u"79"_s);
    for (const QString& name : ValueButtons) {
        EXPECT_FALSE(Button(name).isEnabled()) << name.toStdString();
        EXPECT_EQ(Button(name).text(), QString()) << name.toStdString();
    }
    EXPECT_FALSE(probe::Find<QWidget>(tab, u"Frame2"_s)->isEnabled());

    List().clearSelection();
    emit List().itemDoubleClicked(List().item(79));
    EXPECT_FALSE(Button(u"cmdDamage"_s).isEnabled());
}

// Some desktops activate an entry on a single click; there a click still only shows the index.
class ActivateOnSingleClick final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override
    {
        if (hint == SH_ItemView_ActivateItemOnSingleClick)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

TEST_F(ItemEditorTabTest, ReturnChoosesTheSelectedItemAndAClickNever)
{
    ActivateOnSingleClick style;
    List().setStyle(&style);
    Click(79);
    EXPECT_FALSE(Button(u"cmdDamage"_s).isEnabled());

    probe::PressKeyOn(&List(), 4, Qt::Key_Return);
    EXPECT_TRUE(Button(u"cmdDamage"_s).isEnabled());
    EXPECT_EQ(Button(u"cmdName"_s).text(), u"HEAVY CANNON"_s);
    List().setStyle(nullptr);
}

TEST_F(ItemEditorTabTest, DoubleClickEnablesAndShowsTheRecord)
{
    Choose(4);  // HEAVY CANNON
    const QStringList shown = {u"HEAVY CANNON"_s, u"0"_s, u"5"_s, u"6"_s, u"7"_s, u"0"_s,
                               u"60"_s,           u"90"_s, u"0"_s, u"33"_s, u"80"_s};
    for (qsizetype i = 0; i < ValueButtons.size(); ++i) {
        EXPECT_TRUE(Button(ValueButtons[i]).isEnabled()) << ValueButtons[i].toStdString();
        EXPECT_EQ(Button(ValueButtons[i]).text(), shown[i]) << ValueButtons[i].toStdString();
    }
    EXPECT_TRUE(probe::Find<QWidget>(tab, u"Frame2"_s)->isEnabled());
    EXPECT_TRUE(probe::Find<QRadioButton>(tab, u"optNone"_s)->isChecked());

    Choose(0);
    EXPECT_EQ(Button(u"cmdName"_s).text(), u"ABCDEFGHIJKLMNOPQR\u00E9\u20AC"_s);
    Choose(1);
    EXPECT_EQ(Button(u"cmdName"_s).text(), QString());
    Choose(32);  // "&" is shown, not taken for a shortcut
    EXPECT_EQ(Button(u"cmdName"_s).text(), u"CORPSE && ARMOUR"_s);
    EXPECT_EQ(files.ItemTable.working, files.ItemTable.pristine);
}

TEST_F(ItemEditorTabTest, DamageTypeShowsWithoutWritingAndAClickWrites)
{
    const std::pair<int, QString> steps[] = {
        {1, u"optAP"_s}, {0, u"optNone"_s}, {20, u"optNone"_s}, {6, u"optHE"_s}, {20, u"optHE"_s},
    };
    for (const auto& [row, checked] : steps) {
        Choose(row);
        for (QRadioButton* radio : tab.findChildren<QRadioButton*>())
            EXPECT_EQ(radio->isChecked(), radio->objectName() == checked) << row << radio->objectName().toStdString();
    }
    EXPECT_EQ(files.ItemTable.working, files.ItemTable.pristine);

    Choose(79);
    const std::pair<QString, int> clicks[] = {{u"optAP"_s, 0}, {u"optStun"_s, 5}, {u"optNone"_s, 255}};
    for (const auto& [name, code] : clicks) {
        probe::Find<QRadioButton>(tab, name)->click();
        EXPECT_EQ(Byte(4297), code) << name.toStdString();
    }
}

TEST_F(ItemEditorTabTest, AmmoAcceptsOnlyRecordIndexes)
{
    Choose(0);  // ammo 1, 255, 255
    asker.Answer(u"255"_s).Answer(u"80"_s).Answer(u"79"_s);
    Button(u"cmdAmmo2"_s).click();
    ASSERT_EQ(asker.ShownDialogs().size(), 3u);
    for (const ScriptedAsker::Shown& shown : asker.ShownDialogs()) {
        EXPECT_EQ(shown.title, u"Change Amount"_s);
        EXPECT_EQ(shown.text, Ammo79Prompt);
        EXPECT_EQ(shown.defaultAnswer, u"255"_s);
    }
    EXPECT_EQ(Byte(27), 79);
    EXPECT_EQ(Button(u"cmdAmmo2"_s).text(), u"79"_s);
}

TEST_F(ItemEditorTabTest, EachNumericButtonWritesItsOwnByteWithinItsLimit)
{
    Choose(79);  // bytes 4266 to 4319
    struct Edit {
        QString button;
        QStringList answers;
        qsizetype offset;
        int written;
    };
    const Edit edits[] = {
        {u"cmdDamage"_s, {u"256"_s, u"255"_s}, 4288, 255}, {u"cmdAmmo1"_s, {u"12"_s}, 4292, 12},
        {u"cmdAmmo3"_s, {u"0"_s}, 4294, 0},                {u"cmdAutoA"_s, {u"200"_s}, 4298, 200},
        {u"cmdSnapA"_s, {u"1"_s}, 4299, 1},                {u"cmdAimA"_s, {u"254.5"_s}, 4300, 254},
        {u"cmdAutoT"_s, {u"101"_s, u"100"_s}, 4301, 100},  {u"cmdSnapT"_s, {u"99"_s}, 4302, 99},
        {u"cmdAimT"_s, {u"7"_s}, 4303, 7},
    };
    for (const Edit& edit : edits) {
        const QByteArray before = files.ItemTable.working;
        for (const QString& answer : edit.answers)
            asker.Answer(answer);
        Button(edit.button).click();
        EXPECT_EQ(Byte(edit.offset), edit.written) << edit.button.toStdString();
        EXPECT_EQ(Button(edit.button).text(), QString::number(edit.written));
        QByteArray expected = before;
        expected[edit.offset] = char(edit.written);
        EXPECT_EQ(files.ItemTable.working, expected) << edit.button.toStdString();
    }
}

TEST_F(ItemEditorTabTest, RenameWritesTwentyZeroPaddedBytes)
{
    Choose(2);  // "RIFLE", a zero, then "BEHIND"
    asker.Answer(u"Rifle"_s);
    Button(u"cmdName"_s).click();
    EXPECT_EQ(files.ItemTable.working.mid(108, 20), QByteArray("Rifle") + QByteArray(15, '\0'));
    ASSERT_EQ(asker.ShownDialogs().size(), 1u);
    EXPECT_EQ(asker.ShownDialogs()[0].title, u"New Name"_s);
    EXPECT_EQ(asker.ShownDialogs()[0].text, NamePrompt);
    EXPECT_EQ(asker.ShownDialogs()[0].defaultAnswer, u"RIFLE"_s);

    asker.Answer(u"ABCDEFGHIJKLMNOPQRSTU"_s).Answer(u"ABCDEFGHIJKLMNOPQRS\u00E9"_s);
    Button(u"cmdName"_s).click();
    EXPECT_EQ(asker.ShownDialogs().size(), 3u);
    EXPECT_EQ(asker.ShownDialogs()[2].defaultAnswer, u"Rifle"_s);
    EXPECT_EQ(files.ItemTable.working.mid(108, 20), QByteArray("ABCDEFGHIJKLMNOPQRS\xE9"));
    EXPECT_EQ(Button(u"cmdName"_s).text(), u"ABCDEFGHIJKLMNOPQRS\u00E9"_s);

    ASSERT_EQ(List().count(), 80);
    EXPECT_EQ(List().item(2)->text(), u"ABCDEFGHIJKLMNOPQRS\u00E9"_s);
    EXPECT_EQ(List().item(3)->text(), u"RIFLE CLIP"_s);
    EXPECT_TRUE(List().selectedItems().isEmpty());
    EXPECT_EQ(Text(u"lblIndex"_s), u"2"_s);

    asker.Answer(QString());
    Button(u"cmdName"_s).click();
    EXPECT_EQ(List().item(2)->text(), u"ABCDEFGHIJKLMNOPQRS\u00E9"_s);
}

// Whatever is edited, the bytes the editor does not know keep their loaded values, and a
// name changes only by a rename, even behind its first zero byte.
TEST_F(ItemEditorTabTest, EditsTouchOnlyTheirOwnBytes)
{
    for (const int row : {0, 2, 20, 41, 79}) {
        Choose(row);
        for (const QString& name : ValueButtons.mid(1)) {
            asker.Answer(u"%1"_s.arg(row));
            Button(name).click();
        }
        for (QRadioButton* option : tab.findChildren<QRadioButton*>())
            option->click();
        if (row == 41) {
            asker.Answer(u"X"_s);
            Button(u"cmdName"_s).click();
        }
    }
    const std::set<int> edited = {22, 26, 27, 28, 31, 32, 33, 34, 35, 36, 37};
    const QByteArray& working = files.ItemTable.working;
    const QByteArray& pristine = files.ItemTable.pristine;
    ASSERT_EQ(working.size(), 4320);
    for (qsizetype offset = 0; offset < working.size(); ++offset) {
        const int record = int(offset / 54);
        const int position = int(offset % 54);
        const bool renamed = record == 41 && position < 20;
        if (!edited.contains(position) && !renamed) {
            EXPECT_EQ(working[offset], pristine[offset]) << "record " << record << " byte " << position;
        }
    }
    EXPECT_EQ(working.mid(2214, 20), QByteArray("X") + QByteArray(19, '\0'));
}

} // namespace
