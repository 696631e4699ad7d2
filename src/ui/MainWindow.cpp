// The main window: its menus, tabs, enabling rules and file commands.
#include "ui/MainWindow.h"

#include "core/GameSaver.h"
#include "core/OutsideFile.h"
#include "core/TextRoutines.h"
#include "ui/ChangesPanel.h"
#include "ui/CopyShortcut.h"
#include "core/Version.h"
#include "ui/Fonts.h"
#include "ui/HistoryView.h"
#include "ui/LoadWindow.h"
#include "ui/ModCommands.h"
#include "ui/ModsPanel.h"
#include "ui/RecentFiles.h"
#include "ui/RecordTableView.h"
#include "ui/tabs/BaseEditorTab.h"
#include "ui/tabs/EditorTab.h"
#include "ui/tabs/FacilityEditorTab.h"
#include "ui/tabs/ItemEditorTab.h"
#include "ui/tabs/SoldierNamesTab.h"
#include "ui/tabs/StringEditorTab.h"
#include "ui/tabs/UnitEditorTab.h"
#include "tables/Plausibility.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The game files or their backups among writes, in the order the user knows the files,
// the executable first, whatever order they were written in.
QStringList FileNames(std::vector<FileWrite> writes, bool backups)
{
    std::stable_sort(writes.begin(), writes.end(),
                     [](const FileWrite& a, const FileWrite& b) { return a.file < b.file; });
    QStringList names;
    for (const FileWrite& write : writes) {
        if (write.isBackup == backups)
            names.append(QFileInfo(write.path).fileName());
    }
    return names;
}

} // namespace

MainWindow::MainWindow(Asker& asker, QWidget* parent)
    : QMainWindow(parent)
    , m_context{m_document, m_history, asker, [this] { ui.mnuSave->setEnabled(true); },
                [this] { ui.tabFac->setCurrentIndex(0); }}
{
    setObjectName(u"frmMain"_s);
    UpdateTitle();
    setFont(fonts::TerminalFont());
    setAcceptDrops(true);
    qApp->installEventFilter(new copying::ShortcutFilter(this));
    CreateControls();
    ConnectControls();
    Open();
    // Tall enough that the longest tab, the item editor, has room to breathe; never
    // larger than the screen, since every tab can make do with less.
    const QSize roomy = sizeHint().expandedTo(QSize(0, fontMetrics().lineSpacing() * 48));
    resize(roomy.boundedTo(screen()->availableGeometry().size()));
}

void MainWindow::CreateControls()
{
    CreateMenus();
    CreateTabs();
    // Where a table cell says why it refuses a value.
    statusBar()->setObjectName(u"sbrStatus"_s);
    ui.cmdReloadDisk = new QPushButton(tr("Reload"), statusBar());
    ui.cmdReloadDisk->setObjectName(u"cmdReloadDisk"_s);
    ui.cmdReloadDisk->setToolTip(tr("Load the files again as they are on disk now"));
    statusBar()->addPermanentWidget(ui.cmdReloadDisk);
    ui.cmdReloadDisk->hide();
    m_loadWindow = new LoadWindow([this](const QStringList& messages) { ShowSkippedFiles(messages); }, this);
}

void MainWindow::CreateMenus()
{
    CreateFileMenu();
    CreateEditMenu();
    CreateViewMenu();
    ui.mnuHelp = menuBar()->addMenu(tr("&Help"));
    ui.mnuHelp->setObjectName(u"mnuHelp"_s);
    ui.mnuAbout = ui.mnuHelp->addAction(tr("&About"));
    ui.mnuAbout->setObjectName(u"mnuAbout"_s);
}

void MainWindow::CreateFileMenu()
{
    struct MenuItem {
        QAction* Ui::*action;
        QString name;
        QString caption;
        QKeySequence shortcut;
    };
    // Ctrl+C closes the files, as it always has in this editor, unless the focus holds
    // something to copy (copying::ShortcutFilter).
    const MenuItem fileItems[] = {
        {&Ui::mnuOpen, u"mnuOpen"_s, tr("L&oad Files"), QKeySequence(Qt::CTRL | Qt::Key_O)},
        {nullptr, {}, {}, {}},
        {&Ui::mnuBack, u"mnuBack"_s, tr("&Make Backups"), QKeySequence(Qt::CTRL | Qt::Key_M)},
        {&Ui::mnuMaster, u"mnuMaster"_s, tr("Make Master Backup"), QKeySequence(Qt::CTRL | Qt::Key_B)},
        {&Ui::mnuSave, u"mnuSave"_s, tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S)},
        {&Ui::mnuClose, u"mnuClose"_s, tr("&C&lose files"), QKeySequence(Qt::CTRL | Qt::Key_C)},
        {nullptr, {}, {}, {}},
        {&Ui::mnuImportChanges, u"mnuImportChanges"_s, tr("&Import Changes…"), {}},
        {&Ui::mnuExportChanges, u"mnuExportChanges"_s, tr("&Export Changes…"), {}},
        {&Ui::mnuExportTables, u"mnuExportTables"_s, tr("Export &Tables…"), {}},
        {&Ui::mnuImportTable, u"mnuImportTable"_s, tr("Import T&able…"), {}},
        {nullptr, {}, {}, {}},
        {&Ui::mnuExit, u"mnuExit"_s, tr("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_F4)},
    };

    ui.mnuFile = menuBar()->addMenu(tr("&File"));
    ui.mnuFile->setObjectName(u"mnuFile"_s);
    for (const MenuItem& item : fileItems) {
        if (!item.action) {
            ui.mnuFile->addSeparator();
            continue;
        }
        QAction* action = ui.mnuFile->addAction(item.caption);
        action->setObjectName(item.name);
        action->setShortcut(item.shortcut);
        ui.*item.action = action;
    }
    ui.mnuBack->setCheckable(true);
    ui.mnuBack->setChecked(true);
    // The usual desktop keys as second shortcuts; the editor's own stay first.
    ui.mnuClose->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_W)});
    ui.mnuExit->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_F4), QKeySequence(Qt::CTRL | Qt::Key_Q)});

    ui.mnuRecent = new QMenu(tr("Open &Recent"), ui.mnuFile);
    ui.mnuRecent->setObjectName(u"mnuRecent"_s);
    ui.mnuRecent->menuAction()->setObjectName(u"mnuRecent"_s);
    const QList<QAction*> fileActions = ui.mnuFile->actions();
    ui.mnuFile->insertMenu(fileActions.value(fileActions.indexOf(ui.mnuOpen) + 1), ui.mnuRecent);
    m_recent = new RecentFiles(*ui.mnuRecent);
}

// Qt's undo actions name the step they take back or do again: "Undo Hangar: Hit Ratio (%) 20 → 30".
void MainWindow::CreateEditMenu()
{
    ui.mnuEdit = menuBar()->addMenu(tr("&Edit"));
    ui.mnuEdit->setObjectName(u"mnuEdit"_s);
    ui.mnuUndo = m_history.Stack().createUndoAction(this, tr("&Undo"));
    ui.mnuUndo->setObjectName(u"mnuUndo"_s);
    ui.mnuUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    ui.mnuRedo = m_history.Stack().createRedoAction(this, tr("&Redo"));
    ui.mnuRedo->setObjectName(u"mnuRedo"_s);
    ui.mnuRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    ui.mnuEdit->addAction(ui.mnuUndo);
    ui.mnuEdit->addAction(ui.mnuRedo);
    ui.mnuEdit->addSeparator();
    // Copy has no key of its own: Ctrl+C is Close files', except where the focus holds
    // something to copy.
    ui.mnuCopy = ui.mnuEdit->addAction(tr("&Copy"));
    ui.mnuCopy->setObjectName(u"mnuCopy"_s);
    ui.mnuPaste = ui.mnuEdit->addAction(tr("&Paste"));
    ui.mnuPaste->setObjectName(u"mnuPaste"_s);
    ui.mnuPaste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    connect(ui.mnuEdit, &QMenu::aboutToShow, this, [this] {
        const bool inTable = RecordTableView::Focused() != nullptr;
        ui.mnuCopy->setEnabled(inTable || copying::CopyableText(QApplication::focusWidget()));
        ui.mnuPaste->setEnabled(inTable);
    });
    connect(ui.mnuCopy, &QAction::triggered, this, [] {
        if (RecordTableView* table = RecordTableView::Focused())
            table->Copy();
        else
            copying::CopyFromFocus();
    });
    connect(ui.mnuPaste, &QAction::triggered, this, [] {
        if (RecordTableView* table = RecordTableView::Focused())
            table->Paste();
    });
}

void MainWindow::CreateViewMenu()
{
    ui.mnuView = menuBar()->addMenu(tr("&View"));
    ui.mnuView->setObjectName(u"mnuView"_s);
    ui.historyDock = new QDockWidget(tr("Edit History"), this);
    ui.historyDock->setObjectName(u"dockHistory"_s);
    auto* history = new HistoryView(&m_history.Stack(), ui.historyDock);
    history->setObjectName(u"lstHistory"_s);
    history->setEmptyLabel(tr("<files as loaded>"));
    ui.historyDock->setWidget(history);
    addDockWidget(Qt::RightDockWidgetArea, ui.historyDock);
    ui.historyDock->hide();
    QAction* toggle = ui.historyDock->toggleViewAction();
    toggle->setText(tr("Edit &History"));
    toggle->setObjectName(u"mnuHistory"_s);
    ui.mnuView->addAction(toggle);

    ui.changesDock = new ChangesPanel(m_document, m_history, this);
    addDockWidget(Qt::BottomDockWidgetArea, ui.changesDock);
    ui.changesDock->hide();
    QAction* changes = ui.changesDock->toggleViewAction();
    changes->setObjectName(u"mnuChanges"_s);
    ui.mnuView->addAction(changes);

    FitPanelWhenShown(ui.historyDock, [history] {
        return QSize(history->UsefulWidth(), history->fontMetrics().lineSpacing() * 12);
    });
    FitPanelWhenShown(ui.changesDock, [this] {
        return QSize(fontMetrics().averageCharWidth() * 60, ui.changesDock->UsefulContentHeight());
    });
    ui.modsDock = new ModsPanel(m_document, m_history, m_context.asker, this);
    addDockWidget(Qt::BottomDockWidgetArea, ui.modsDock);
    // Beside the Changes panel both would be too narrow on a small screen; as tabs of one
    // panel each keeps the whole width, and the one just opened comes to the front.
    tabifyDockWidget(ui.changesDock, ui.modsDock);
    ui.modsDock->hide();
    QAction* mods = ui.modsDock->toggleViewAction();
    for (QDockWidget* dock : {static_cast<QDockWidget*>(ui.changesDock), static_cast<QDockWidget*>(ui.modsDock)})
        connect(dock->toggleViewAction(), &QAction::triggered, dock, [dock](bool shown) {
            if (shown)
                dock->raise();
        });
    mods->setObjectName(u"mnuMods"_s);
    ui.mnuView->addAction(mods);
}

// Left to the layout, a panel gets what the tabs leave over, which may be a line or two;
// a panel the user made larger keeps its size.
void MainWindow::FitPanelWhenShown(QDockWidget* dock, const std::function<QSize()>& useful)
{
    connect(dock, &QDockWidget::visibilityChanged, this, [this, dock, useful](bool visible) {
        if (!visible)
            return;
        // Measured once the layout has placed the panel.
        QTimer::singleShot(0, this, [this, dock, useful] {
            if (!dock->isVisible() || dock->isFloating() || !dock->widget())
                return;
            const QSize content = useful();
            const QSize frame = dock->size() - dock->widget()->size();
            const Qt::DockWidgetArea area = dockWidgetArea(dock);
            if (area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea) {
                if (dock->widget()->height() < content.height())
                    resizeDocks({dock}, {content.height() + frame.height()}, Qt::Vertical);
            } else if (dock->widget()->width() < content.width()) {
                resizeDocks({dock}, {content.width() + frame.width()}, Qt::Horizontal);
            }
        });
    });
}

void MainWindow::CreateTabs()
{
    ui.tabFac = new QTabWidget(this);
    ui.tabFac->setObjectName(u"tabFac"_s);
    // Made inside the tab strip so each tab measures its controls in the window's font.
    ui.baseEditor = new BaseEditorTab(m_context, ui.tabFac);
    ui.facilityEditor = new FacilityEditorTab(m_context, ui.tabFac);
    ui.soldierNames = new SoldierNamesTab(m_context, ui.tabFac);
    ui.unitEditor = new UnitEditorTab(m_context, ui.tabFac);
    ui.itemEditor = new ItemEditorTab(m_context, ui.tabFac);
    ui.stringEditor = new StringEditorTab(m_context, ui.tabFac);
    ui.tabFac->addTab(ui.baseEditor, tr("Base Editor"));
    ui.tabFac->addTab(ui.facilityEditor, tr("Facility Editor"));
    ui.tabFac->addTab(ui.soldierNames, tr("Soldier Names"));
    ui.tabFac->addTab(ui.unitEditor, tr("Unit Editor"));
    ui.tabFac->addTab(ui.itemEditor, tr("Item Editor"));
    ui.tabFac->addTab(ui.stringEditor, tr("String Editor"));
    setCentralWidget(ui.tabFac);
    AddTabKeys();
}

// The tab strip takes Ctrl+Tab only while it has the focus; these work from anywhere in
// the window, a combo box included.
void MainWindow::AddTabKeys()
{
    const auto step = [this](int by) {
        const int count = ui.tabFac->count();
        ui.tabFac->setCurrentIndex((ui.tabFac->currentIndex() + by + count) % count);
    };
    const std::pair<QKeySequence, int> steps[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},      {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1}, {QKeySequence(Qt::CTRL | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
    };
    for (const auto& [keys, by] : steps)
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [step, by] { step(by); });
    for (int tab = 0; tab < ui.tabFac->count(); ++tab) {
        connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + tab)), this), &QShortcut::activated, this,
                [this, tab] { ui.tabFac->setCurrentIndex(tab); });
    }
}

void MainWindow::ConnectControls()
{
    connect(ui.mnuOpen, &QAction::triggered, this, &MainWindow::mnuOpen_Click);
    connect(ui.mnuSave, &QAction::triggered, this, &MainWindow::mnuSave_Click);
    connect(ui.mnuMaster, &QAction::triggered, this, &MainWindow::mnuMaster_Click);
    connect(ui.mnuClose, &QAction::triggered, this, &MainWindow::mnuClose_Click);
    connect(ui.mnuExit, &QAction::triggered, this, &MainWindow::mnuExit_Click);
    connect(ui.mnuAbout, &QAction::triggered, this, &MainWindow::mnuAbout_Click);
    connect(ui.mnuImportChanges, &QAction::triggered, this,
            [this] { Report(modcommands::ImportChanges(m_document, m_history, m_context.asker)); });
    connect(ui.mnuExportChanges, &QAction::triggered, this,
            [this] { Report(modcommands::ExportChanges(m_document, m_context.asker)); });
    connect(ui.mnuExportTables, &QAction::triggered, this,
            [this] { Report(modcommands::ExportTables(m_document, m_context.asker)); });
    connect(ui.mnuImportTable, &QAction::triggered, this,
            [this] { Report(modcommands::ImportTable(m_document, m_history, m_context.asker)); });
    connect(&m_document, &GameDocument::Reset, this, &MainWindow::EnableModCommands);
    connect(&m_document, &GameDocument::FilesStateChanged, this, &MainWindow::SetFilesState);
    connect(&m_history.Stack(), &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });
    connect(&m_history, &EditHistory::Revisited, this, &MainWindow::RevealStep);
    connect(ui.changesDock, &ChangesPanel::RevealRequested, this, &MainWindow::Reveal);
    connect(ui.modsDock, &ModsPanel::MasterBackupRequested, this, &MainWindow::mnuMaster_Click);
    connect(&m_document, &GameDocument::Reset, this, &MainWindow::UpdateTitle);
    connect(m_recent, &RecentFiles::Chosen, this, &MainWindow::LoadFromUser);
    connect(&m_document, &GameDocument::Reset, this, &MainWindow::UpdateDiskNotice);
    connect(ui.cmdReloadDisk, &QPushButton::clicked, this, &MainWindow::ReloadFromDisk);
    m_history.SetGuard([this](const Edit& edit) { return MayEdit(edit); });
}

// What the window does as it opens: start with no files, then fill the fixed lists.
void MainWindow::Open()
{
    SetFilesState(FilesState::None);
    EnableModCommands();
    ui.baseEditor->FillChoiceLists();
    ui.facilityEditor->FillTypeList();
    ui.soldierNames->ShowIntroduction();
    ui.unitEditor->FillUnitList();
    ui.stringEditor->ShowIntroduction();
}

// The tab strip opens only once every file was read; a load that read the executable
// alone leaves it as it was.
void MainWindow::SetFilesState(FilesState state)
{
    if (state == FilesState::None)
        DisableAll();
    else
        EnableAll();
    for (EditorTab* tab : Tabs())
        tab->SetFilesState(state);
    if (state == FilesState::Complete)
        ui.tabFac->setEnabled(true);
}

void MainWindow::EnableAll()
{
    for (QAction* action : {ui.mnuSave, ui.mnuBack, ui.mnuClose, ui.mnuMaster})
        action->setEnabled(true);
    // Only a load announces files, once it has accepted an executable, whatever the data
    // files did next.
    m_recent->Add(m_document.Files().ExePath);
}

std::array<EditorTab*, 6> MainWindow::Tabs() const
{
    return {ui.baseEditor, ui.facilityEditor, ui.soldierNames, ui.unitEditor, ui.itemEditor, ui.stringEditor};
}

void MainWindow::DisableAll()
{
    for (QAction* action : {ui.mnuSave, ui.mnuBack, ui.mnuClose, ui.mnuMaster})
        action->setEnabled(false);
    ui.tabFac->setCurrentIndex(0);
    ui.tabFac->setEnabled(false);
}

// One box after the load, over the finished progress window: the load itself went on, so
// this only says which languages the String Editor will not offer, and why.
void MainWindow::ShowSkippedFiles(const QStringList& messages)
{
    m_context.asker.ShowError(tr("Language files"),
                              tr("Some language files were not loaded:\n\n") + messages.join(u'\n'));
}

LoadOutcome MainWindow::Load(const ExeChooser& chooseExe)
{
    return m_document.Load(chooseExe, *m_loadWindow, plausibility::Gate([this](const QStringList& reasons) {
        return loading::AskLoadAnyway(m_context.asker, reasons);
    }));
}

LoadOutcome MainWindow::LoadFrom(const QString& exePath)
{
    return Load([exePath]() -> std::optional<QString> { return exePath; });
}

void MainWindow::LoadFromUser(const QString& exePath)
{
    if (MayDropUnsavedChanges(Leaving::ToLoad))
        (void)LoadFrom(exePath);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.front().isLocalFile())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.front().isLocalFile())
        return;
    event->acceptProposedAction();
    // Loaded after the drop has returned, so the program the file came from is not held up
    // while the load, or a question before it, runs.
    const QString path = urls.front().toLocalFile();
    QTimer::singleShot(0, this, [this, path] { OpenDropped(path); });
}

// The path is looked at before anything else happens, so a folder or a pipe dropped by
// mistake never brings up the Unsaved Changes question, nor blocks the window.
void MainWindow::OpenDropped(const QString& path)
{
    if (const QString refusal = outsidefile::Refusal(path); !refusal.isEmpty()) {
        statusBar()->showMessage(tr("Nothing was opened: %1").arg(refusal));
        return;
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    const QString name = modEdit::Excerpt(QFileInfo(path).fileName());
    if (suffix == u"exe"_s) {
        LoadFromUser(path);
    } else if (suffix != u"json"_s && suffix != u"csv"_s) {
        statusBar()->showMessage(
            tr("Nothing was opened: %1 is not an executable (.exe), a change set (.json) or a table (.csv).").arg(name));
    } else if (m_document.State() != FilesState::Complete) {
        statusBar()->showMessage(tr("Nothing was imported: load the game files before importing %1.").arg(name));
    } else if (suffix == u"json"_s) {
        Report(modcommands::ImportChangesFrom(path, m_document, m_history, m_context.asker));
    } else {
        Report(modcommands::ImportTableFrom(path, m_document, m_history, m_context.asker));
    }
}

void MainWindow::mnuOpen_Click()
{
    if (!MayDropUnsavedChanges(Leaving::ToLoad))
        return;
    Load([this] { return m_context.asker.AskOpenFile(tr("Open"), tr("UFO Executable (ufo.exe)|*.exe")); });
}

void MainWindow::mnuSave_Click()
{
    Save();
}

// The plan is made again after each answer, so a file changed while the question was
// open is decided on as it is now, not as it was.
bool MainWindow::Save()
{
    std::vector<GameFile> overwrite;
    for (;;) {
        const diskcheck::SavePlan plan =
            diskcheck::PlanSave(m_document.FilesToSave(), ui.mnuBack->isChecked(), overwrite);
        if (plan.conflicts.empty())
            return WriteSave(plan.writes);
        switch (diskcheck::Ask(plan.conflicts, diskcheck::Command::Save, m_context.asker)) {
        case diskcheck::Decision::Write:
            for (const ChangedFile& conflict : plan.conflicts)
                overwrite.push_back(conflict.file);
            break;
        case diskcheck::Decision::Reload: ReloadFromDisk(); return false;
        case diskcheck::Decision::Cancel: return false;
        }
    }
}

bool MainWindow::WriteSave(const std::vector<FileWrite>& writes)
{
    if (!saving::Save(m_document.FilesToSave(), writes, m_context.asker))
        return false;
    m_document.NoteSaved(writes);
    m_history.MarkSaved();
    const QString saved = FileNames(writes, false).join(u", "_s);
    Report(FileNames(writes, true).isEmpty() ? tr("Saved %1").arg(saved)
                                             : tr("Saved %1; backups beside them").arg(saved));
    // A file another program changed, and this save left alone, matters more.
    UpdateDiskNotice();
    return true;
}

void MainWindow::Report(const QString& done)
{
    if (!done.isEmpty())
        statusBar()->showMessage(done);
}

bool MainWindow::MayEdit(const Edit& edit)
{
    std::vector<GameFile> files;
    for (const Change& change : edit.changes) {
        if (std::find(files.begin(), files.end(), change.file) == files.end())
            files.push_back(change.file);
    }
    for (const GameFile file : files) {
        if (!diskcheck::IsStale(m_document.Files(), file))
            continue;
        UpdateDiskNotice();
        m_context.asker.ShowError(
            tr("Edit Refused"),
            tr("%1 was changed on disk by another program, so what this window shows of it is stale. Nothing was "
               "changed.\n\nReload the files (the Reload button in the status bar) to edit it.")
                .arg(QFileInfo(m_document.Files().Buffer(file).sourcePath).fileName()));
        return false;
    }
    return true;
}

void MainWindow::mnuMaster_Click()
{
    if (!saving::ConfirmMasterBackup(m_context.asker) || !MayWriteOverDisk(diskcheck::Command::MasterBackup))
        return;
    const bool written = saving::WriteMasterBackup(m_document.FilesToSave(), m_context.asker);
    ui.modsDock->UpdateBase();
    if (written)
        Report(tr("Made master backups: %1")
                   .arg(FileNames(saving::MasterBackupWrites(m_document.FilesToSave()), true).join(u", "_s)));
}

bool MainWindow::MayWriteOverDisk(diskcheck::Command command)
{
    switch (diskcheck::Confirm(m_document.Files(), command, m_context.asker)) {
    case diskcheck::Decision::Write: return true;
    case diskcheck::Decision::Reload: ReloadFromDisk(); break;
    case diskcheck::Decision::Cancel: break;
    }
    return false;
}

// The same executable again; unsaved edits go only once the user has said so twice.
void MainWindow::ReloadFromDisk()
{
    if (m_history.HasUnsavedChanges()
        && !m_context.asker.AskYesNo(tr("Discard Unsaved Changes"),
                                     tr("Reloading discards the changes you have not saved. Discard them and load "
                                        "the files from disk?")))
        return;
    (void)LoadFrom(m_document.Files().ExePath);
}

bool MainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        UpdateDiskNotice();
    return QMainWindow::event(event);
}

void MainWindow::UpdateDiskNotice()
{
    const std::vector<ChangedFile> changed = diskcheck::ChangedFiles(m_document.Files(), diskcheck::Depth::Quick);
    // The bar appears with the first notice, so a window that never needs one keeps its room.
    if (!changed.empty()) {
        m_diskNotice = diskcheck::Notice(m_document.Files(), changed);
        statusBar()->showMessage(m_diskNotice);
    } else if (auto* bar = findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly)) {
        // Only its own notice: the reason a dropped file was turned away stays in sight
        // when the drop activates the window.
        if (bar->currentMessage() == m_diskNotice)
            bar->clearMessage();
    }
    ui.cmdReloadDisk->setVisible(!changed.empty());
}

// Unsaved edits are gone after Close, so their buffers go too: a later Save can never
// write them, whatever the next load reads.
void MainWindow::mnuClose_Click()
{
    if (!MayDropUnsavedChanges(Leaving::ToClose))
        return;
    m_document.Close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!MayDropUnsavedChanges(Leaving::ToExit)) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

// The question names what is about to happen, so that its answer is not a reflex.
bool MainWindow::MayDropUnsavedChanges(Leaving leaving)
{
    if (!m_history.HasUnsavedChanges())
        return true;
    const QString question = leaving == Leaving::ToClose  ? tr("Save them before closing the files?")
                             : leaving == Leaving::ToLoad ? tr("Save them before loading other files?")
                                                          : tr("Save them before exiting?");
    switch (m_context.asker.AskSaveDiscardCancel(tr("Unsaved Changes"), tr("The game files have changes that are not saved."),
                                                 question)) {
    case Asker::Choice::Save: return Save();
    case Asker::Choice::Discard: return true;
    case Asker::Choice::Cancel: break;
    }
    return false;
}

// A mod needs every file it may name: the commands wait for a complete load.
void MainWindow::EnableModCommands()
{
    const bool complete = m_document.State() == FilesState::Complete;
    for (QAction* action : {ui.mnuImportChanges, ui.mnuExportChanges, ui.mnuExportTables, ui.mnuImportTable})
        action->setEnabled(complete);
}

void MainWindow::UpdateTitle()
{
    const QString exePath = m_document.Files().ExePath;
    if (!m_document.HasExecutable() || exePath.isEmpty()) {
        setWindowTitle(tr("UFO.EXE Editor"));
    } else {
        setWindowTitle(tr("UFO.EXE Editor — %1[*]").arg(QFileInfo(exePath).fileName()));
    }
    setWindowModified(m_history.HasUnsavedChanges());
}

void MainWindow::RevealStep(const Edit& edit)
{
    if (!edit.changes.empty())
        Reveal(edit.changes.front());
}

void MainWindow::Reveal(const Change& change)
{
    for (EditorTab* tab : Tabs()) {
        if (tab->Reveal(change)) {
            ui.tabFac->setCurrentWidget(tab);
            return;
        }
    }
}

void MainWindow::mnuExit_Click()
{
    close();
}

void MainWindow::mnuAbout_Click()
{
    m_context.asker.ShowMessage(tr("About"), tr("The current version is %1 beta.\n"
                                                "Written by the X-Com Kestrel developers.\n"
                                                "It only works for Collector's Edition of X-Com: Ufo Defense at the "
                                                "present time.")
                                                 .arg(u"" KESTREL_VERSION ""_s));
}
