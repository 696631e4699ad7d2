// Change sets and tables through the File menu: exported, imported as one undoable step,
// and refused whole with the reasons named.
#include "LoadedWindow.h"
#include "WindowDriver.h"
#include "WindowProbe.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QPushButton>
#include <QStatusBar>
#include <QUndoStack>

using namespace Qt::StringLiterals;

namespace {

class ModCommands : public LoadedWindowTest {
protected:
    void SetUp() override
    {
        LoadedWindowTest::SetUp();
        ASSERT_TRUE(other.has_value());
    }
    QString InRoot(const QString& name) const { return QDir(install.Root()).filePath(name); }

    std::optional<SamplePaths> other = install.AddInstall(u"dos14"_s, GameVersion::Dos14);
};

TEST_F(ModCommands, AModExportedFromOneBuildImportsIntoAnotherAsOneStep)
{
    drive::Choose(window, u"cmbUnit"_s, 7);
    asker.Answer(u"80"_s);
    drive::Click(window, u"cmdTU"_s);
    drive::DoubleClickRow(window, u"lstEng1"_s, 12);
    drive::Type(window, u"Text1"_s, u"Laser Rifle"_s);
    drive::Click(window, u"cmdApplyStr"_s);
    asker.AnswerSaveFile(InRoot(u"mod"_s));
    drive::Trigger(window, u"mnuExportChanges"_s);
    const QByteArray mod = testfiles::Read(InRoot(u"mod.json"_s)).value_or(QByteArray());
    EXPECT_TRUE(mod.contains(
        R"({"table":"units", "record":"Sectoid Soldier", "field":"Time Units", "was":54, "value":80})"));

    ASSERT_EQ(window.LoadFrom(other->exePath), LoadOutcome::Complete);
    asker.AnswerOpenFile(InRoot(u"mod.json"_s));
    drive::Trigger(window, u"mnuImportChanges"_s);
    EXPECT_EQ(window.History().Stack().count(), 1);
    EXPECT_EQ(window.Document().Working(GameFile::Executable).at(380005), char(80));  // DOS 1.4's offset
    drive::Choose(window, u"cmbUnit"_s, 7);
    EXPECT_EQ(probe::Find<QPushButton>(window, u"cmdTU"_s)->text(), u"80"_s);
    drive::Trigger(window, u"mnuUndo"_s);
    EXPECT_EQ(window.Document().Working(GameFile::Executable), window.Document().Pristine(GameFile::Executable));
}

TEST_F(ModCommands, ARefusedFileChangesNothingAndSaysWhy)
{
    ASSERT_TRUE(testfiles::Overwrite(
        InRoot(u"bad.json"_s),
        R"({"format": "x-com-kestrel-changes", "version": 1, "changes": [
             {"table": "units", "record": "Sectoid Soldier", "field": "Time Units", "value": 80},
             {"table": "units", "record": "Sectoid Soldier", "field": "Bravery", "value": 120}]})"));
    asker.AnswerOpenFile(InRoot(u"bad.json"_s)).AcknowledgeError();
    drive::Trigger(window, u"mnuImportChanges"_s);
    EXPECT_TRUE(asker.ShownDialogs().back().text.contains(
        u"change 2 (units / Sectoid Soldier / Bravery): 120 is above the limit 110"_s));
    EXPECT_EQ(window.History().Stack().count(), 0);
    EXPECT_EQ(window.Document().Working(GameFile::Executable), window.Document().Pristine(GameFile::Executable));
}

// The game's own values past the form's limits are a revert's business, but look like a
// typo: the window asks before applying them.
TEST_F(ModCommands, ValuesPastTheFormsLimitsAreAppliedOnlyWhenConfirmed)
{
    ASSERT_TRUE(testfiles::Overwrite(InRoot(u"strong.json"_s), R"({"format": "x-com-kestrel-changes", "version": 1,
        "changes": [{"table": "units", "record": "Sectoid Soldier", "field": "Strength", "value": 110}]})"));
    for (const bool yes : {false, true}) {
        asker.AnswerOpenFile(InRoot(u"strong.json"_s)).AnswerYesNo(yes);
        drive::Trigger(window, u"mnuImportChanges"_s);
        EXPECT_TRUE(asker.ShownDialogs().back().text.contains(
            u"units / Sectoid Soldier / Strength: 110 is above the limit 100 the form allows"_s));
        EXPECT_EQ(window.History().Stack().count(), yes ? 1 : 0);
    }
    EXPECT_EQ(window.Document().Working(GameFile::Executable).at(480425), char(110));
}

TEST_F(ModCommands, TablesExportedAndImportedUnchangedChangeNothing)
{
    asker.AnswerFolder(install.Root());
    drive::Trigger(window, u"mnuExportTables"_s);
    for (const QString& table : {u"units"_s, u"items"_s, u"english.dat"_s, u"base"_s}) {
        ASSERT_TRUE(QFile::exists(InRoot(table + u".csv"_s))) << table.toStdString();
        asker.AnswerOpenFile(InRoot(table + u".csv"_s)).AcknowledgeMessage();
        drive::Trigger(window, u"mnuImportTable"_s);
    }
    EXPECT_EQ(window.History().Stack().count(), 0);

    // A second export into the same folder asks first; No leaves the files as they are.
    ASSERT_TRUE(testfiles::Overwrite(InRoot(u"units.csv"_s), "kept"));
    asker.AnswerFolder(install.Root()).AnswerYesNo(false);
    drive::Trigger(window, u"mnuExportTables"_s);
    EXPECT_EQ(asker.PendingAnswers(), 0u);
    EXPECT_EQ(testfiles::Read(InRoot(u"units.csv"_s)), QByteArray("kept"));
    asker.AnswerFolder(install.Root()).AnswerYesNo(true);
    drive::Trigger(window, u"mnuExportTables"_s);

    // A cell is read strictly: text is refused, never stored as 0 or as its leading number.
    // The header names the table, whatever the file is called.
    const QByteArray units = testfiles::Read(InRoot(u"units.csv"_s)).value_or(QByteArray());
    ASSERT_TRUE(testfiles::Overwrite(InRoot(u"units (1).csv"_s),
                                     QByteArray(units).replace("Sectoid Soldier,54,", "Sectoid Soldier,1e2,")));
    asker.AnswerOpenFile(InRoot(u"units (1).csv"_s)).AcknowledgeError();
    drive::Trigger(window, u"mnuImportTable"_s);
    EXPECT_TRUE(asker.ShownDialogs().back().text.endsWith(u", Time Units: \"1e2\" is not a number"_s))
        << asker.ShownDialogs().back().text.toStdString();
    EXPECT_EQ(window.History().Stack().count(), 0);

    // As many European spreadsheet settings save it: semicolons between the fields.
    ASSERT_TRUE(testfiles::Overwrite(InRoot(u"units (1).csv"_s),
                                     QByteArray(units).replace("Sectoid Soldier,54,", "Sectoid Soldier,80,").replace(',', ';')));
    asker.AnswerOpenFile(InRoot(u"units (1).csv"_s)).AcknowledgeMessage();
    drive::Trigger(window, u"mnuImportTable"_s);
    EXPECT_EQ(asker.ShownDialogs().back().text, u"units (1).csv: the fields are separated by semicolons."_s);
    EXPECT_EQ(window.History().Stack().count(), 1);
    EXPECT_EQ(window.Document().Working(GameFile::Executable).at(480421), char(80));
}

// Export Changes… to the name of a game file or a backup, the link resolved, writes nothing.
TEST_F(ModCommands, AnExportOverTheInstallsOwnFilesIsRefused)
{
    const QString alias = InRoot(u"alias.json"_s);
    ASSERT_TRUE(QFile::link(install.Paths().english, alias));
    const testfiles::Snapshot before = testfiles::Take(install.Root());
    for (const QString& own : {install.Paths().exePath, alias}) {
        asker.AnswerSaveFile(own).AcknowledgeError();
        drive::Trigger(window, u"mnuExportChanges"_s);
        EXPECT_EQ(asker.ShownDialogs().back().text,
                  QDir::toNativeSeparators(own)
                      + u" is one of the game files or their backups; nothing was written. Choose another name."_s);
    }
    EXPECT_EQ(testfiles::Take(install.Root()), before);
}

} // namespace

namespace {

class StatusMessages : public LoadedWindowTest {
protected:
    QString Status() const { return probe::Find<QStatusBar>(window, u"sbrStatus"_s)->currentMessage(); }
    QString InRoot(const QString& name) const { return QDir(install.Root()).filePath(name); }
};

TEST_F(StatusMessages, FileCommandsSayWhatTheyDid)
{
    asker.Answer(u"7"_s);
    drive::DoubleClickRow(window, u"lstItems"_s, 2);

    drive::Trigger(window, u"mnuSave"_s);
    EXPECT_EQ(Status(), u"Saved ufo.exe, obdata.dat, english.dat, english2.dat; backups beside them"_s);

    asker.AnswerYesNo(true);
    drive::Trigger(window, u"mnuMaster"_s);
    EXPECT_EQ(Status(), u"Made master backups: ufo.exe(MASTER).bak, OBDATA(MASTER).bak, ENGLISH(MASTER).bak, "
                        u"ENGLISH2(MASTER).bak"_s);

    asker.AnswerSaveFile(InRoot(u"mod"_s));
    drive::Trigger(window, u"mnuExportChanges"_s);
    EXPECT_EQ(Status(), u"Exported one change to "_s + QDir::toNativeSeparators(InRoot(u"mod.json"_s)));

    // Imported after an undo, the step takes the place of the one undone.
    drive::Trigger(window, u"mnuUndo"_s);
    asker.AnswerOpenFile(InRoot(u"mod.json"_s));
    drive::Trigger(window, u"mnuImportChanges"_s);
    EXPECT_EQ(Status(), u"Imported mod.json: one change; Undo takes it back"_s);

    // A cancelled command says nothing new.
    asker.AnswerOpenFile(std::nullopt);
    drive::Trigger(window, u"mnuImportTable"_s);
    EXPECT_EQ(Status(), u"Imported mod.json: one change; Undo takes it back"_s);
}

} // namespace
