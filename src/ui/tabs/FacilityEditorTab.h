// The "Facility Editor" tab: the statistics of one facility type at a time.
#pragma once

#include "tables/Facilities.h"
#include "ui/tabs/Controls.h"
#include "ui/tabs/EditorTab.h"

#include <array>
#include <cstdint>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class RecordTableView;

class FacilityEditorTab final : public EditorTab {
    Q_OBJECT
public:
    explicit FacilityEditorTab(EditorContext& context, QWidget* parent = nullptr);

    // The main window's opening fills the type list; nothing is chosen yet.
    void FillTypeList();

    // Pieces of enabling and disabling the main window.
    void SetTypeListEnabled(bool enabled);
    void DisableValues();
    void ClearValueCaptions();

    void FilesChanged(FilesState state) override;
    bool Reveal(const Change& change) override;

protected:
    void DocumentChanged(const Edit& edit) override;

private:
    void CreateControls();
    void ConnectControls();

    void cmbType_Click(int index);
    void ValueButton_Click(const FieldDescription& field);

    void ShowFacility();
    void WriteStandardFlag(bool standard);
    void EnableValues();
    // The chosen type in the loaded executable; nothing before a type is chosen.
    [[nodiscard]] std::optional<ShownRecord> Record() const;

    int m_selectedFacilityType = -1;

    struct Ui {
        QLabel* Label11;
        QComboBox* cmbType;
        // In the order of facilities::Fields; none for the standard flag, which has options instead.
        std::array<QPushButton*, facilities::Fields.size()> valueButtons;
        controls::FlagOptions standard;  // frmBuild with optYes and optNo
        RecordTableView* tblFacilities;
    } ui{};
};
