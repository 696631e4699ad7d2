// The "Unit Editor" tab: the combat statistics of one unit type at a time.
#pragma once

#include "tables/Units.h"
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
    void cmdValue_Click(std::size_t field);
    void optYesU_Click();
    void optNoU_Click();

    void ShowUnit();
    void EnableValues();
    void WriteFlying(std::uint8_t value);
    void SubmitByte(qsizetype position, std::uint8_t value, const QString& field, const QString& before,
                    const QString& after);
    [[nodiscard]] QString UnitName() const;
    // Table start of the loaded build plus the chosen record; -1 when there is no such record.
    [[nodiscard]] qsizetype RecordStart() const;

    void CreateControls();
    QLayout* CreateValueColumns();
    QGroupBox* CreateFlyingFrame();
    void ConnectControls();

    std::optional<qsizetype> m_selectedUnitOffset;

    struct Ui {
        QLabel* Label29;
        QComboBox* cmbUnit;
        std::array<QPushButton*, units::Fields.size()> values;  // in the order of units::Fields
        QGroupBox* Frame1;
        QRadioButton* optYesU;
        QRadioButton* optNoU;
        RecordTableView* tblUnits;
    } ui{};
};
