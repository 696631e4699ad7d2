// The "String Editor" tab on sample installs: listing, showing, and replacing entries.
#include "WindowProbe.h"

#include "WindowDriver.h"
#include "support/InstallFixture.h"
#include "support/ScriptedAsker.h"
#include "support/TestFiles.h"
#include "core/CodePage.h"
#include "tables/StringTable.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QUndoStack>

using namespace Qt::StringLiterals;

namespace {

const QString Note3 = u"Note 3: Our caf\u00e9 cook logs the north gate."_s;
const QString Log240 = u"Log 240: The night watch reports a \u20ac40 invoice."_s;

class StringEditorWindow : public ::testing::Test {
protected:
    explicit StringEditorWindow(const SampleOptions& options = {}) : install(GameVersion::CollectorsEdition, options) {}

    void SetUp() override
    {
        ASSERT_TRUE(install.IsValid());
        original = *testfiles::Read(install.Paths().english);
        window.show();
        probe::Tabs(window).setCurrentIndex(5);
    }

    void Load() { ASSERT_EQ(window.LoadFrom(install.Paths().exePath), LoadOutcome::Complete); }
    void Save() { probe::Find<QAction>(window, u"mnuSave"_s)->trigger(); }

    QListView* List(const QString& name) const { return probe::Find<QListView>(window, name); }
    QString Row(const QString& list, int row) const
    {
        return List(list)->model()->index(row, 0).data().toString();
    }
    QPoint At(const QString& list, int row) const
    {
        QListView* view = List(list);
        const QModelIndex index = view->model()->index(row, 0);
        view->scrollTo(index);
        return view->visualRect(index).center();
    }
    void Click(const QString& list, int row)
    {
        QTest::mouseClick(List(list)->viewport(), Qt::LeftButton, {}, At(list, row));
    }
    void DoubleClick(const QString& list, int row)
    {
        const QPoint at = At(list, row);
        QTest::mouseClick(List(list)->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(List(list)->viewport(), Qt::LeftButton, {}, at);
    }
    void Apply(const QString& list, int row, const QString& text)
    {
        DoubleClick(list, row);
        Text1()->setText(text);
        Button(u"cmdApplyStr"_s)->click();
    }

    QGroupBox* Frame() const { return probe::Find<QGroupBox>(window, u"frmStr"_s); }
    QLineEdit* Text1() const { return probe::Find<QLineEdit>(window, u"Text1"_s); }
    QPushButton* Button(const QString& name) const { return probe::Find<QPushButton>(window, name); }
    QString Shown() const { return probe::TextOf(probe::Find<QWidget>(window, u"lblStrShow"_s)); }
    QString Caption(const QString& label) const { return probe::TextOf(probe::Find<QLabel>(window, label)); }
    int Rows(const QString& list) const { return List(list)->model()->rowCount(); }
    // The entry of the game a row of a list stands for, whatever the list hides.
    int EntryAt(const QString& list, int row) const
    {
        return List(list)->model()->index(row, 0).data(Qt::UserRole).toInt();
    }
    QString Entry(GameFile file, int entry) const
    {
        const strings::StringTable table(window.Document().Working(file));
        return codepage::Decode(table.Text(entry).toByteArray());
    }
    void Find(const QString& text) { drive::Type(window, u"txtFind"_s, text); }

    InstallFixture install;
    QByteArray original;
    ScriptedAsker asker;
    MainWindow window{asker};
};

class StringEditorTab : public StringEditorWindow {};

TEST_F(StringEditorTab, EveryLoadListsEveryEntryOnce)
{
    for (int load = 0; load < 2; ++load) {
        Load();
        ASSERT_EQ(List(u"lstEng1"_s)->model()->rowCount(), 320);
        ASSERT_EQ(List(u"lstEng2"_s)->model()->rowCount(), 240);  // the bytes after the last zero are no entry
        EXPECT_EQ(Row(u"lstEng1"_s, 2), Note3);
        EXPECT_EQ(Row(u"lstEng1"_s, 8), QString());
        EXPECT_EQ(Row(u"lstEng2"_s, 239), Log240);
    }
}

TEST_F(StringEditorTab, ClickShowsTheEntryAndDoubleClickOpensIt)
{
    Load();
    Click(u"lstEng2"_s, 239);
    EXPECT_EQ(Shown(), u"\n"_s + Log240);
    EXPECT_FALSE(Frame()->isVisible());

    emit List(u"lstEng1"_s)->doubleClicked(QModelIndex());  // nothing selected in this list
    EXPECT_FALSE(Frame()->isVisible());

    DoubleClick(u"lstEng1"_s, 2);
    EXPECT_EQ(Shown(), u"\n"_s + Note3);
    EXPECT_TRUE(Frame()->isVisible());
    EXPECT_EQ(Frame()->title(), u"Frame1"_s);
    EXPECT_EQ(Text1()->text(), Note3);
    EXPECT_EQ(window.focusWidget(), Text1());
}

TEST_F(StringEditorTab, ReturnOpensTheSelectedEntryWithTheCursorInText1)
{
    Load();
    probe::PressKeyOn(List(u"lstEng2"_s), 239, Qt::Key_Return);
    EXPECT_EQ(Shown(), u"\n"_s + Log240);
    EXPECT_TRUE(Frame()->isVisible());
    EXPECT_EQ(Text1()->text(), Log240);
    EXPECT_EQ(window.focusWidget(), Text1());
}

// However long an entry and wherever its blanks, the window keeps its size; a huge one
// shows its beginning at once and says how much more there is.
TEST_F(StringEditorTab, LongEntriesLeaveTheWindowAsItIs)
{
    ASSERT_TRUE(testfiles::Overwrite(install.Paths().english,
                                     QByteArray(300, '=') + '\0' + QByteArray(10'000'000, '#') + '\0'));
    Load();
    const QSize size = window.size();
    Click(u"lstEng1"_s, 0);
    EXPECT_EQ(Shown(), u"\n"_s + QString(300, u'='));
    Click(u"lstEng1"_s, 1);
    EXPECT_EQ(Shown(), u"\n"_s + QString(4'000, u'#')
                           + u"\n\n(9,996,000 more characters: double-click the entry to see all of it.)"_s);
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    EXPECT_EQ(window.size(), size);
}

TEST_F(StringEditorTab, CancelDropsTheEditAndALoadClosesIt)
{
    Load();
    DoubleClick(u"lstEng1"_s, 2);
    Text1()->setText(u"Never stored"_s);
    Button(u"cmdCancelStr"_s)->click();
    EXPECT_FALSE(Frame()->isVisible());
    EXPECT_EQ(Text1()->text(), QString());

    DoubleClick(u"lstEng1"_s, 2);
    Text1()->setText(u"Never stored either"_s);
    Load();
    EXPECT_FALSE(Frame()->isVisible());
    EXPECT_EQ(Text1()->text(), QString());

    Save();
    EXPECT_EQ(testfiles::Read(install.Paths().english), original);
}

// Load, shorten an entry, save: the file on disk is the rebuilt table, the backup the old one.
TEST_F(StringEditorTab, ApplyRebuildsTheTableAndSaveWritesIt)
{
    Load();
    Apply(u"lstEng1"_s, 2, u"Short \u00fc\u20ac"_s);

    EXPECT_FALSE(Frame()->isVisible());
    EXPECT_EQ(Text1()->text(), u"Short \u00fc\u20ac"_s);
    EXPECT_EQ(Shown(), QString());
    EXPECT_FALSE(List(u"lstEng1"_s)->selectionModel()->hasSelection());
    EXPECT_EQ(List(u"lstEng1"_s)->model()->rowCount(), 320);
    EXPECT_EQ(Row(u"lstEng1"_s, 2), u"Short \u00fc\u20ac"_s);
    EXPECT_EQ(Row(u"lstEng2"_s, 239), Log240);

    Save();
    QByteArray expected = original;
    expected.replace(QByteArray("Note 3: Our caf\xE9 cook logs the north gate."), QByteArray("Short \xFC\x80"));
    const std::optional<QByteArray> written = testfiles::Read(install.Paths().english);
    ASSERT_TRUE(written);
    EXPECT_EQ(written->size(), original.size() - 34);
    EXPECT_EQ(*written, expected);
    EXPECT_EQ(testfiles::Read(install.Paths().geodata + u"/english.bak"_s), original);
}

TEST_F(StringEditorTab, TextWithCharactersTheGameCannotStoreIsRefused)
{
    Load();
    asker.AcknowledgeError();
    Apply(u"lstEng1"_s, 2, u"Base \u4e2d and \U0001F600 \u4e2d"_s);

    ASSERT_EQ(asker.ShownDialogs().size(), 1u);
    EXPECT_EQ(asker.ShownDialogs().front().title, u"String Editor"_s);
    EXPECT_TRUE(asker.ShownDialogs().front().text.contains(u"U+4E2D, U+1F600."_s));
    EXPECT_TRUE(Frame()->isVisible());
    EXPECT_EQ(Row(u"lstEng1"_s, 2), Note3);
}

// First entry, an entry with control bytes, a long one, and the one ending the table.
TEST_F(StringEditorTab, EditsKeepEveryOtherByte)
{
    const QByteArray table = "First\0Two\x01\x0Alines\0"_ba + QByteArray(40'000, 'x') + "\0Last\0"_ba;
    const struct {
        int row;
        QString text;
        QByteArray expected;
    } cases[] = {
        {0, u"New"_s, "New\0Two\x01\x0Alines\0"_ba + QByteArray(40'000, 'x') + "\0Last\0"_ba},
        {1, QString(), "First\0\0"_ba + QByteArray(40'000, 'x') + "\0Last\0"_ba},
        {3, u"L"_s, "First\0Two\x01\x0Alines\0"_ba + QByteArray(40'000, 'x') + "\0L\0"_ba},
    };
    for (const auto& edit : cases) {
        SCOPED_TRACE(edit.row);
        ASSERT_TRUE(testfiles::Overwrite(install.Paths().english, table));
        Load();
        for (int row = 0; row < 4; ++row) {
            DoubleClick(u"lstEng1"_s, row);  // applied as opened: the whole entry, however long
            Button(u"cmdApplyStr"_s)->click();
        }
        Apply(u"lstEng1"_s, edit.row, edit.text);
        EXPECT_EQ(List(u"lstEng1"_s)->model()->rowCount(), 4);
        Save();
        EXPECT_TRUE(testfiles::Read(install.Paths().english) == edit.expected);  // 40 kB: no dump on failure
    }
}

// "laser" is in entries 6, 15, 24 ... of both English sample tables: 35 and 26 of them.
TEST_F(StringEditorTab, TheFilterShowsInBothListsWhatHoldsTheTextOrHasTheIndex)
{
    Load();
    const struct {
        QString query;
        std::vector<int> first;   // entries lstEng1 then shows
        int secondCount;
        QString found;
    } cases[] = {
        {u"LaSeR"_s, {6, 15, 24}, 26, u"35 in ENGLISH.DAT, 26 in ENGLISH2.DAT"_s},
        {u"#123"_s, {123}, 1, u"1 in ENGLISH.DAT, 1 in ENGLISH2.DAT"_s},
        {u"caf\u00c9 cook logs the north"_s, {2, 182}, 2, u"2 in ENGLISH.DAT, 2 in ENGLISH2.DAT"_s},
        {u"no such text"_s, {}, 0, u"0 in ENGLISH.DAT, 0 in ENGLISH2.DAT"_s},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.query.toStdString());
        Find(test.query);
        EXPECT_EQ(Caption(u"lblFound"_s), test.found);
        EXPECT_EQ(Rows(u"lstEng2"_s), test.secondCount);
        ASSERT_GE(Rows(u"lstEng1"_s), int(test.first.size()));
        for (std::size_t row = 0; row < test.first.size(); ++row) {
            EXPECT_EQ(EntryAt(u"lstEng1"_s, int(row)), test.first[row]);
            EXPECT_EQ(Row(u"lstEng1"_s, int(row)), Entry(GameFile::English, test.first[row]));
        }
    }

    // Escape in the box clears it: both lists are as documented again.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    probe::Find<QLineEdit>(window, u"txtFind"_s)->setFocus();
    QTest::keyClick(probe::Find<QLineEdit>(window, u"txtFind"_s), Qt::Key_Escape);
    EXPECT_EQ(probe::Find<QLineEdit>(window, u"txtFind"_s)->text(), QString());
    EXPECT_EQ(Caption(u"lblFound"_s), QString());
    EXPECT_EQ(Rows(u"lstEng1"_s), 320);
    EXPECT_EQ(Rows(u"lstEng2"_s), 240);
    EXPECT_EQ(Row(u"lstEng1"_s, 2), Note3);
    EXPECT_EQ(EntryAt(u"lstEng2"_s, 239), 239);
}

TEST_F(StringEditorTab, CtrlFPutsTheCursorInTheFilter)
{
    Load();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    List(u"lstEng1"_s)->setFocus();
    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), probe::Find<QLineEdit>(window, u"txtFind"_s));
}

// Click, double-click, Apply and undo act on the entry the filtered row stands for.
TEST_F(StringEditorTab, AFilteredRowIsTheRealEntryForEveryAction)
{
    Load();
    Find(u"laser"_s);
    const QString entry15 = Entry(GameFile::English, 15);
    Click(u"lstEng1"_s, 1);
    EXPECT_EQ(Shown(), u"\n"_s + entry15);
    Apply(u"lstEng1"_s, 1, u"Fifteen"_s);

    EXPECT_EQ(Entry(GameFile::English, 15), u"Fifteen"_s);
    EXPECT_EQ(Entry(GameFile::English, 1), Entry(GameFile::English, 1));
    EXPECT_EQ(window.History().Stack().undoText(), u"ENGLISH.DAT entry 15: \"Fifteen\""_s);
    EXPECT_EQ(Rows(u"lstEng1"_s), 34);  // it no longer holds the text

    Find(u"#200"_s);
    drive::Trigger(window, u"mnuUndo"_s);
    EXPECT_EQ(Entry(GameFile::English, 15), entry15);
    // The filter hid the entry undone, so it gives way to show it.
    EXPECT_EQ(probe::Find<QLineEdit>(window, u"txtFind"_s)->text(), QString());
    EXPECT_EQ(List(u"lstEng1"_s)->currentIndex().row(), 15);
    EXPECT_EQ(Shown(), u"\n"_s + entry15);
}

// "laser" is in 35 entries of english.dat and 26 of english2.dat, in several cases.
TEST_F(StringEditorTab, ReplaceAllListsTheEntriesThenReplacesThemInOneStep)
{
    Load();
    Find(u"LaSeR"_s);
    drive::Type(window, u"txtReplace"_s, u"Beam"_s);
    asker.AnswerYesNo(true);
    Button(u"cmdReplaceAll"_s)->click();

    ASSERT_EQ(asker.ShownDialogs().size(), 1u);
    const QString question = asker.ShownDialogs().front().text;
    EXPECT_TRUE(question.startsWith(u"Replace \u201CLaSeR\u201D with \u201CBeam\u201D in these 61 entries?"_s))
        << question.toStdString();
    EXPECT_TRUE(question.contains(u"ENGLISH.DAT entry 6: "_s));
    EXPECT_TRUE(question.contains(u"and 41 more"_s));
    for (const GameFile file : {GameFile::English, GameFile::English2}) {
        for (const int entry : {6, 15, 24}) {
            EXPECT_FALSE(Entry(file, entry).contains(u"laser"_s, Qt::CaseInsensitive));
            EXPECT_TRUE(Entry(file, entry).contains(u"Beam"_s));
        }
    }
    EXPECT_EQ(Rows(u"lstEng1"_s), 0);  // nothing holds the text now
    EXPECT_EQ(window.History().Stack().count(), 1);

    probe::Find<QAction>(window, u"mnuUndo"_s)->trigger();
    EXPECT_EQ(window.Document().Working(GameFile::English), original);
}

TEST_F(StringEditorTab, ReplaceAllRefusesWhatTheCodePageCannotHoldAndAsksBeforeChanging)
{
    Load();
    Find(u"laser"_s);
    drive::Type(window, u"txtReplace"_s, u"\u0141ukasz"_s);
    asker.AcknowledgeError();
    Button(u"cmdReplaceAll"_s)->click();
    ASSERT_EQ(asker.ShownDialogs().size(), 1u);
    EXPECT_TRUE(asker.ShownDialogs().back().text.contains(u"U+0141"_s));

    drive::Type(window, u"txtReplace"_s, u"Beam"_s);
    asker.AnswerYesNo(false);
    Button(u"cmdReplaceAll"_s)->click();
    EXPECT_EQ(window.Document().Working(GameFile::English), original);
    EXPECT_EQ(window.History().Stack().count(), 0);
}

TEST_F(StringEditorTab, ReturnAppliesTheEditAndEscapeCancelsIt)
{
    Load();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    DoubleClick(u"lstEng1"_s, 2);
    Text1()->setText(u"Dropped"_s);
    QTest::keyClick(Text1(), Qt::Key_Escape);
    EXPECT_FALSE(Frame()->isVisible());
    EXPECT_EQ(Entry(GameFile::English, 2), Note3);

    DoubleClick(u"lstEng1"_s, 2);
    Text1()->setText(u"Kept"_s);
    QTest::keyClick(Text1(), Qt::Key_Return);
    EXPECT_FALSE(Frame()->isVisible());
    EXPECT_EQ(Entry(GameFile::English, 2), u"Kept"_s);
}

class StringEditorLanguages : public StringEditorWindow {
protected:
    StringEditorLanguages() : StringEditorWindow({.upperCaseNames = true, .german = true, .french = true}) {}

    QStringList Offered() const
    {
        QStringList names;
        const auto* combo = probe::Find<QComboBox>(window, u"cboLanguage"_s);
        for (int index = 0; index < combo->count(); ++index)
            names.append(combo->itemText(index));
        return names;
    }
};

TEST_F(StringEditorLanguages, OnlyLanguagesWithBothFilesAreOfferedAndALoadOffersThemAnew)
{
    ASSERT_TRUE(testfiles::Remove(install.Paths().french2));
    asker.AcknowledgeError();
    Load();
    ASSERT_EQ(asker.ShownDialogs().size(), 1u);
    EXPECT_TRUE(asker.ShownDialogs()[0].text.contains(u"french2.dat is missing, so FRENCH.DAT was left out too"_s));
    EXPECT_EQ(Offered(), QStringList({u"English"_s, u"German"_s}));
    EXPECT_EQ(Caption(u"Label44"_s), u"ENGLISH.DAT:"_s);

    drive::Choose(window, u"cboLanguage"_s, 1);
    EXPECT_EQ(Caption(u"Label44"_s), u"GERMAN.DAT:"_s);
    EXPECT_EQ(Caption(u"Label43"_s), u"GERMAN2.DAT:"_s);
    EXPECT_EQ(Row(u"lstEng1"_s, 2), u"Notiz 3: Unser K\u00f6chin schlie\u00dft das Nordtor."_s);
    EXPECT_EQ(Rows(u"lstEng2"_s), 240);

    const std::optional<SamplePaths> english = install.AddInstall(u"plain"_s, GameVersion::Dos14);
    ASSERT_TRUE(english);
    ASSERT_EQ(window.LoadFrom(english->exePath), LoadOutcome::Complete);
    EXPECT_EQ(Offered(), QStringList({u"English"_s}));
    EXPECT_FALSE(probe::Find<QComboBox>(window, u"cboLanguage"_s)->isEnabled());
    EXPECT_EQ(Caption(u"Label44"_s), u"ENGLISH.DAT:"_s);
    EXPECT_EQ(Row(u"lstEng1"_s, 2), Note3);
}

// A German edit, found by the filter, lands in GERMAN.DAT with its backup; every English
// file stays byte for byte as it was, and undo brings the German entry back into sight.
TEST_F(StringEditorLanguages, AGermanEditIsSavedWithItsBackupAndUndoShowsIt)
{
    Load();
    EXPECT_EQ(Offered(), QStringList({u"English"_s, u"German"_s, u"French"_s}));
    const testfiles::Snapshot before = testfiles::Take(install.Paths().dataRoot);
    drive::Choose(window, u"cboLanguage"_s, 1);
    Find(u"LASERGEWEHR"_s);
    EXPECT_EQ(Caption(u"lblFound"_s), u"35 in GERMAN.DAT, 26 in GERMAN2.DAT"_s);
    Apply(u"lstEng2"_s, 0, u"Stra\u00dfe \u00e4\u00f6\u00fc"_s);
    EXPECT_EQ(window.History().Stack().undoText(), u"GERMAN2.DAT entry 6: \"Stra\u00dfe \u00e4\u00f6\u00fc\""_s);
    Save();

    const QByteArray german2 = before.at(u"GEODATA/GERMAN2.DAT"_s);
    QByteArray expected = german2;
    const strings::StringTable table(german2);
    expected.replace(table.Entries()[6].start, table.Entries()[6].length, "Stra\xDF" "e \xE4\xF6\xFC");
    const testfiles::Snapshot after = testfiles::Take(install.Paths().dataRoot);
    EXPECT_EQ(after.at(u"GEODATA/GERMAN2.DAT"_s), expected);
    EXPECT_EQ(after.at(u"GEODATA/german2.bak"_s), german2);
    EXPECT_EQ(after.at(u"GEODATA/german.bak"_s), before.at(u"GEODATA/GERMAN.DAT"_s));
    for (const QString& unchanged : {u"GEODATA/ENGLISH.DAT"_s, u"GEODATA/ENGLISH2.DAT"_s, u"GEODATA/GERMAN.DAT"_s,
                                     u"GEODATA/FRENCH.DAT"_s})
        EXPECT_EQ(after.at(unchanged), before.at(unchanged)) << unchanged.toStdString();

    drive::Choose(window, u"cboLanguage"_s, 0);
    drive::Trigger(window, u"mnuUndo"_s);
    EXPECT_EQ(Caption(u"Label43"_s), u"GERMAN2.DAT:"_s);
    EXPECT_EQ(EntryAt(u"lstEng2"_s, List(u"lstEng2"_s)->currentIndex().row()), 6);
    EXPECT_EQ(window.Document().Working(GameFile::German2), german2);
}

} // namespace
