// The "Item Editor" tab: the item list of obdata.dat and the values of one record.
#pragma once

#include "ui/tabs/EditorTab.h"

#include <array>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

class ItemEditorTab final : public EditorTab {
    Q_OBJECT
public:
    explicit ItemEditorTab(EditorContext& context, QWidget* parent = nullptr);

    // The view the load rebuilds.
    void FillItemList();

private:
    void CreateControls();
    void ConnectControls();
    QLayout* CreateListColumn();
    QLayout* CreateValueColumn();
    QGroupBox* CreateDamageTypeFrame();

    struct Ui {
        QLabel* Label42;
        QListWidget* lstItem;
        QLabel* Label39;
        QLabel* lblIndex;
        QPushButton* cmdName;
        QPushButton* cmdDamage;
        QPushButton* cmdAmmo1;
        QPushButton* cmdAmmo2;
        QPushButton* cmdAmmo3;
        QPushButton* cmdAutoA;
        QPushButton* cmdSnapA;
        QPushButton* cmdAimA;
        QPushButton* cmdAutoT;
        QPushButton* cmdSnapT;
        QPushButton* cmdAimT;
        QGroupBox* Frame2;
        // In the order of damagetypes::All: optAP, optIN, optHE, optLaser, optPlasma, optStun, optNone.
        std::array<QRadioButton*, 7> damageTypeOptions;
    } ui{};
};
