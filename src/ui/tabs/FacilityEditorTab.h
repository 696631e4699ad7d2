// The "Facility Editor" tab: the statistics of one facility type at a time.
#pragma once

#include "tables/Facilities.h"
#include "ui/tabs/EditorTab.h"
#include "ui/tabs/RecordForm.h"

class QComboBox;
class QLabel;
class RecordTableView;

class FacilityEditorTab final : public EditorTab {
    Q_OBJECT
public:
    explicit FacilityEditorTab(EditorContext& context, QWidget* parent = nullptr);

    // The main window's opening fills the type list; nothing is chosen yet.
    void FillTypeList();

    void SetFilesState(FilesState state) override;
    bool Reveal(const Change& change) override;

protected:
    void DocumentChanged(const Edit& edit) override;

private:
    void CreateControls();
    void ConnectControls();

    void cmbType_Click(int index);

    void ShowFacility();

    // The value buttons and frmBuild with optYes and optNo.
    RecordForm m_form{*this, facilities::Layout};

    struct Ui {
        QLabel* Label11;
        QComboBox* cmbType;
        RecordTableView* tblFacilities;
    } ui{};
};
