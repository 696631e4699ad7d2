// The "Soldier Names" tab: the default first and last names of new soldiers.
#pragma once

#include "ui/tabs/EditorTab.h"

class QLabel;
class QListWidget;

class SoldierNamesTab final : public EditorTab {
    Q_OBJECT
public:
    explicit SoldierNamesTab(EditorContext& context, QWidget* parent = nullptr);

    // Views the load rebuilds.
    void FillFirstNames();
    void FillLastNames();

    // The main window's opening sets the guidance text.
    void ShowIntroduction();

private:
    void CreateControls();
    void ConnectControls();

    struct Ui {
        QLabel* lblName;
        QLabel* Label13;
        QListWidget* lstFirst;
        QLabel* Label12;
        QListWidget* lstLast;
    } ui{};
};
