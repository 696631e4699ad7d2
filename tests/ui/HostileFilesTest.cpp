// Import Changes, Import Table and a drop on the window, handed what a hostile archive
// could hold: each is refused by what it is, before it is read and before any question.
#include "LoadedWindow.h"
#include "WindowDriver.h"

#include "support/HostileFiles.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QStatusBar>
#include <QUndoStack>

using namespace Qt::StringLiterals;

namespace {

class HostileFilesTest : public LoadedWindowTest {
protected:
    void ExpectRefused(const QString& command, const HostileFiles& hostile)
    {
        ASSERT_TRUE(hostile.IsValid());
        for (const HostileFile& file : hostile.Cases()) {
            SCOPED_TRACE(file.what);
            asker.AnswerOpenFile(file.path).AcknowledgeError();
            drive::Trigger(window, command);
            ASSERT_FALSE(asker.ShownDialogs().empty());
            const QString shown = asker.ShownDialogs().back().text;
            EXPECT_TRUE(shown.contains(file.message)) << shown.toStdString();
            EXPECT_LT(shown.size(), 300);
            EXPECT_EQ(window.History().Stack().count(), 0);
        }
    }
    QString InRoot(const QString& name) const { return QDir(install.Root()).filePath(name); }

    // An edit not yet saved, so that anything that would drop it has to ask first.
    void EditUnsaved()
    {
        drive::Choose(window, u"cmbUnit"_s, 7);
        asker.Answer(u"80"_s);
        drive::Click(window, u"cmdTU"_s);
        ASSERT_EQ(window.History().Stack().count(), 1);
    }
};

TEST_F(HostileFilesTest, ImportChangesRefusesThemUnread)
{
    ExpectRefused(u"mnuImportChanges"_s,
                  HostileFiles(u"mod.json"_s,
                               R"({"format": "x-com-kestrel-changes", "version": 1, "changes": [{"table": ")"
                                   + HugeName().toUtf8() + R"(", "record": 1, "field": "Text", "value": "x"}]})",
                               u"change 1: no table \""_s + HugeNameQuoted() + u"\""_s));
}

TEST_F(HostileFilesTest, ImportTableRefusesThemUnread)
{
    ExpectRefused(u"mnuImportTable"_s,
                  HostileFiles(u"units.csv"_s, "record," + HugeName().toUtf8() + "\n",
                               u"line 1: no field \""_s + HugeNameQuoted() + u"\" in table units"_s));
}

// A change set dropped on the window is imported as the menu command imports it: one
// step to undo, and no Unsaved Changes question, since nothing is lost.
TEST_F(HostileFilesTest, ADroppedChangeSetIsImportedWithoutAskingAboutUnsavedChanges)
{
    EditUnsaved();
    ASSERT_TRUE(testfiles::Overwrite(
        InRoot(u"mod.json"_s),
        R"({"format": "x-com-kestrel-changes", "version": 1, "changes": [
             {"table": "units", "record": "Sectoid Soldier", "field": "Time Units", "value": 90}]})"));
    const std::size_t shownBefore = asker.ShownDialogs().size();
    ASSERT_TRUE(drive::Drop(window, InRoot(u"mod.json"_s)));
    EXPECT_EQ(window.History().Stack().count(), 2);
    EXPECT_EQ(asker.ShownDialogs().size(), shownBefore);
}

// Anything the window cannot open is turned away in the status bar, unread, and the
// unsaved edit is never questioned.
TEST_F(HostileFilesTest, AFolderOrHostileFileDroppedIsRefusedWithoutAQuestion)
{
    EditUnsaved();
    const HostileFiles hostile(u"mod.json"_s, "{}", {});
    ASSERT_TRUE(hostile.IsValid() && QDir().mkdir(InRoot(u"mods"_s))
                && testfiles::Overwrite(InRoot(u"notes.txt"_s), "Notes"));
    const struct {
        const char* what;
        QString path;
        QString message;
    } cases[] = {
        {"a folder", InRoot(u"mods"_s), u"Nothing was opened: mods is not a regular file: it is a folder."_s},
        {"a pipe", hostile.Cases()[1].path,
         u"Nothing was opened: mod.json is not a regular file: it is a named pipe (FIFO)."_s},
        {"a text", InRoot(u"notes.txt"_s),
         u"Nothing was opened: notes.txt is not an executable (.exe), a change set (.json) or a table (.csv)."_s},
    };
    const std::size_t shownBefore = asker.ShownDialogs().size();
    for (const auto& dropped : cases) {
        SCOPED_TRACE(dropped.what);
        ASSERT_TRUE(drive::Drop(window, dropped.path));
        EXPECT_EQ(window.statusBar()->currentMessage(), dropped.message);
        EXPECT_EQ(asker.ShownDialogs().size(), shownBefore);
        EXPECT_EQ(window.History().Stack().count(), 1);
    }
}

} // namespace
