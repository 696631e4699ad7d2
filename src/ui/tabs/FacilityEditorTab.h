// The "Facility Editor" tab: the statistics of one facility type at a time.
#pragma once

#include "tables/Facilities.h"
#include "ui/tabs/EditorTab.h"

#include <array>
#include <cstdint>

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
    void ValueButton_Click(const facilities::Field& field);
    void optYes_Click();
    void optNo_Click();

    void ShowFacility();
    [[nodiscard]] bool IsStandardValue(std::uint8_t value) const;
    void WriteStandardFlag(bool standard);
    void SubmitValue(const facilities::Field& field, qsizetype position, const QByteArray& after,
                     const QString& before, const QString& shownAfter);
    void EnableValues();
    [[nodiscard]] qsizetype RecordStart() const;

    int m_selectedFacilityType = -1;
    qsizetype m_selectedFacilityOffset = 0;

    struct Ui {
        QLabel* Label11;
        QComboBox* cmbType;
        // In the order of facilities::Fields: cmdPrice, cmdUpkeep, cmdDays, cmdStrength, cmdRatio.
        std::array<QLabel*, facilities::Fields.size()> valueLabels;
        std::array<QPushButton*, facilities::Fields.size()> valueButtons;
        QGroupBox* frmBuild;
        QRadioButton* optYes;
        QRadioButton* optNo;
        RecordTableView* tblFacilities;
    } ui{};
};
