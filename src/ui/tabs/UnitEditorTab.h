// The "Unit Editor" tab: the combat statistics of one unit type at a time.
#pragma once

#include "tables/Units.h"
#include "ui/tabs/EditorTab.h"
#include "ui/tabs/RecordForm.h"

#include <optional>

class QComboBox;
class QLabel;
class QLayout;
class RecordTableView;

class UnitEditorTab final : public EditorTab {
    Q_OBJECT
public:
    explicit UnitEditorTab(EditorContext& context, QWidget* parent = nullptr);

    // The main window's opening fills the unit list; nothing is chosen yet.
    void FillUnitList();

    // The record offset of the unit last chosen, kept through Close and later loads.
    [[nodiscard]] std::optional<qsizetype> SelectedUnitOffset() const;

    // Shows the chosen unit from the new executable at once, so no caption outlives its file.
    void SetFilesState(FilesState state) override;
    bool Reveal(const Change& change) override;

protected:
    void DocumentChanged(const Edit& edit) override;

private:
    void cmbUnit_Click(int index);

    void ShowUnit();

    void CreateControls();
    QLayout* CreateValueColumns();
    void ConnectControls();

    // The value buttons and Frame1 with optYesU and optNoU, once a unit is chosen for good:
    // Close shuts the whole tab strip instead.
    RecordForm m_form{*this, units::Layout};

    struct Ui {
        QLabel* Label29;
        QComboBox* cmbUnit;
        RecordTableView* tblUnits;
    } ui{};
};
