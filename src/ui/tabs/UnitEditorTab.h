// The "Unit Editor" tab: the combat statistics of one unit type at a time.
#pragma once

#include "tables/Units.h"
#include "ui/tabs/Controls.h"
#include "ui/tabs/EditorTab.h"

#include <array>
#include <cstddef>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLayout;
class QPushButton;
class QRadioButton;
class RecordTableView;

class UnitEditorTab final : public EditorTab {
    Q_OBJECT
public:
    explicit UnitEditorTab(EditorContext& context, QWidget* parent = nullptr);

    // The main window's opening fills the unit list; nothing is chosen yet.
    void FillUnitList();

    // The record offset of the unit last chosen, kept through Close and later loads.
    [[nodiscard]] std::optional<qsizetype> SelectedUnitOffset() const { return m_selectedUnitOffset; }

    // Shows the chosen unit from the new executable at once, so no caption outlives its file.
    void FilesChanged(FilesState state) override;
    bool Reveal(const Change& change) override;

protected:
    void DocumentChanged(const Edit& edit) override;

private:
    void cmbUnit_Click(int index);
    void cmdValue_Click(const FieldDescription& field);

    void ShowUnit();
    void EnableValues();
    void WriteFlying(bool flies);
    // The chosen unit in the loaded executable; nothing when none is chosen or it lies outside.
    [[nodiscard]] std::optional<ShownRecord> Record() const;

    void CreateControls();
    QLayout* CreateValueColumns();
    void ConnectControls();

    std::optional<qsizetype> m_selectedUnitOffset;

    struct Ui {
        QLabel* Label29;
        QComboBox* cmbUnit;
        // In the order of units::Fields; none for the flying flag, which has options instead.
        std::array<QPushButton*, units::Fields.size()> values;
        controls::FlagOptions flying;  // Frame1 with optYesU and optNoU
        RecordTableView* tblUnits;
    } ui{};
};
