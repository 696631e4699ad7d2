// The "Item Editor" tab: the item list of obdata.dat, and choosing and changing one record.
#include "ui/tabs/ItemEditorTab.h"

#include "ui/RecordTableView.h"
#include "ui/ViewSwitch.h"
#include "ui/tabs/Controls.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
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
    // Twelve rows make this the tallest tab: tighter rows leave a small screen room for
    // eight lines of the Changes panel below it.
    form->setVerticalSpacing(2);
    m_form.AddRows(form, items::Fields, NumberChars);

    auto* column = new QVBoxLayout;
    column->addLayout(form);
    column->addStretch(1);
    return column;
}

void ItemEditorTab::ConnectControls()
{
    // Selection, not the current row: the current row also moves when the list takes focus.
    connect(ui.lstItem, &QListWidget::itemSelectionChanged, this, &ItemEditorTab::lstItem_Click);
    connect(ui.lstItem, &QListWidget::itemDoubleClicked, this, &ItemEditorTab::lstItem_DblClick);
    controls::OnKeyActivated(ui.lstItem, [this] { lstItem_DblClick(); });
}

void ItemEditorTab::lstItem_Click()
{
    if (const std::optional<int> row = controls::SelectedRow(ui.lstItem))
        ui.lblIndex->setText(QString::number(*row));
}

void ItemEditorTab::lstItem_DblClick()
{
    if (const std::optional<int> row = controls::SelectedRow(ui.lstItem))
        m_form.Choose(*row);
}

void ItemEditorTab::FillItemList()
{
    FillList();
    if (const std::optional<int> record = m_form.Chosen())
        m_form.Choose(*record);
}

void ItemEditorTab::SetFilesState(FilesState state)
{
    if (!Document().IsLoaded(GameFile::Items))
        ClearValues();
    if (state == FilesState::Complete)
        FillItemList();
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
    m_form.ClearCaptions();
    m_form.SetEnabled(false);
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

void ItemEditorTab::ShowItem()
{
    m_form.Show();
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
