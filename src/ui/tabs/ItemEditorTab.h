// The "Item Editor" tab: the item list of obdata.dat and the values of one record.
#pragma once

#include "tables/Items.h"
#include "ui/tabs/EditorTab.h"
#include "ui/tabs/RecordForm.h"

class QLabel;
class QListWidget;
class RecordTableView;

class ItemEditorTab final : public EditorTab {
    Q_OBJECT
public:
    explicit ItemEditorTab(EditorContext& context, QWidget* parent = nullptr);

    // The view the load rebuilds once the item file is read; a record chosen before the
    // load is shown again from the table just read, so no caption is left stale.
    void FillItemList();

    // A load that did not read an item file leaves nothing to show or edit here; a
    // complete one fills the list.
    void SetFilesState(FilesState state) override;
    bool Reveal(const Change& change) override;

protected:
    void DocumentChanged(const Edit& edit) override;

private:
    void CreateControls();
    void ConnectControls();
    QLayout* CreateListColumn();
    QLayout* CreateValueColumn();

    void lstItem_Click();
    void lstItem_DblClick();

    void FillList();
    void ClearValues();
    void ShowItem();
    [[nodiscard]] QString ItemName(int record) const;
    [[nodiscard]] const QByteArray& Table() const;

    // cmdName, cmdDamage, cmdAmmo1-3, cmdAutoA, cmdSnapA, cmdAimA, cmdAutoT, cmdSnapT,
    // cmdAimT and Frame2 with the damage types. The record chosen is SelectedItemOffset's:
    // the one last double-clicked, through Close and a reload.
    RecordForm m_form{*this, items::Layout};

    struct Ui {
        QLabel* Label42;
        QListWidget* lstItem;
        QLabel* Label39;
        QLabel* lblIndex;
        RecordTableView* tblItems;
    } ui{};
};
