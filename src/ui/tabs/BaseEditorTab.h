// The "Base Editor" tab: the starting base grid, its change frame and the starting stores.
#pragma once

#include "ui/tabs/EditorTab.h"

#include <array>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

class BaseEditorTab final : public EditorTab {
    Q_OBJECT
public:
    explicit BaseEditorTab(EditorContext& context, QWidget* parent = nullptr);

    // Views the load rebuilds.
    void UpdateItemsList();
    void UpdateBase();

    // The main window's opening fills the facility and day choices.
    void FillChoiceLists();

    // Pieces of enabling and disabling the main window.
    void SetGridEnabled(bool enabled);
    void ClearGridCaptions();
    void SetStoresEnabled(bool enabled);
    void ClearStores();
    void HideChangeFrame();
    void ShowVersion(const QString& caption);

private:
    void CreateControls();
    void ConnectControls();
    QGridLayout* CreateGrid();
    QGroupBox* CreateChangeFrame();

    struct Ui {
        QLabel* Label1;
        // Command[N - 1] is CommandN; CommandN sits in column (N - 1) / 6, row (N - 1) % 6.
        std::array<QPushButton*, 36> Command;
        QGroupBox* frmChange;
        QLabel* Label4;
        QComboBox* Combo1;
        QLabel* Label3;
        QComboBox* Combo2;
        QPushButton* cmdApply;
        QPushButton* cmdCancel;
        QLabel* Label5;
        QListWidget* lstItems;
        QLabel* Label2;
        QLabel* lblVer;
    } ui{};
};
