// The "Unit Editor" tab: the combat statistics of one unit type at a time.
#pragma once

#include "ui/tabs/EditorTab.h"

class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class UnitEditorTab final : public EditorTab {
    Q_OBJECT
public:
    explicit UnitEditorTab(EditorContext& context, QWidget* parent = nullptr);

    // The main window's opening fills the unit list; nothing is chosen yet.
    void FillUnitList();

private:
    void CreateControls();
    void ConnectControls();
    QGroupBox* CreateFlyingFrame();

    struct Ui {
        QLabel* Label29;
        QComboBox* cmbUnit;
        QPushButton* cmdTU;
        QPushButton* cmdHealth;
        QPushButton* cmdEnrg;
        QPushButton* cmdReac;
        QPushButton* cmdStr;
        QPushButton* cmdFirA;
        QPushButton* cmdThrA;
        QPushButton* cmdFrA;
        QPushButton* cmdLefA;
        QPushButton* cmdRigA;
        QPushButton* cmdReaA;
        QPushButton* cmdUndA;
        QPushButton* cmdPsiSk;
        QPushButton* cmdPsiSt;
        QPushButton* cmdBrav;
        QGroupBox* Frame1;
        QRadioButton* optYesU;
        QRadioButton* optNoU;
    } ui{};
};
