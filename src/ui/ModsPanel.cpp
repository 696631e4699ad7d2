// The Mods panel: its list, the conflicts below it and the two commands that rebuild the
// document from the base.
#include "ui/ModsPanel.h"

#include "core/Asker.h"
#include "core/GameDocument.h"
#include "core/TextRoutines.h"
#include "tables/Catalogue.h"
#include "ui/EditHistory.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTreeWidget>
#include <QUndoStack>
#include <QVBoxLayout>

#include <set>

using namespace Qt::StringLiterals;

ModsPanel::ModsPanel(const GameDocument& document, EditHistory& history, Asker& asker, QWidget* parent)
    : QDockWidget(tr("Mods"), parent)
    , m_document(document)
    , m_history(history)
    , m_asker(asker)
{
    setObjectName(u"dockMods"_s);
    CreateControls();
    ConnectControls();
    Reload();
}

void ModsPanel::CreateControls()
{
    auto* content = new QWidget(this);
    ui.lblModBase = new QLabel(content);
    ui.lblModBase->setObjectName(u"lblModBase"_s);
    ui.lblModBase->setWordWrap(true);
    ui.cmdModMaster = new QPushButton(tr("Make Master Backup"), content);
    ui.cmdModMaster->setObjectName(u"cmdModMaster"_s);
    ui.lstMods = new QListWidget(content);
    ui.lstMods->setObjectName(u"lstMods"_s);
    ui.lstMods->setDragDropMode(QAbstractItemView::InternalMove);
    ui.lstMods->setDefaultDropAction(Qt::MoveAction);
    ui.lstMods->setSelectionMode(QAbstractItemView::SingleSelection);
    ui.lstMods->setToolTip(tr("The load order: a later mod wins where two set the same field."));
    ui.cmdAddMod = new QPushButton(tr("Add…"), content);
    ui.cmdAddMod->setObjectName(u"cmdAddMod"_s);
    ui.cmdRemoveMod = new QPushButton(tr("Remove"), content);
    ui.cmdRemoveMod->setObjectName(u"cmdRemoveMod"_s);
    ui.cmdModUp = new QPushButton(tr("Move Up"), content);
    ui.cmdModUp->setObjectName(u"cmdModUp"_s);
    ui.cmdModDown = new QPushButton(tr("Move Down"), content);
    ui.cmdModDown->setObjectName(u"cmdModDown"_s);
    ui.lstConflicts = new QTreeWidget(content);
    ui.lstConflicts->setObjectName(u"lstConflicts"_s);
    ui.lstConflicts->setRootIsDecorated(false);
    ui.lstConflicts->setHeaderLabels({tr("Table"), tr("Record"), tr("Field"), tr("Values"), tr("Winner")});
    ui.lstConflicts->header()->setStretchLastSection(true);
    ui.cmdApplyMods = new QPushButton(tr("Apply Mods"), content);
    ui.cmdApplyMods->setObjectName(u"cmdApplyMods"_s);
    ui.cmdRestoreVanilla = new QPushButton(tr("Restore Vanilla"), content);
    ui.cmdRestoreVanilla->setObjectName(u"cmdRestoreVanilla"_s);

    // Widths for the usual names rather than measured from every line, as the Changes panel does.
    const int character = ui.lstConflicts->fontMetrics().averageCharWidth();
    const int widths[] = {7, 16, 18, 38};
    for (int column = 0; column < int(std::size(widths)); ++column)
        ui.lstConflicts->setColumnWidth(column, character * widths[column]);

    // The list and its order on the left, what the ticked mods make of it on the right.
    auto* mods = new QWidget(content);
    auto* base = new QHBoxLayout;
    base->addWidget(ui.lblModBase, 1);
    base->addWidget(ui.cmdModMaster, 0, Qt::AlignTop);
    auto* listButtons = new QVBoxLayout;
    for (QPushButton* button : {ui.cmdAddMod, ui.cmdRemoveMod, ui.cmdModUp, ui.cmdModDown})
        listButtons->addWidget(button);
    listButtons->addStretch(1);
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(ui.lstMods, 1);
    listRow->addLayout(listButtons);
    auto* modsLayout = new QVBoxLayout(mods);
    modsLayout->setContentsMargins(0, 0, 0, 0);
    modsLayout->addLayout(base);
    modsLayout->addLayout(listRow, 1);

    auto* conflicts = new QWidget(content);
    auto* conflictsTitle = new QLabel(tr("Conflicts (a later mod wins):"), conflicts);
    auto* commands = new QHBoxLayout;
    commands->addStretch(1);
    commands->addWidget(ui.cmdApplyMods);
    commands->addWidget(ui.cmdRestoreVanilla);
    auto* conflictsLayout = new QVBoxLayout(conflicts);
    conflictsLayout->setContentsMargins(0, 0, 0, 0);
    conflictsLayout->addWidget(conflictsTitle);
    conflictsLayout->addWidget(ui.lstConflicts, 1);
    conflictsLayout->addLayout(commands);

    auto* splitter = new QSplitter(Qt::Horizontal, content);
    splitter->addWidget(mods);
    splitter->addWidget(conflicts);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(splitter);
    setWidget(content);
}

void ModsPanel::ConnectControls()
{
    connect(ui.cmdAddMod, &QPushButton::clicked, this, &ModsPanel::cmdAddMod_Click);
    connect(ui.cmdRemoveMod, &QPushButton::clicked, this, &ModsPanel::RemoveSelected);
    connect(ui.cmdModUp, &QPushButton::clicked, this, [this] { MoveSelected(-1); });
    connect(ui.cmdModDown, &QPushButton::clicked, this, [this] { MoveSelected(1); });
    connect(ui.cmdApplyMods, &QPushButton::clicked, this, &ModsPanel::ApplyMods);
    connect(ui.cmdRestoreVanilla, &QPushButton::clicked, this, &ModsPanel::RestoreVanilla);
    connect(ui.cmdModMaster, &QPushButton::clicked, this, &ModsPanel::MasterBackupRequested);
    connect(ui.lstMods, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        const int row = ui.lstMods->row(item);
        if (row < 0 || row >= int(m_mods.size()))
            return;
        m_mods[std::size_t(row)].entry.enabled = item->checkState() == Qt::Checked;
        Store();
        RefreshConflicts();
    });
    // A drop moves the row within the list; the list's order is then the load order.
    connect(ui.lstMods->model(), &QAbstractItemModel::rowsMoved, this, [this] {
        ReadOrderFromList();
        Store();
        RefreshConflicts();
    });
    connect(ui.lstMods, &QListWidget::currentRowChanged, this, [this] {
        RefreshConflicts();
        UpdateButtons();
    });
    connect(&m_document, &GameDocument::Reset, this, &ModsPanel::Reload);
}

void ModsPanel::Reload()
{
    m_applied.reset();
    m_appliedStep = nullptr;
    m_exePath = m_document.HasExecutable() ? m_document.Files().ExePath : QString();
    m_mods.clear();
    for (const modsettings::Listed& entry : modsettings::Load(m_exePath)) {
        Listed listed;
        listed.entry = entry;
        ReadMod(listed);
        m_mods.push_back(std::move(listed));
    }
    FillList();
    UpdateBase();
    RefreshConflicts();
}

bool ModsPanel::ChangedOnDisk(const Listed& listed)
{
    const QFileInfo file(listed.entry.path);
    return !file.exists() || file.size() != listed.size || file.lastModified() != listed.modified;
}

void ModsPanel::ReadMod(Listed& listed) const
{
    const QFileInfo file(listed.entry.path);
    listed.size = file.exists() ? file.size() : -1;
    listed.modified = file.lastModified();
    listed.mod = modstack::Read(listed.entry.path);
    const bool complete = m_document.State() == FilesState::Complete;
    listed.settings = modstack::Settings(listed.mod, complete ? &m_document : nullptr);
}

void ModsPanel::FillList()
{
    const QSignalBlocker blocker(ui.lstMods);
    const int current = ui.lstMods->currentRow();
    ui.lstMods->clear();
    for (const Listed& listed : m_mods) {
        const QString name = modEdit::Excerpt(listed.mod.Title());
        QString text = listed.mod.problem.isEmpty()
                           ? (listed.mod.entries.size() == 1 ? tr("%1 — 1 value").arg(name)
                                                             : tr("%1 — %2 values").arg(name).arg(listed.mod.entries.size()))
                           : tr("%1 — %2").arg(QFileInfo(listed.entry.path).fileName(), listed.mod.problem);
        auto* item = new QListWidgetItem(text, ui.lstMods);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsDragEnabled);
        item->setCheckState(listed.entry.enabled ? Qt::Checked : Qt::Unchecked);
        item->setData(Qt::UserRole, listed.entry.path);
        QStringList tip{QDir::toNativeSeparators(listed.entry.path)};
        for (const QString& line : {listed.mod.about.author, listed.mod.about.description, listed.mod.about.url}) {
            if (!line.isEmpty())
                tip.append(line);
        }
        item->setToolTip(tip.join(u'\n'));
        if (!listed.mod.problem.isEmpty())
            item->setForeground(Qt::red);
    }
    ui.lstMods->setCurrentRow(std::min(current, ui.lstMods->count() - 1));
    UpdateButtons();
}

void ModsPanel::ReadOrderFromList()
{
    std::vector<Listed> ordered;
    for (int row = 0; row < ui.lstMods->count(); ++row) {
        const QString path = ui.lstMods->item(row)->data(Qt::UserRole).toString();
        const auto found = std::find_if(m_mods.begin(), m_mods.end(), [&](const Listed& listed) { return listed.entry.path == path; });
        if (found != m_mods.end())
            ordered.push_back(std::move(*found));
    }
    m_mods = std::move(ordered);
    UpdateButtons();
}

void ModsPanel::Store() const
{
    std::vector<modsettings::Listed> entries;
    for (const Listed& listed : m_mods)
        entries.push_back(listed.entry);
    modsettings::Store(m_exePath, entries);
}

void ModsPanel::cmdAddMod_Click()
{
    Add(m_asker.AskOpenFiles(tr("Add Mods"), tr("Change sets (*.json)|*.json")));
}

void ModsPanel::Add(const QStringList& paths)
{
    for (const QString& given : paths) {
        const QString path = QFileInfo(given).absoluteFilePath();
        if (std::any_of(m_mods.begin(), m_mods.end(), [&](const Listed& listed) { return listed.entry.path == path; }))
            continue;
        Listed listed;
        listed.entry = {path, true};
        ReadMod(listed);
        m_mods.push_back(std::move(listed));
    }
    FillList();
    Store();
    RefreshConflicts();
}

void ModsPanel::RemoveSelected()
{
    const int row = SelectedRow();
    if (row < 0)
        return;
    m_mods.erase(m_mods.begin() + row);
    FillList();
    Store();
    RefreshConflicts();
}

void ModsPanel::MoveSelected(int by)
{
    const int row = SelectedRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= int(m_mods.size()))
        return;
    std::swap(m_mods[std::size_t(row)], m_mods[std::size_t(to)]);
    FillList();
    {
        const QSignalBlocker blocker(ui.lstMods);
        ui.lstMods->setCurrentRow(to);
    }
    Store();
    RefreshConflicts();
    UpdateButtons();
}

int ModsPanel::SelectedRow() const
{
    const int row = ui.lstMods->currentRow();
    return row >= 0 && row < int(m_mods.size()) ? row : -1;
}

std::vector<const modstack::Mod*> ModsPanel::Enabled() const
{
    std::vector<const modstack::Mod*> mods;
    for (const Listed& listed : m_mods) {
        if (listed.entry.enabled)
            mods.push_back(&listed.mod);
    }
    return mods;
}

void ModsPanel::RefreshConflicts()
{
    std::vector<std::vector<modstack::Setting>> settings;
    QStringList names;
    m_conflictMods.clear();
    // A vanished or unreadable file sets nothing.
    for (int row = 0; row < int(m_mods.size()); ++row) {
        const Listed& listed = m_mods[std::size_t(row)];
        if (!listed.entry.enabled || !listed.mod.problem.isEmpty())
            continue;
        settings.push_back(listed.settings);
        names.append(modEdit::Excerpt(listed.mod.Name()));
        m_conflictMods.push_back(row);
    }
    m_conflicts = modstack::Conflicts(settings);
    const int selected = SelectedRow();
    const QSignalBlocker blocker(ui.lstConflicts);
    ui.lstConflicts->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(qsizetype(m_conflicts.size()));
    for (const modstack::Conflict& conflict : m_conflicts) {
        bool marked = false;
        for (const auto& [mod, value] : conflict.values)
            marked = marked || m_conflictMods[std::size_t(mod)] == selected;
        auto* item = new QTreeWidgetItem({conflict.key.table, conflict.key.record, conflict.key.field,
                                          modstack::ValuesText(conflict, names), names.value(conflict.Winner())});
        item->setData(0, Qt::UserRole, marked);
        if (marked) {
            for (int column = 0; column < item->columnCount(); ++column) {
                QFont font = item->font(column);
                font.setBold(true);
                item->setFont(column, font);
            }
        }
        items.append(item);
    }
    ui.lstConflicts->addTopLevelItems(items);
    setWindowTitle(m_conflicts.empty()         ? tr("Mods")
                   : m_conflicts.size() == 1 ? tr("Mods (1 conflict)")
                                             : tr("Mods (%1 conflicts)").arg(m_conflicts.size()));
    toggleViewAction()->setText(tr("&Mods"));
}

void ModsPanel::UpdateBase()
{
    const bool loaded = m_document.State() == FilesState::Complete;
    const bool master = loaded && modstack::HasMasterBackup(m_document.Files());
    const QString exe = QFileInfo(m_exePath).fileName();
    if (!loaded)
        ui.lblModBase->setText(tr("Load the game files to apply mods."));
    else if (master)
        ui.lblModBase->setText(tr("On the master backup of %1.").arg(exe));
    else
        ui.lblModBase->setText(
            tr("On the files as loaded: there is no master backup of %1. Make one, so that unticking a mod and "
               "applying again takes its values out.")
                .arg(exe));
    ui.cmdModMaster->setVisible(loaded && !master);
    UpdateButtons();
}

void ModsPanel::UpdateButtons()
{
    const bool loaded = m_document.State() == FilesState::Complete;
    const int row = SelectedRow();
    ui.cmdRemoveMod->setEnabled(row >= 0);
    ui.cmdModUp->setEnabled(row > 0);
    ui.cmdModDown->setEnabled(row >= 0 && row + 1 < int(m_mods.size()));
    ui.cmdApplyMods->setEnabled(loaded && !Enabled().empty());
    ui.cmdRestoreVanilla->setEnabled(loaded);
}

void ModsPanel::ApplyMods()
{
    // Read again what changed or went since it was read.
    bool reread = false;
    for (Listed& listed : m_mods) {
        if (listed.entry.enabled && ChangedOnDisk(listed)) {
            ReadMod(listed);
            reread = true;
        }
    }
    if (reread) {
        FillList();
        RefreshConflicts();
    }
    const std::vector<const modstack::Mod*> mods = Enabled();
    ApplyStack(mods, tr("Apply Mods"), mods.size() == 1 ? tr("Apply 1 mod") : tr("Apply %1 mods").arg(mods.size()));
}

void ModsPanel::RestoreVanilla()
{
    ApplyStack({}, tr("Restore Vanilla"), tr("Restore Vanilla"));
}

void ModsPanel::ApplyStack(const std::vector<const modstack::Mod*>& mods, const QString& title, const QString& stepText)
{
    if (m_document.State() != FilesState::Complete)
        return;
    const modstack::Base base = modstack::BaseOf(m_document.Files());
    const modstack::Stacked stacked = modstack::Stack(base.files, mods, {});
    if (!stacked.problems.isEmpty()) {
        m_asker.ShowError(title, tr("Nothing was changed:\n\n") + modEdit::Listed(stacked.problems));
        return;
    }
    const modstack::Step step = modstack::Toward(m_document, *stacked.result, stepText);
    if (!step.problems.isEmpty()) {
        m_asker.ShowError(title, tr("Nothing was changed:\n\n") + modEdit::Listed(step.problems));
        return;
    }
    if (step.edit.changes.empty()) {
        m_asker.ShowMessage(title, tr("The files already hold every value; nothing was changed."));
        return;
    }
    if (!stacked.warnings.isEmpty()
        && !m_asker.AskYesNo(title, tr("Some values are past the limits the form allows:\n\n%1\n\nApply them anyway?")
                                        .arg(modEdit::Listed(stacked.warnings))))
        return;
    std::set<modstack::FieldKey> byHand;
    if (m_applied && AppliedStepInEffect()) {
        for (const changeset::Entry& entry : changeset::Between(m_document, *m_applied, nullptr))
            byHand.insert(modstack::KeyOf(entry, nullptr));
    }
    std::vector<QStringList> rows;
    rows.reserve(step.lines.size());
    // A record's fields come one after another: its caption is looked up once.
    std::pair<QString, QString> captioned;
    QString caption;
    for (const changeset::Entry& entry : step.lines) {
        if (std::pair<QString, QString> record{entry.table, changeset::RecordText(entry.record)}; record != captioned) {
            caption = modstack::KeyOf(entry, &m_document).record;
            captioned = std::move(record);
        }
        rows.push_back({entry.table, caption, entry.field,
                        entry.was ? changeset::ValueText(*entry.was) : QString(), changeset::ValueText(entry.value),
                        byHand.contains(modstack::KeyOf(entry, nullptr)) ? tr("edited by hand, will be replaced") : QString()});
    }
    const QString exe = QFileInfo(m_exePath).fileName();
    const QString on = base.masterBackup ? tr("on the master backup of %1").arg(exe) : tr("on the files of %1 as loaded").arg(exe);
    const QString text = (rows.size() == 1 ? tr("%1 %2 changes 1 value.").arg(stepText, on)
                                            : tr("%1 %2 changes %3 values.").arg(stepText, on).arg(rows.size()))
                         + u' ' + tr("Nothing is saved until Save.");
    if (!m_asker.AskTable(title, text, {tr("Table"), tr("Record"), tr("Field"), tr("Now"), tr("After"), tr("Note")}, rows))
        return;
    if (m_history.Submit(step.edit)) {
        m_applied = modstack::DocumentOf(stacked.result->Files());
        const QUndoStack& stack = m_history.Stack();
        m_appliedStep = stack.index() > 0 ? stack.command(stack.index() - 1) : nullptr;
    }
}

// Undone, the step's values are gone: what differs from them then was not edited by hand.
bool ModsPanel::AppliedStepInEffect() const
{
    const QUndoStack& stack = m_history.Stack();
    for (int index = 0; index < stack.index(); ++index) {
        if (stack.command(index) == m_appliedStep)
            return true;
    }
    return false;
}
