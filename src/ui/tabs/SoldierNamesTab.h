// The "Soldier Names" tab: the default first and last names of new soldiers.
#pragma once

#include "tables/SoldierNames.h"
#include "ui/tabs/EditorTab.h"

class QLabel;
class QListWidget;

class SoldierNamesTab final : public EditorTab {
    Q_OBJECT
public:
    explicit SoldierNamesTab(EditorContext& context, QWidget* parent = nullptr);

    // Views the load rebuilds.
    void FillFirstNames();
    void FillLastNames();

    // The main window's opening sets the guidance text.
    void ShowIntroduction();

    // A complete load fills both lists; they are not emptied before the next one.
    void SetFilesState(FilesState state) override;
    bool Reveal(const Change& change) override;

protected:
    void DocumentChanged(const Edit& edit) override;

private:
    void CreateControls();
    void ConnectControls();

    void lstFirst_DblClick();
    void lstLast_DblClick();
    void RenameFirstName();
    void RenameLastName();

    void FillNames(QListWidget* list, const TableLayout& table);
    [[nodiscard]] static bool SelectSlot(const QListWidget* list, const TableLayout& table, qsizetype& selectedOffset);
    // False when nothing was written.
    bool RenameSlot(const TableLayout& table, qsizetype slotOffset);

    qsizetype m_selectedFirstNameOffset = 0;
    qsizetype m_selectedLastNameOffset = 0;

    struct Ui {
        QLabel* lblName;
        QLabel* Label13;
        QListWidget* lstFirst;
        QLabel* Label12;
        QListWidget* lstLast;
    } ui{};
};
