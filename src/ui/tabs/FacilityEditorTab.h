// The "Facility Editor" tab: the statistics of one facility type at a time.
#pragma once

#include "ui/tabs/EditorTab.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

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

private:
    void CreateControls();
    void ConnectControls();

    struct Ui {
        QLabel* Label11;
        QComboBox* cmbType;
        QLabel* Label10;
        QPushButton* cmdPrice;
        QLabel* Label9;
        QPushButton* cmdUpkeep;
        QLabel* Label8;
        QPushButton* cmdDays;
        QLabel* Label7;
        QPushButton* cmdStrength;
        QLabel* Label6;
        QPushButton* cmdRatio;
        QGroupBox* frmBuild;
        QRadioButton* optYes;
        QRadioButton* optNo;
    } ui{};
};
