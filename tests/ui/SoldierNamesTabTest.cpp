// The "Soldier Names" tab on sample installs: the lists, and what a rename writes.
#include "WindowProbe.h"

#include "support/InstallFixture.h"
#include "support/ScriptedAsker.h"
#include "support/TestFiles.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

#include <map>

using namespace Qt::StringLiterals;

namespace {

const QString FirstPrompt = u"What would you like the new first name to be?\n(remember it cannot exceed 11 characters)"_s;
const QString LastPrompt = u"What would you like the new last name to be?\n(remember it cannot exceed 11 characters)"_s;

struct NameList {
    QString list;
    QString prompt;
    qsizetype slot4;  // Collector's Edition
    QByteArray slotEnd;  // a last name's twelfth byte, which renames keep
};
const NameList Lists[] = {
    {u"lstFirst"_s, FirstPrompt, 453812, {}},
    {u"lstLast"_s, LastPrompt, 452376, "X"},
};

class SoldierNames : public ::testing::TestWithParam<GameVersion> {
protected:
    // Bytes patched into the executable on disk first, as a game file could hold them.
    void Load(const std::map<qsizetype, QByteArray>& patch = {})
    {
        original = testfiles::Read(install.Paths().exePath).value_or(QByteArray());
        for (const auto& [offset, bytes] : patch)
            original.replace(offset, bytes.size(), bytes);
        ASSERT_TRUE(testfiles::Overwrite(install.Paths().exePath, original));
        ASSERT_EQ(window.LoadFrom(install.Paths().exePath), LoadOutcome::Complete);
        window.show();
        probe::Tabs(window).setCurrentIndex(2);
    }
    QListWidget* List(const QString& name) const { return probe::Find<QListWidget>(window, name); }
    QString Entry(const QString& list, int row) const { return List(list)->item(row)->text(); }
    void Click(const QString& list, int row, Qt::KeyboardModifiers modifiers = {})
    {
        QListWidget* names = List(list);
        names->scrollToItem(names->item(row));
        QTest::mouseClick(names->viewport(), Qt::LeftButton, modifiers, names->visualItemRect(names->item(row)).center());
    }
    // Press and release, then the second press that the window system reports as a double-click.
    void DoubleClick(const QString& list, int row, Qt::KeyboardModifiers modifiers = {})
    {
        Click(list, row, modifiers);
        const QPoint at = List(list)->visualItemRect(List(list)->item(row)).center();
        QTest::mouseDClick(List(list)->viewport(), Qt::LeftButton, modifiers, at);
        QTest::mouseRelease(List(list)->viewport(), Qt::LeftButton, modifiers, at);
    }
    QByteArray Saved()
    {
        probe::Find<QAction>(window, u"mnuSave"_s)->trigger();
        return testfiles::Read(install.Paths().exePath).value_or(QByteArray());
    }

    InstallFixture install{GetParam()};
    ScriptedAsker asker;
    MainWindow window{asker};
    QByteArray original;
};

qsizetype FirstName119(GameVersion version)
{
    switch (version) {
    case GameVersion::CollectorsEdition: return 455077;
    case GameVersion::Dos12: return 391853;
    case GameVersion::Dos14: return 373845;
    case GameVersion::None: break;
    }
    return -1;
}

TEST_P(SoldierNames, ElevenCharactersFillTheLastFirstNameSlot)
{
    Load();
    const QString old = Entry(u"lstFirst"_s, 119);
    asker.Answer(u"Maximiliano"_s);
    DoubleClick(u"lstFirst"_s, 119);

    ASSERT_EQ(asker.ShownDialogs().size(), 1u);
    EXPECT_EQ(asker.ShownDialogs()[0].title, u"New Name"_s);
    EXPECT_EQ(asker.ShownDialogs()[0].text, FirstPrompt);
    EXPECT_EQ(asker.ShownDialogs()[0].defaultAnswer, old);
    EXPECT_EQ(Entry(u"lstFirst"_s, 119), u"Maximiliano"_s);
    EXPECT_TRUE(List(u"lstFirst"_s)->selectedItems().isEmpty());
    EXPECT_EQ(Saved(), QByteArray(original).replace(FirstName119(GetParam()), 11, "Maximiliano"));
}

INSTANTIATE_TEST_SUITE_P(AllBuilds, SoldierNames,
                         ::testing::Values(GameVersion::CollectorsEdition, GameVersion::Dos12, GameVersion::Dos14));

using CollectorsSoldierNames = SoldierNames;
INSTANTIATE_TEST_SUITE_P(CollectorsEdition, CollectorsSoldierNames, ::testing::Values(GameVersion::CollectorsEdition));

// The byte at 453767 is the twelfth of last name 119, just before the first names.
TEST_P(CollectorsSoldierNames, LastNameKeepsAndShowsItsTwelfthByte)
{
    Load({{453767, "Z"}});
    asker.Answer(u"Oppenheimer"_s).Answer(QString());
    DoubleClick(u"lstLast"_s, 119);
    EXPECT_EQ(asker.ShownDialogs()[0].text, LastPrompt);
    EXPECT_EQ(Entry(u"lstLast"_s, 119), u"OppenheimerZ"_s);
    EXPECT_EQ(Saved(), QByteArray(original).replace(453756, 11, "Oppenheimer"));

    DoubleClick(u"lstLast"_s, 119);
    EXPECT_EQ(asker.ShownDialogs()[1].defaultAnswer, u"OppenheimerZ"_s);
}

// Entry 4 of both lists starts out filling its whole slot.
TEST_P(CollectorsSoldierNames, ShortNamesZeroTheRestAndLongOnesAreAskedAgain)
{
    Load({{453812, "Bartholomew"}, {452376, "WolfeschlegX"}});
    for (const NameList& names : Lists) {
        SCOPED_TRACE(names.list.toStdString());
        const std::size_t before = asker.ShownDialogs().size();
        asker.Answer(u"Bartholomews"_s).Answer(u"Bob"_s);
        DoubleClick(names.list, 4);
        ASSERT_EQ(asker.ShownDialogs().size(), before + 2);
        EXPECT_EQ(asker.ShownDialogs().back().text, names.prompt);
        EXPECT_EQ(asker.ShownDialogs().back().defaultAnswer, asker.ShownDialogs()[before].defaultAnswer);
        EXPECT_EQ(Entry(names.list, 4), u"Bob"_s);
        EXPECT_EQ(Saved().mid(names.slot4, 11 + names.slotEnd.size()), "Bob" + QByteArray(8, '\0') + names.slotEnd);
    }
}

TEST_P(CollectorsSoldierNames, CancelWritesNothingButRebuildsTheList)
{
    Load();
    for (const NameList& names : Lists) {
        asker.Answer(QString());
        DoubleClick(names.list, 7);
        EXPECT_EQ(List(names.list)->count(), 120);
        EXPECT_TRUE(List(names.list)->selectedItems().isEmpty()) << names.list.toStdString();
    }
    EXPECT_EQ(Saved(), original);
}

TEST_P(CollectorsSoldierNames, ReturnRenamesTheSelectedEntry)
{
    Load();
    for (const NameList& names : Lists) {
        asker.Answer(u"Bob"_s);
        probe::PressKeyOn(List(names.list), 4, Qt::Key_Return);
        EXPECT_EQ(Entry(names.list, 4), u"Bob"_s);
    }
    ASSERT_EQ(asker.ShownDialogs().size(), 2u);
    EXPECT_EQ(asker.ShownDialogs()[0].text, FirstPrompt);
    EXPECT_EQ(asker.ShownDialogs()[1].text, LastPrompt);
}

// Ctrl takes the selection off the entry before the double-click reaches it.
TEST_P(CollectorsSoldierNames, DoubleClickWithoutASelectedEntryDoesNothing)
{
    Load();
    for (const NameList& names : Lists) {
        Click(names.list, 3);
        DoubleClick(names.list, 3, Qt::ControlModifier);
        EXPECT_TRUE(List(names.list)->selectedItems().isEmpty());
    }
    EXPECT_TRUE(asker.ShownDialogs().empty());
}

} // namespace
