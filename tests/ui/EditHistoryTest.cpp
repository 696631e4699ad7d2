// The edit history through the main window: every kind of edit is one step that undo and
// redo take back and do again exactly, and no way out drops unsaved edits unasked.
#include "LoadedWindow.h"
#include "WindowDriver.h"
#include "WindowProbe.h"

#include "exchange/Differences.h"
#include "support/TestFiles.h"

#include <QAbstractItemView>
#include <QAction>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QUndoStack>

#include <functional>
#include <random>

using namespace Qt::StringLiterals;

namespace {

using Files = std::vector<QByteArray>;

// One kind of edit, made through the window as a user would.
struct EditKind {
    const char* name;
    std::function<void(MainWindow&, ScriptedAsker&, std::mt19937&)> make;
};

QString Number(std::mt19937& random, int limit)
{
    return QString::number(int(random() % unsigned(limit + 1)));
}

const EditKind Kinds[] = {
    {"unit value",
     [](MainWindow& w, ScriptedAsker& a, std::mt19937& r) {
         drive::Choose(w, u"cmbUnit"_s, int(r() % 33));
         a.Answer(Number(r, 255));
         drive::Click(w, r() % 2 ? u"cmdTU"_s : u"cmdFrA"_s);
     }},
    {"bravery",
     [](MainWindow& w, ScriptedAsker& a, std::mt19937& r) {
         drive::Choose(w, u"cmbUnit"_s, int(r() % 33));
         a.Answer(QString::number(110 - 10 * int(r() % 12)));
         drive::Click(w, u"cmdBrav"_s);
     }},
    {"flying option",
     [](MainWindow& w, ScriptedAsker&, std::mt19937& r) {
         drive::Choose(w, u"cmbUnit"_s, int(r() % 33));
         drive::Click(w, r() % 2 ? u"optYesU"_s : u"optNoU"_s);
     }},
    {"facility word",
     [](MainWindow& w, ScriptedAsker& a, std::mt19937& r) {
         drive::Choose(w, u"cmbType"_s, int(r() % 17));
         a.Answer(Number(r, 28671));
         drive::Click(w, u"cmdPrice"_s);
     }},
    {"facility standard",
     [](MainWindow& w, ScriptedAsker&, std::mt19937& r) {
         drive::Choose(w, u"cmbType"_s, int(r() % 17));
         drive::Click(w, r() % 2 ? u"optYes"_s : u"optNo"_s);
     }},
    {"item value",
     [](MainWindow& w, ScriptedAsker& a, std::mt19937& r) {
         drive::DoubleClickRow(w, u"lstItem"_s, int(r() % 80));
         a.Answer(Number(r, 100));
         drive::Click(w, u"cmdAimT"_s);
     }},
    {"damage type",
     [](MainWindow& w, ScriptedAsker&, std::mt19937& r) {
         drive::DoubleClickRow(w, u"lstItem"_s, int(r() % 80));
         drive::Click(w, r() % 2 ? u"optHE"_s : u"optLaser"_s);
     }},
    {"item rename",
     [](MainWindow& w, ScriptedAsker& a, std::mt19937& r) {
         drive::DoubleClickRow(w, u"lstItem"_s, int(r() % 80));
         a.Answer(u"Thing %1"_s.arg(Number(r, 999)));
         drive::Click(w, u"cmdName"_s);
     }},
    {"soldier rename",
     [](MainWindow& w, ScriptedAsker& a, std::mt19937& r) {
         a.Answer(u"Nom%1"_s.arg(Number(r, 99)));
         drive::DoubleClickRow(w, r() % 2 ? u"lstFirst"_s : u"lstLast"_s, int(r() % 120));
     }},
    {"grid cell",
     [](MainWindow& w, ScriptedAsker&, std::mt19937& r) {
         drive::Click(w, u"Command%1"_s.arg(1 + r() % 36));
         drive::Choose(w, u"Combo1"_s, int(r() % 21));
         drive::Choose(w, u"Combo2"_s, int(r() % 48));
         drive::Click(w, u"cmdApply"_s);
     }},
    {"stores amount",
     [](MainWindow& w, ScriptedAsker& a, std::mt19937& r) {
         const int line = int(r() % 84);
         a.Answer(Number(r, line < 2 ? 250 : 28671));
         drive::DoubleClickRow(w, u"lstItems"_s, line);
     }},
    {"string",
     [](MainWindow& w, ScriptedAsker&, std::mt19937& r) {
         drive::DoubleClickRow(w, r() % 2 ? u"lstEng1"_s : u"lstEng2"_s, int(r() % 12));
         drive::Type(w, u"Text1"_s, u"Text of length %1"_s.arg(QString(int(r() % 30), u'x')));
         drive::Click(w, u"cmdApplyStr"_s);
     }},
};

class EditHistoryTest : public LoadedWindowTest {
protected:
    [[nodiscard]] Files Now() const
    {
        Files files;
        for (const GameFile file : {GameFile::Executable, GameFile::Items, GameFile::English, GameFile::English2})
            files.push_back(window.Document().Working(file));
        return files;
    }
    [[nodiscard]] Files AsLoaded() const
    {
        Files files;
        for (const GameFile file : {GameFile::Executable, GameFile::Items, GameFile::English, GameFile::English2})
            files.push_back(window.Document().Pristine(file));
        return files;
    }
    QUndoStack& Stack() { return window.History().Stack(); }
    QString ActionText(const QString& name) { return probe::Find<QAction>(window, name)->text(); }

};

// A random walk of edits, undos and redos, checked against the states it passed through.
TEST_F(EditHistoryTest, UndoAndRedoRestoreTheExactBytesOfEveryKindOfEdit)
{
    std::mt19937 random(14);
    std::vector<Files> states{Now()};
    std::size_t at = 0;
    for (int step = 0; step < 160; ++step) {
        const unsigned action = random() % 5;
        if (action < 3) {
            const EditKind& kind = Kinds[random() % std::size(Kinds)];
            SCOPED_TRACE(kind.name);
            kind.make(window, asker, random);
            ASSERT_EQ(asker.PendingAnswers(), 0u);
            if (Now() != states[at]) {
                states.resize(at + 1);
                states.push_back(Now());
                ++at;
            }
        } else if (action == 3 && at > 0) {
            drive::Trigger(window, u"mnuUndo"_s);
            --at;
        } else if (action == 4 && at + 1 < states.size()) {
            drive::Trigger(window, u"mnuRedo"_s);
            ++at;
        }
        ASSERT_EQ(Now(), states[at]) << "step " << step;
        ASSERT_EQ(Stack().index(), int(at));
    }
    EXPECT_GT(Stack().count(), 40);  // the walk really edited
    // Every byte any edit changed lies in a named field: no line is a raw byte.
    for (const Difference& line : differences::Between(window.Document()))
        EXPECT_FALSE(line.field.isEmpty()) << line.table.toStdString() << " " << line.record.toStdString();
    while (Stack().canUndo())
        drive::Trigger(window, u"mnuUndo"_s);
    EXPECT_EQ(Now(), AsLoaded());
    EXPECT_FALSE(window.isWindowModified());
    while (Stack().canRedo())
        drive::Trigger(window, u"mnuRedo"_s);
    EXPECT_EQ(Now(), states.back());
}

TEST_F(EditHistoryTest, EachEditIsOneNamedStepAndUndoRefreshesWhatShowsIt)
{
    drive::Choose(window, u"cmbUnit"_s, 7);
    const QString tu = probe::Find<QPushButton>(window, u"cmdTU"_s)->text();
    asker.Answer(u"80"_s);
    drive::Click(window, u"cmdTU"_s);
    EXPECT_EQ(ActionText(u"mnuUndo"_s), u"&Undo Sectoid Soldier: Time Units %1 \u2192 80"_s.arg(tu));

    const int rifleClip = drive::RowOf(window, u"lstItem"_s, u"RIFLE CLIP"_s);
    ASSERT_GE(rifleClip, 0);
    drive::DoubleClickRow(window, u"lstItem"_s, rifleClip);
    asker.Answer(u"Rifle"_s);
    drive::Click(window, u"cmdName"_s);
    EXPECT_EQ(ActionText(u"mnuUndo"_s), u"&Undo Rename RIFLE CLIP to Rifle"_s);

    drive::Click(window, u"Command2"_s);  // row 2, column 1
    drive::Choose(window, u"Combo1"_s, 16);
    drive::Choose(window, u"Combo2"_s, 0);
    drive::Click(window, u"cmdApply"_s);
    EXPECT_EQ(ActionText(u"mnuUndo"_s), u"&Undo base R2C1: Hangar (Top Left), 0 Days"_s);

    drive::DoubleClickRow(window, u"lstEng1"_s, 12);
    drive::Type(window, u"Text1"_s, u"Laser Rifle"_s);
    drive::Click(window, u"cmdApplyStr"_s);
    EXPECT_EQ(ActionText(u"mnuUndo"_s), u"&Undo ENGLISH.DAT entry 12: \"Laser Rifle\""_s);
    EXPECT_EQ(Stack().count(), 4);

    // Cancel, a question asked again and an unchanged answer add no step.
    asker.Answer(u"300"_s).Answer(QString());
    drive::Click(window, u"cmdTU"_s);
    asker.Answer(u"80"_s);
    drive::Click(window, u"cmdTU"_s);
    EXPECT_EQ(Stack().count(), 4);

    drive::Trigger(window, u"mnuUndo"_s);  // the string
    drive::Trigger(window, u"mnuUndo"_s);  // the grid cell: its caption and tab come back
    EXPECT_EQ(probe::Tabs(window).currentIndex(), 0);
    EXPECT_FALSE(probe::Find<QPushButton>(window, u"Command2"_s)->text().startsWith(u"Hangar"_s));
    drive::Trigger(window, u"mnuUndo"_s);  // the rename: the item list shows the old name again
    EXPECT_EQ(probe::Tabs(window).currentIndex(), 4);
    EXPECT_EQ(drive::RowOf(window, u"lstItem"_s, u"RIFLE CLIP"_s), rifleClip);
    EXPECT_EQ(probe::Find<QPushButton>(window, u"cmdName"_s)->text(), u"RIFLE CLIP"_s);
    drive::Trigger(window, u"mnuUndo"_s);
    EXPECT_EQ(probe::Tabs(window).currentIndex(), 3);
    EXPECT_EQ(probe::Find<QPushButton>(window, u"cmdTU"_s)->text(), tu);
    EXPECT_FALSE(probe::Find<QAction>(window, u"mnuUndo"_s)->isEnabled());
    drive::Trigger(window, u"mnuRedo"_s);
    EXPECT_EQ(probe::Find<QPushButton>(window, u"cmdTU"_s)->text(), u"80"_s);
}

TEST_F(EditHistoryTest, TheTitleMarksChangesSinceTheLastSave)
{
    EXPECT_EQ(window.windowTitle(), u"UFO.EXE Editor \u2014 ufo.exe[*]"_s);
    EXPECT_FALSE(window.isWindowModified());
    drive::Choose(window, u"cmbUnit"_s, 0);
    drive::Click(window, u"optYesU"_s);
    drive::Click(window, u"optNoU"_s);
    EXPECT_TRUE(window.isWindowModified());
    drive::Trigger(window, u"mnuUndo"_s);
    drive::Trigger(window, u"mnuUndo"_s);
    EXPECT_FALSE(window.isWindowModified());

    drive::Trigger(window, u"mnuRedo"_s);
    drive::Trigger(window, u"mnuSave"_s);
    EXPECT_FALSE(window.isWindowModified());
    drive::Trigger(window, u"mnuUndo"_s);  // a step can still be undone after a save
    EXPECT_TRUE(window.isWindowModified());
}

// Close, Exit, Load Files and the close box, each with every answer to the question.
TEST_F(EditHistoryTest, NoWayOutDropsUnsavedEditsUnasked)
{
    struct Way {
        const char* name;
        std::function<void()> take;
        std::function<bool()> wentOn;
    };
    const Way ways[] = {
        {"Close", [&] { drive::Trigger(window, u"mnuClose"_s); }, [&] { return !window.Document().HasExecutable(); }},
        {"Exit", [&] { drive::Trigger(window, u"mnuExit"_s); }, [&] { return !window.isVisible(); }},
        {"close box", [&] { window.close(); }, [&] { return !window.isVisible(); }},
        {"Load Files", [&] { drive::Trigger(window, u"mnuOpen"_s); },
         [&] { return window.History().Stack().count() == 0; }},
    };
    enum class Answer { None, Save, FailingSave, Discard, Cancel };
    const QString items = install.Paths().items;
    const QByteArray itemsOnDisk = testfiles::Read(items).value_or(QByteArray());
    for (const Way& way : ways) {
        for (const Answer answer : {Answer::None, Answer::Save, Answer::FailingSave, Answer::Discard, Answer::Cancel}) {
            SCOPED_TRACE(std::string(way.name) + " answer " + std::to_string(int(answer)));
            ASSERT_TRUE(testfiles::Overwrite(items, itemsOnDisk));
            window.show();
            ASSERT_EQ(window.LoadFrom(install.Paths().exePath), LoadOutcome::Complete);
            if (answer != Answer::None) {
                drive::DoubleClickRow(window, u"lstItem"_s, 5);
                asker.Answer(u"42"_s);
                drive::Click(window, u"cmdDamage"_s);
            }
            const bool goesOn = answer == Answer::None || answer == Answer::Save || answer == Answer::Discard;
            if (answer == Answer::FailingSave) {
                // A folder in the item file's place: staging it fails, so nothing is written.
                // The file changed on disk, so Save asks first; Overwrite goes on to the failure.
                ASSERT_TRUE(testfiles::Remove(items) && QDir().mkdir(items));
                asker.AnswerSaveDiscardCancel(Asker::Choice::Save).AnswerThreeWay(0).AcknowledgeError();
            } else if (answer != Answer::None) {
                asker.AnswerSaveDiscardCancel(answer == Answer::Save      ? Asker::Choice::Save
                                              : answer == Answer::Discard ? Asker::Choice::Discard
                                                                          : Asker::Choice::Cancel);
            }
            if (goesOn && std::string(way.name) == "Load Files")
                asker.AnswerOpenFile(install.Paths().exePath);
            const QByteArray edited = window.Document().Working(GameFile::Items);

            way.take();

            EXPECT_EQ(way.wentOn(), goesOn);
            if (answer == Answer::FailingSave) {
                EXPECT_EQ(window.Document().Working(GameFile::Items), edited);  // nothing lost
                ASSERT_TRUE(QDir().rmdir(items));
            }
            if (answer != Answer::None && answer != Answer::FailingSave) {
                const bool saved = answer == Answer::Save;
                EXPECT_EQ(testfiles::Read(items).value_or(QByteArray()) == itemsOnDisk, !saved);
            }
            EXPECT_EQ(asker.PendingAnswers(), 0u);
            asker.ClearScript();
        }
    }
}

} // namespace

// Going back many steps at once, as a click in the Edit History does, refreshes each view
// once, with the files as they end up, and brings the last step undone into sight.
TEST_F(EditHistoryTest, ManyStepsAtOnceRefreshTheViewsOnce)
{
    drive::Choose(window, u"cmbUnit"_s, 7);
    const QString tu = probe::Find<QPushButton>(window, u"cmdTU"_s)->text();
    for (const QString& value : {u"60"_s, u"70"_s, u"80"_s}) {
        asker.Answer(value);
        drive::Click(window, u"cmdTU"_s);
    }
    drive::ShowTab(window, u"Item Editor"_s);
    ASSERT_EQ(Stack().count(), 3);
    auto* changes = probe::Find<QAbstractItemView>(window, u"tblChanges"_s);
    EXPECT_EQ(changes->model()->rowCount(), 1);

    QSignalSpy settled(&window.Document(), &GameDocument::Settled);
    Stack().setIndex(0);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(settled.count(), 1);
    EXPECT_EQ(probe::Find<QPushButton>(window, u"cmdTU"_s)->text(), tu);
    EXPECT_EQ(changes->model()->rowCount(), 0);
    EXPECT_EQ(probe::Tabs(window).tabText(probe::Tabs(window).currentIndex()), u"Unit Editor"_s);
}
