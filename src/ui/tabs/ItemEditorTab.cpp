// The "Item Editor" tab: the item list of obdata.dat, and choosing and changing one record.
#include "ui/tabs/ItemEditorTab.h"

#include "core/ByteAccess.h"
#include "core/CodePage.h"
#include "core/TableText.h"
#include "tables/DamageTypes.h"
#include "ui/RecordTableView.h"
#include "ui/ViewSwitch.h"
#include "ui/tabs/Controls.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int NumberChars = 4;

} // namespace

ItemEditorTab::ItemEditorTab(EditorContext& context, QWidget* parent)
    : EditorTab(context, parent)
{
    CreateControls();
    ConnectControls();
}

void ItemEditorTab::CreateControls()
{
    auto* layout = new QHBoxLayout;
    layout->addLayout(CreateListColumn(), 1);
    layout->addSpacing(fontMetrics().averageCharWidth() * 3);
    layout->addLayout(CreateValueColumn());
    layout->addStretch(1);
    ui.tblItems = new RecordTableView(Context(), items::Layout.Name(), tr("Index"), this);
    ui.tblItems->setObjectName(u"tblItems"_s);
    ViewSwitch::AroundTab(this, layout, tr("Item"), ui.tblItems);
}

QLayout* ItemEditorTab::CreateListColumn()
{
    ui.Label42 = controls::Label(this, u"Label42"_s, tr("Double click on item to edit it."));
    ui.lstItem = controls::List(this, u"lstItem"_s, tr("Click on item to view index number, double click to edit."));
    ui.lstItem->setMinimumWidth(ui.lstItem->fontMetrics().averageCharWidth() * int(items::NameLength + 6));
    ui.Label39 = controls::Label(this, u"Label39"_s, tr("Index:"));
    ui.lblIndex = controls::Label(this, u"lblIndex"_s);

    auto* index = new QHBoxLayout;
    index->addWidget(ui.Label39);
    index->addWidget(ui.lblIndex, 1);

    auto* column = new QVBoxLayout;
    column->addWidget(ui.Label42);
    column->addWidget(ui.lstItem, 1);
    column->addLayout(index);
    return column;
}

QLayout* ItemEditorTab::CreateValueColumn()
{
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    for (std::size_t index = 0; index < items::Fields.size(); ++index) {
        const FieldDescription& field = items::Fields[index];
        if (field.kind == FieldKind::DamageType)
            form->addRow(CreateDamageTypeFrame(field));
        else
            ui.valueButtons[index] =
                controls::FieldRow(this, form, field, field.kind == FieldKind::Name ? int(field.width) : NumberChars);
    }

    auto* column = new QVBoxLayout;
    column->addLayout(form);
    column->addStretch(1);
    return column;
}

QGroupBox* ItemEditorTab::CreateDamageTypeFrame(const FieldDescription& field)
{
    ui.Frame2 = controls::Frame(this, ToQString(field.control.objectName), Translated("Tables", field.label));
    ui.damageTypes = new QButtonGroup(ui.Frame2);
    auto* grid = new QGridLayout(ui.Frame2);
    for (std::size_t index = 0; index < damagetypes::All.size(); ++index) {
        const DamageTypeOption& type = damagetypes::All[index];
        QRadioButton* option =
            controls::Option(ui.Frame2, ToQString(type.optionName), Translated("DamageTypes", type.caption));
        ui.damageTypes->addButton(option, type.code);
        grid->addWidget(option, int(index) / 2, int(index) % 2);
    }
    ui.Frame2->setEnabled(false);
    return ui.Frame2;
}

void ItemEditorTab::ConnectControls()
{
    // Selection, not the current row: the current row also moves when the list takes focus.
    connect(ui.lstItem, &QListWidget::itemSelectionChanged, this, &ItemEditorTab::lstItem_Click);
    connect(ui.lstItem, &QListWidget::itemDoubleClicked, this, &ItemEditorTab::lstItem_DblClick);
    controls::OnKeyActivated(ui.lstItem, [this] { lstItem_DblClick(); });
    for (std::size_t index = 0; index < items::Fields.size(); ++index) {
        const FieldDescription& field = items::Fields[index];
        if (ui.valueButtons[index])
            connect(ui.valueButtons[index], &QPushButton::clicked, this, [this, &field] { cmdValue_Click(field); });
    }
    connect(ui.damageTypes, &QButtonGroup::idClicked, this, &ItemEditorTab::optDamageType_Click);
}

void ItemEditorTab::lstItem_Click()
{
    if (const std::optional<int> row = controls::SelectedRow(ui.lstItem))
        ui.lblIndex->setText(QString::number(*row));
}

void ItemEditorTab::lstItem_DblClick()
{
    const std::optional<int> row = controls::SelectedRow(ui.lstItem);
    if (!row)
        return;
    m_selectedItemOffset = items::RecordSize * *row;
    EnableValues();
    ShowItem();
}

// A rename is its own kind of step, and the list shows the new name at once.
void ItemEditorTab::cmdValue_Click(const FieldDescription& field)
{
    const std::optional<ShownRecord> item = Record();
    if (!item)
        return;
    const std::optional<QByteArray> accepted = AskValue(*item, field);
    if (!accepted)
        return;
    SubmitField(*item, field, *accepted);
    ShowItem();
    if (field.kind == FieldKind::Name)
        FillList();
}

void ItemEditorTab::optDamageType_Click(int code)
{
    if (const std::optional<ShownRecord> item = Record())
        SubmitField(*item, items::DamageTypeField, QByteArray(1, char(code)));
}

std::optional<ShownRecord> ItemEditorTab::Record() const
{
    if (!m_selectedItemOffset || !Document().IsLoaded(GameFile::Items))
        return std::nullopt;
    return ShownRecord{&items::Layout, SelectedRecord()};
}

int ItemEditorTab::SelectedRecord() const
{
    return m_selectedItemOffset ? int(*m_selectedItemOffset / items::RecordSize) : -1;
}

void ItemEditorTab::FillItemList()
{
    FillList();
    if (m_selectedItemOffset) {
        EnableValues();
        ShowItem();
    }
}

void ItemEditorTab::FilesChanged(FilesState state)
{
    Q_UNUSED(state);
    if (!Document().IsLoaded(GameFile::Items))
        ClearValues();
}

void ItemEditorTab::DocumentChanged(const Edit& edit)
{
    const QString table = items::Layout.Name();
    if (!edit.Touches(table) || !Document().IsLoaded(GameFile::Items))
        return;
    if (edit.TouchesField(table, items::NameField.Name()))
        FillList();
    ShowItem();
}

bool ItemEditorTab::Reveal(const Change& change)
{
    if (change.ref.table != items::Layout.Name())
        return false;
    if (controls::ShowRow(ui.lstItem, change.ref.record))
        lstItem_DblClick();
    return true;
}

void ItemEditorTab::ClearValues()
{
    {
        const QSignalBlocker blocker(ui.lstItem);
        ui.lstItem->clear();
    }
    ui.lblIndex->clear();
    for (QPushButton* button : ui.valueButtons) {
        if (button) {
            button->setText(QString());
            button->setEnabled(false);
        }
    }
    ui.Frame2->setEnabled(false);
}

// Refilled whole, as after every rename; the selection is not kept.
void ItemEditorTab::FillList()
{
    QStringList names;
    names.reserve(items::RecordCount);
    for (int record = 0; record < items::RecordCount; ++record)
        names.append(ItemName(record));
    const QSignalBlocker blocker(ui.lstItem);
    ui.lstItem->clear();
    ui.lstItem->addItems(names);
}

void ItemEditorTab::EnableValues()
{
    for (QPushButton* button : ui.valueButtons) {
        if (button)
            button->setEnabled(true);
    }
    ui.Frame2->setEnabled(true);
}

void ItemEditorTab::ShowItem()
{
    const std::optional<ShownRecord> item = Record();
    if (!item)
        return;
    ShowFields(*item, items::Fields, ui.valueButtons,
               [this](const FieldDescription&, std::uint8_t code) { ShowDamageType(code); });
}

// A code without an option leaves the options as they were.
void ItemEditorTab::ShowDamageType(int code)
{
    if (QAbstractButton* option = ui.damageTypes->button(code)) {
        const QSignalBlocker blocker(ui.damageTypes);
        option->setChecked(true);
    }
}

QString ItemEditorTab::ItemName(int record) const
{
    const std::optional<catalogue::Slot> name =
        catalogue::Locate(items::Layout, record, items::NameField, Document().Version(), Table());
    return name ? catalogue::Show(*name, Table()) : QString();
}

const QByteArray& ItemEditorTab::Table() const
{
    return Document().Working(GameFile::Items);
}
