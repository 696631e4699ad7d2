// The "String Editor" tab: every text of english.dat and english2.dat.
#pragma once

#include "ui/tabs/EditorTab.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class StringEditorTab final : public EditorTab {
    Q_OBJECT
public:
    explicit StringEditorTab(EditorContext& context, QWidget* parent = nullptr);

    // The view the load rebuilds.
    void FillStringLists();

    // The main window's opening sets the guidance text.
    void ShowIntroduction();

private:
    void CreateControls();
    void ConnectControls();
    QGroupBox* CreateEditFrame();

    struct Ui {
        QLabel* lblStringStuff;
        QLabel* Label44;
        QListWidget* lstEng1;
        QLabel* Label43;
        QListWidget* lstEng2;
        QLabel* lblStrShow;
        QGroupBox* frmStr;
        QLineEdit* Text1;
        QPushButton* cmdApplyStr;
        QPushButton* cmdCancelStr;
    } ui{};
};
