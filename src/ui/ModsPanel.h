// The dockable Mods panel: mod files in a load order, ticked or not, the fields where
// ticked mods meet, and Apply Mods / Restore Vanilla as one undoable step each.
#pragma once

#include "exchange/ModStack.h"
#include "ui/ModSettings.h"

#include <QDateTime>
#include <QDockWidget>

#include <memory>
#include <vector>

class Asker;
class EditHistory;
class GameDocument;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;

class ModsPanel final : public QDockWidget {
    Q_OBJECT
public:
    ModsPanel(const GameDocument& document, EditHistory& history, Asker& asker, QWidget* parent = nullptr);

    // Appends the files not listed yet, ticked, in the order given.
    void Add(const QStringList& paths);
    void ApplyMods();
    void RestoreVanilla();
    // The base may have changed: a master backup was made.
    void UpdateBase();

    [[nodiscard]] const std::vector<modstack::Conflict>& Conflicts() const { return m_conflicts; }

signals:
    void MasterBackupRequested();

private:
    struct Listed {
        modsettings::Listed entry;
        modstack::Mod mod;
        std::vector<modstack::Setting> settings;
        // The file as last read, so Apply Mods reads again only what changed since.
        qint64 size = -1;
        QDateTime modified;
    };

    void CreateControls();
    void ConnectControls();
    void cmdAddMod_Click();
    void RemoveSelected();
    void MoveSelected(int by);
    // The files were loaded, closed or replaced: the list of this executable.
    void Reload();
    void ReadMod(Listed& listed) const;
    // False when the file is as it was when last read.
    [[nodiscard]] static bool ChangedOnDisk(const Listed& listed);
    void FillList();
    void ReadOrderFromList();
    void Store() const;
    void RefreshConflicts();
    void UpdateButtons();
    [[nodiscard]] int SelectedRow() const;
    [[nodiscard]] std::vector<const modstack::Mod*> Enabled() const;
    // Makes the document equal to the base with these mods, after a preview; one step.
    [[nodiscard]] bool AppliedStepInEffect() const;
    void ApplyStack(const std::vector<const modstack::Mod*>& mods, const QString& title, const QString& stepText);

    const GameDocument& m_document;
    EditHistory& m_history;
    Asker& m_asker;
    QString m_exePath;
    std::vector<Listed> m_mods;
    std::vector<modstack::Conflict> m_conflicts;
    std::vector<int> m_conflictMods;  // the rows of m_mods the conflicts' indices name
    // What the last Apply Mods made, so the next one can name values edited by hand since.
    std::unique_ptr<GameDocument> m_applied;
    // Its step on the history, compared by address only: it may have been dropped since.
    const void* m_appliedStep = nullptr;

    struct Ui {
        QLabel* lblModBase;
        QPushButton* cmdModMaster;
        QListWidget* lstMods;
        QPushButton* cmdAddMod;
        QPushButton* cmdRemoveMod;
        QPushButton* cmdModUp;
        QPushButton* cmdModDown;
        QTreeWidget* lstConflicts;
        QPushButton* cmdApplyMods;
        QPushButton* cmdRestoreVanilla;
    } ui{};
};
