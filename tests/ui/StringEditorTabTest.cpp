// The "String Editor" tab on sample installs: listing, showing, and replacing entries.
#include "WindowProbe.h"

#include "support/InstallFixture.h"
#include "support/ScriptedAsker.h"
#include "support/TestFiles.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Note3 = u"Note 3: Our caf\u00e9 cook logs the north gate."_s;
const QString Log240 = u"Log 240: The night watch reports a \u20ac40 invoice."_s;

class StringEditorTab : public ::testing::Test {
protected:
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

    InstallFixture install;
    QByteArray original;
    ScriptedAsker asker;
    MainWindow window{asker};
};

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

} // namespace
