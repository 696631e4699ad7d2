// The "Item Editor" tab: the item list of obdata.dat and the values of one record.
#pragma once

#include "tables/Items.h"
#include "ui/tabs/EditorTab.h"

#include <array>
#include <optional>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class RecordTableView;

class ItemEditorTab final : public EditorTab {
    Q_OBJECT
public:
    explicit ItemEditorTab(EditorContext& context, QWidget* parent = nullptr);

    // The view the load rebuilds once the item file is read; a record chosen before the
    // load is shown again from the table just read, so no caption is left stale.
    void FillItemList();

    // A load that did not read an item file leaves nothing to show or edit here.
    void FilesChanged(FilesState state) override;
    bool Reveal(const Change& change) override;

protected:
    void DocumentChanged(const Edit& edit) override;

private:
    void CreateControls();
    void ConnectControls();
    QLayout* CreateListColumn();
    QLayout* CreateValueColumn();
    QGroupBox* CreateDamageTypeFrame(const FieldDescription& field);

    void lstItem_Click();
    void lstItem_DblClick();
    void cmdValue_Click(const FieldDescription& field);
    void optDamageType_Click(int code);

    void FillList();
    void EnableValues();
    void ClearValues();
    void ShowItem();
    void ShowDamageType(int code);
    [[nodiscard]] QString ItemName(int record) const;
    [[nodiscard]] const QByteArray& Table() const;
    // The record last chosen; nothing before a double-click or without an item file.
    [[nodiscard]] std::optional<ShownRecord> Record() const;
    [[nodiscard]] int SelectedRecord() const;

    // SelectedItemOffset: the start of the record last chosen by a double-click; it
    // outlives Close and a reload.
    std::optional<qsizetype> m_selectedItemOffset;

    struct Ui {
        QLabel* Label42;
        QListWidget* lstItem;
        QLabel* Label39;
        QLabel* lblIndex;
        // In the order of items::Fields: cmdName, cmdDamage, cmdAmmo1-3, cmdAutoA, cmdSnapA,
        // cmdAimA, cmdAutoT, cmdSnapT, cmdAimT; none for the damage type, which has options.
        std::array<QPushButton*, items::Fields.size()> valueButtons;
        QGroupBox* Frame2;
        // Each option's id is the damage type code it stands for.
        QButtonGroup* damageTypes;
        RecordTableView* tblItems;
    } ui{};
};
