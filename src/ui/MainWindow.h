// The main window: menus, the six editor tabs, the edit history, and the load, save and
// close commands.
#pragma once

#include "core/Asker.h"
#include "core/DiskCheck.h"
#include "core/GameDocument.h"
#include "core/GameLoader.h"
#include "ui/EditHistory.h"
#include "ui/EditorContext.h"

#include <QMainWindow>

#include <functional>

#include <array>

class BaseEditorTab;
class ChangesPanel;
class EditorTab;
class FacilityEditorTab;
class ItemEditorTab;
class LoadWindow;
class QAction;
class QDockWidget;
class QMenu;
class QPushButton;
class QTabWidget;
class RecentFiles;
class SoldierNamesTab;
class StringEditorTab;
class UnitEditorTab;

class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Asker& asker, QWidget* parent = nullptr);

    // The load of "L&oad Files", with the executable given here instead of asked for.
    LoadOutcome LoadFrom(const QString& exePath);
    // Every load the user asks for by naming a path (the command line, "Open &Recent", a
    // dropped file) comes through here, so whatever must happen before the loaded files are
    // replaced is done here once.
    void LoadFromUser(const QString& exePath);


    [[nodiscard]] const GameDocument& Document() const { return m_document; }
    [[nodiscard]] EditHistory& History() { return m_history; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool event(QEvent* event) override;

private:
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuMaster_Click();
    void mnuClose_Click();
    void mnuExit_Click();
    void mnuAbout_Click();

    // What the document announced: the window's own commands, then every tab in turn.
    void SetFilesState(FilesState state);
    // The window's own two enabling states: executable accepted, and no files.
    void EnableAll();
    void DisableAll();
    void ShowSkippedFiles(const QStringList& messages);

    [[nodiscard]] std::array<EditorTab*, 6> Tabs() const;
    void CreateControls();
    void CreateMenus();
    void CreateFileMenu();
    void CreateEditMenu();
    void CreateViewMenu();
    void CreateTabs();
    void ConnectControls();
    void Open();
    // A file dropped on the window: an executable loads, a change set or table is imported.
    void OpenDropped(const QString& path);
    LoadOutcome Load(const ExeChooser& chooseExe);

    // With unsaved changes, asks whether to save them first. False when the user cancels
    // or the save fails: the caller must not go on.
    void AddTabKeys();
    enum class Leaving { ToClose, ToLoad, ToExit };
    [[nodiscard]] bool MayDropUnsavedChanges(Leaving leaving);
    bool Save();
    bool WriteSave(const std::vector<FileWrite>& writes);
    // What a command did, in the status bar; nothing when it did nothing.
    void Report(const QString& done);
    // A panel opened smaller than it can be of use grows to a useful size.
    void FitPanelWhenShown(QDockWidget* dock, const std::function<QSize()>& useful);
    // Refuses, and says why, an edit of a file another program changed since this window
    // read or wrote it: the view of it is stale, and Save would not write the edit.
    [[nodiscard]] bool MayEdit(const Edit& edit);
    // Asks before writing when a file changed on disk since it was loaded or saved. False
    // when nothing may be written now.
    [[nodiscard]] bool MayWriteOverDisk(diskcheck::Command command);
    void ReloadFromDisk();
    // The status-bar notice of files changed on disk; no dialog while the user works.
    void UpdateDiskNotice();
    void UpdateTitle();
    void EnableModCommands();
    // Brings the tab and record of an undone or redone step into sight.
    void RevealStep(const Edit& edit);
    void Reveal(const Change& change);

    GameDocument m_document;
    EditHistory m_history{m_document};
    EditorContext m_context;
    LoadWindow* m_loadWindow = nullptr;
    RecentFiles* m_recent = nullptr;
    // The status bar's last note of files changed on disk.
    QString m_diskNotice;

    struct Ui {
        QMenu* mnuFile;
        QAction* mnuOpen;
        QMenu* mnuRecent;
        QAction* mnuBack;
        QAction* mnuMaster;
        QAction* mnuSave;
        QAction* mnuClose;
        QAction* mnuExit;
        QAction* mnuImportChanges;
        QAction* mnuExportChanges;
        QAction* mnuExportTables;
        QAction* mnuImportTable;
        QMenu* mnuEdit;
        QAction* mnuUndo;
        QAction* mnuRedo;
        QAction* mnuCopy;
        QAction* mnuPaste;
        QMenu* mnuView;
        QDockWidget* historyDock;
        ChangesPanel* changesDock;
        QMenu* mnuHelp;
        QAction* mnuAbout;
        QPushButton* cmdReloadDisk;
        QTabWidget* tabFac;
        BaseEditorTab* baseEditor;
        FacilityEditorTab* facilityEditor;
        SoldierNamesTab* soldierNames;
        UnitEditorTab* unitEditor;
        ItemEditorTab* itemEditor;
        StringEditorTab* stringEditor;
    } ui{};
};
