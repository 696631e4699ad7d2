// The "Base Editor" tab: the starting base grid, its change frame and the starting stores.
#pragma once

#include "ui/tabs/EditorTab.h"

#include <array>
#include <cstdint>

namespace stores {
struct StoresEntry;
}

class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSplitter;
class RecordTableView;

struct CellOffsets {
    qsizetype facility = -1;
    qsizetype days = -1;
};

class BaseEditorTab final : public EditorTab {
    Q_OBJECT
public:
    explicit BaseEditorTab(EditorContext& context, QWidget* parent = nullptr);

    // The stores list and the grid as the bytes are now.
    void UpdateItemsList();
    void UpdateBase();

    // The main window's opening fills the facility and day choices.
    void FillChoiceLists();

    // An accepted executable shows its build, enables the grid and the stores list and
    // fills them; Close disables and empties them.
    void SetFilesState(FilesState state) override;
    bool Reveal(const Change& change) override;

protected:
    void DocumentChanged(const Edit& edit) override;

    // The stores list answers a double-click anywhere in it, on a line or not.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void ConnectControls();
    QWidget* CreateGrid(QWidget* parent);
    void SetTabOrder();
    QGroupBox* CreateChangeFrame();

    void Command_Click(int number);
    void Combo1_Click(int index);
    void Combo2_Click(int index);
    void cmdApply_Click();
    void cmdCancel_Click();
    void lstItems_DblClick();

    void ShowChangeFrame(int cell);
    void ApplyChange();
    void ResetChoices();
    [[nodiscard]] int SelectedLine() const;
    void EditPersonnel(const stores::StoresEntry& entry);
    // True when the amount was written.
    [[nodiscard]] bool EditAmount(const stores::StoresEntry& entry);
    void CloseStoresEdit(bool rebuilt);
    [[nodiscard]] bool SubmitAmount(const stores::StoresEntry& entry, const QByteArray& after);

    void SetGridEnabled(bool enabled);
    void ClearGridCaptions();
    void SetStoresEnabled(bool enabled);
    void ClearStores();
    void HideChangeFrame();
    void ShowVersion(const QString& caption);

    // What cmdApply writes, and where: set by a grid click, changed only by a choice
    // from the lists.
    struct BaseChange {
        CellOffsets SelectedCell;
        int cell = -1;
        std::uint8_t PendingFacility = 0;
        std::uint8_t PendingDays = 0;
    } m_change;

    struct Ui {
        QLabel* Label1;
        // Command[N - 1] is CommandN; CommandN sits in column (N - 1) / 6, row (N - 1) % 6.
        std::array<QPushButton*, 36> Command;
        QSplitter* splBase;
        QGroupBox* frmChange;
        QLabel* lblCell;
        QLabel* Label4;
        QComboBox* Combo1;
        QLabel* Label3;
        QComboBox* Combo2;
        QPushButton* cmdApply;
        QPushButton* cmdCancel;
        QLabel* Label5;
        QListWidget* lstItems;
        RecordTableView* tblStores;
        QLabel* Label2;
        QLabel* lblVer;
    } ui{};
};
