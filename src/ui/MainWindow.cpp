// The main window: its menus, tabs, enabling rules and file commands.
#include "ui/MainWindow.h"

#include "core/GameSaver.h"
#include "ui/Fonts.h"
#include "ui/LoadWindow.h"
#include "ui/tabs/BaseEditorTab.h"
#include "ui/tabs/EditorTab.h"
#include "ui/tabs/FacilityEditorTab.h"
#include "ui/tabs/ItemEditorTab.h"
#include "ui/tabs/SoldierNamesTab.h"
#include "ui/tabs/StringEditorTab.h"
#include "ui/tabs/UnitEditorTab.h"

#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTabWidget>
#include <QUndoView>

using namespace Qt::StringLiterals;

MainWindow::MainWindow(Asker& asker, QWidget* parent)
    : QMainWindow(parent)
    , m_context{m_document, m_history, asker, [this] { ui.mnuSave->setEnabled(true); },
                [this] { ui.tabFac->setCurrentIndex(0); }}
{
    setObjectName(u"frmMain"_s);
    UpdateTitle();
    setFont(fonts::TerminalFont());
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
    m_loadWindow = new LoadWindow(this);
}

void MainWindow::CreateMenus()
{
    CreateFileMenu();
    CreateEditMenu();
    CreateViewMenu();
    ui.mnuHelp = menuBar()->addMenu(u"&Help"_s);
    ui.mnuHelp->setObjectName(u"mnuHelp"_s);
    ui.mnuAbout = ui.mnuHelp->addAction(u"&About"_s);
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
    // Ctrl+C closes the files here, as it always has in this editor; it is no copy key.
    const MenuItem fileItems[] = {
        {&Ui::mnuOpen, u"mnuOpen"_s, u"L&oad Files"_s, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {nullptr, {}, {}, {}},
        {&Ui::mnuBack, u"mnuBack"_s, u"&Make Backups"_s, QKeySequence(Qt::CTRL | Qt::Key_M)},
        {&Ui::mnuMaster, u"mnuMaster"_s, u"Make Master Backup"_s, QKeySequence(Qt::CTRL | Qt::Key_B)},
        {&Ui::mnuSave, u"mnuSave"_s, u"&Save"_s, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {&Ui::mnuClose, u"mnuClose"_s, u"&C&lose files"_s, QKeySequence(Qt::CTRL | Qt::Key_C)},
        {nullptr, {}, {}, {}},
        {&Ui::mnuExit, u"mnuExit"_s, u"E&xit"_s, QKeySequence(Qt::CTRL | Qt::Key_F4)},
    };

    ui.mnuFile = menuBar()->addMenu(u"&File"_s);
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
}

// Qt's undo actions name the step they take back or do again: "Undo Hangar: Hit Ratio (%) 20 → 30".
void MainWindow::CreateEditMenu()
{
    ui.mnuEdit = menuBar()->addMenu(u"&Edit"_s);
    ui.mnuEdit->setObjectName(u"mnuEdit"_s);
    ui.mnuUndo = m_history.Stack().createUndoAction(this, u"&Undo"_s);
    ui.mnuUndo->setObjectName(u"mnuUndo"_s);
    ui.mnuUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    ui.mnuRedo = m_history.Stack().createRedoAction(this, u"&Redo"_s);
    ui.mnuRedo->setObjectName(u"mnuRedo"_s);
    ui.mnuRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    ui.mnuEdit->addAction(ui.mnuUndo);
    ui.mnuEdit->addAction(ui.mnuRedo);
}

void MainWindow::CreateViewMenu()
{
    ui.mnuView = menuBar()->addMenu(u"&View"_s);
    ui.mnuView->setObjectName(u"mnuView"_s);
    ui.historyDock = new QDockWidget(u"Edit History"_s, this);
    ui.historyDock->setObjectName(u"dockHistory"_s);
    auto* history = new QUndoView(&m_history.Stack(), ui.historyDock);
    history->setObjectName(u"lstHistory"_s);
    history->setEmptyLabel(u"<files as loaded>"_s);
    ui.historyDock->setWidget(history);
    addDockWidget(Qt::RightDockWidgetArea, ui.historyDock);
    ui.historyDock->hide();
    QAction* toggle = ui.historyDock->toggleViewAction();
    toggle->setText(u"Edit &History"_s);
    toggle->setObjectName(u"mnuHistory"_s);
    ui.mnuView->addAction(toggle);
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
    ui.tabFac->addTab(ui.baseEditor, u"Base Editor"_s);
    ui.tabFac->addTab(ui.facilityEditor, u"Facility Editor"_s);
    ui.tabFac->addTab(ui.soldierNames, u"Soldier Names"_s);
    ui.tabFac->addTab(ui.unitEditor, u"Unit Editor"_s);
    ui.tabFac->addTab(ui.itemEditor, u"Item Editor"_s);
    ui.tabFac->addTab(ui.stringEditor, u"String Editor"_s);
    setCentralWidget(ui.tabFac);
}

void MainWindow::ConnectControls()
{
    connect(ui.mnuOpen, &QAction::triggered, this, &MainWindow::mnuOpen_Click);
    connect(ui.mnuSave, &QAction::triggered, this, &MainWindow::mnuSave_Click);
    connect(ui.mnuMaster, &QAction::triggered, this, &MainWindow::mnuMaster_Click);
    connect(ui.mnuClose, &QAction::triggered, this, &MainWindow::mnuClose_Click);
    connect(ui.mnuExit, &QAction::triggered, this, &MainWindow::mnuExit_Click);
    connect(ui.mnuAbout, &QAction::triggered, this, &MainWindow::mnuAbout_Click);
    connect(&m_history.Stack(), &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });
    connect(&m_history, &EditHistory::Revisited, this, &MainWindow::RevealStep);
    connect(&m_document, &GameDocument::Reset, this, &MainWindow::UpdateTitle);
}

// What the window does as it opens: start with no files, then fill the fixed lists.
void MainWindow::Open()
{
    DisableAll();
    ui.baseEditor->FillChoiceLists();
    ui.facilityEditor->FillTypeList();
    ui.soldierNames->ShowIntroduction();
    ui.unitEditor->FillUnitList();
    ui.stringEditor->ShowIntroduction();
}

void MainWindow::EnableAll()
{
    ui.baseEditor->SetGridEnabled(true);
    ui.mnuSave->setEnabled(true);
    ui.mnuBack->setEnabled(true);
    ui.baseEditor->SetStoresEnabled(true);
    ui.mnuClose->setEnabled(true);
    ui.baseEditor->HideChangeFrame();
    ui.facilityEditor->SetTypeListEnabled(true);
    ui.mnuMaster->setEnabled(true);
    for (EditorTab* tab : Tabs())
        tab->FilesChanged(FilesState::ExecutableOnly);
}

std::array<EditorTab*, 6> MainWindow::Tabs() const
{
    return {ui.baseEditor, ui.facilityEditor, ui.soldierNames, ui.unitEditor, ui.itemEditor, ui.stringEditor};
}

void MainWindow::DisableAll()
{
    ui.baseEditor->SetGridEnabled(false);
    ui.mnuSave->setEnabled(false);
    ui.mnuBack->setEnabled(false);
    ui.baseEditor->SetStoresEnabled(false);
    ui.baseEditor->HideChangeFrame();
    ui.mnuClose->setEnabled(false);
    ui.baseEditor->ClearStores();
    ui.facilityEditor->SetTypeListEnabled(false);
    ui.facilityEditor->DisableValues();
    ui.tabFac->setCurrentIndex(0);
    ui.tabFac->setEnabled(false);
    ui.mnuMaster->setEnabled(false);
    ui.facilityEditor->ClearValueCaptions();
    ui.baseEditor->ClearGridCaptions();
    ui.baseEditor->ShowVersion(QString());
}

void MainWindow::ShowVersion(const QString& caption)
{
    ui.baseEditor->ShowVersion(caption);
}

void MainWindow::UpdateItemsList()
{
    ui.baseEditor->UpdateItemsList();
}

void MainWindow::UpdateBase()
{
    ui.baseEditor->UpdateBase();
}

void MainWindow::EnableTabs()
{
    ui.tabFac->setEnabled(true);
}

void MainWindow::FillItemList()
{
    ui.itemEditor->FillItemList();
}

void MainWindow::FillStringLists()
{
    ui.stringEditor->FillStringLists();
}

void MainWindow::FillFirstNames()
{
    ui.soldierNames->FillFirstNames();
}

void MainWindow::FillLastNames()
{
    ui.soldierNames->FillLastNames();
}

// One box after the load, over the finished progress window: the load itself went on, so
// this only says which languages the String Editor will not offer, and why.
void MainWindow::ShowSkippedFiles(const QStringList& messages)
{
    m_context.asker.ShowError(u"Language files"_s,
                              u"Some language files were not loaded:\n\n"_s + messages.join(u'\n'));
}

LoadOutcome MainWindow::Load(const ExeChooser& chooseExe)
{
    return m_document.Load(chooseExe, *m_loadWindow, *this);
}

LoadOutcome MainWindow::LoadFrom(const QString& exePath)
{
    return Load([exePath]() -> std::optional<QString> { return exePath; });
}

void MainWindow::mnuOpen_Click()
{
    if (!MayDropUnsavedChanges())
        return;
    Load([this] {
        return m_context.asker.AskOpenFile(u"Open"_s, u"UFO Executable (ufo.exe)|*.exe"_s);
    });
}

void MainWindow::mnuSave_Click()
{
    Save();
}

bool MainWindow::Save()
{
    if (!saving::Save(m_document.FilesToSave(), ui.mnuBack->isChecked(), m_context.asker))
        return false;
    m_history.MarkSaved();
    return true;
}

void MainWindow::mnuMaster_Click()
{
    saving::MakeMasterBackup(m_document.FilesToSave(), m_context.asker);
}

// Unsaved edits are gone after Close, so their buffers go too: a later Save can never
// write them, whatever the next load reads.
void MainWindow::mnuClose_Click()
{
    if (!MayDropUnsavedChanges())
        return;
    DisableAll();
    m_document.Close();
    for (EditorTab* tab : Tabs())
        tab->FilesChanged(FilesState::None);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!MayDropUnsavedChanges()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

bool MainWindow::MayDropUnsavedChanges()
{
    if (!m_history.HasUnsavedChanges())
        return true;
    switch (m_context.asker.AskSaveDiscardCancel(u"Unsaved Changes"_s,
                                                 u"The game files have changes that are not saved."_s,
                                                 u"Save them before going on?"_s)) {
    case Asker::Choice::Save: return Save();
    case Asker::Choice::Discard: return true;
    case Asker::Choice::Cancel: break;
    }
    return false;
}

void MainWindow::UpdateTitle()
{
    const QString exePath = m_document.Files().ExePath;
    if (!m_document.HasExecutable() || exePath.isEmpty()) {
        setWindowTitle(u"UFO.EXE Editor"_s);
    } else {
        setWindowTitle(u"UFO.EXE Editor \u2014 %1[*]"_s.arg(QFileInfo(exePath).fileName()));
    }
    setWindowModified(m_history.HasUnsavedChanges());
}

void MainWindow::RevealStep(const Edit& edit)
{
    if (edit.changes.empty())
        return;
    for (EditorTab* tab : Tabs()) {
        if (tab->Reveal(edit.changes.front())) {
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
    m_context.asker.ShowMessage(u"About"_s, u"The current version is 0.85 beta.\n"
                                            u"Written by the X-Com Kestrel developers.\n"
                                            u"It only works for Collector's Edition of X-Com: Ufo Defense at the "
                                            u"present time."_s);
}
