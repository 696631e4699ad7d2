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

// A name with "&" would otherwise lose it and give the button a shortcut.
QString AsCaption(QString text)
{
    return text.replace(u'&', u"&&"_s);
}

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
    ui.tblItems = new RecordTableView(Context(), u"items"_s, u"Index"_s, this);
    ui.tblItems->setObjectName(u"tblItems"_s);
    ViewSwitch::AroundTab(this, layout, u"Item"_s, ui.tblItems);
}

QLayout* ItemEditorTab::CreateListColumn()
{
    ui.Label42 = controls::Label(this, u"Label42"_s, u"Double click on item to edit it."_s);
    ui.lstItem = controls::List(this, u"lstItem"_s, u"Click on item to view index number, double click to edit."_s);
    ui.lstItem->setMinimumWidth(ui.lstItem->fontMetrics().averageCharWidth() * int(items::NameLength + 6));
    ui.Label39 = controls::Label(this, u"Label39"_s, u"Index:"_s);
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
    const auto addRow = [this, form](const ItemControl& control, int chars) {
        QLabel* label = controls::Label(this, QString(), ToQString(control.label));
        QPushButton* button =
            controls::ValueButton(this, ToQString(control.buttonName), chars, ToQString(control.toolTip));
        label->setBuddy(button);
        form->addRow(label, button);
        return button;
    };
    ui.cmdName = addRow(items::NameControl, int(items::NameLength));
    for (std::size_t index = 0; index < items::Fields.size(); ++index)
        ui.fieldButtons[index] = addRow(items::Fields[index].control, NumberChars);
    form->addRow(CreateDamageTypeFrame());

    auto* column = new QVBoxLayout;
    column->addLayout(form);
    column->addStretch(1);
    return column;
}

QGroupBox* ItemEditorTab::CreateDamageTypeFrame()
{
    ui.Frame2 = controls::Frame(this, u"Frame2"_s, ToQString(damagetypes::FrameLabel));
    ui.damageTypes = new QButtonGroup(ui.Frame2);
    auto* grid = new QGridLayout(ui.Frame2);
    for (std::size_t index = 0; index < damagetypes::All.size(); ++index) {
        const DamageTypeOption& type = damagetypes::All[index];
        QRadioButton* option = controls::Option(ui.Frame2, ToQString(type.optionName), ToQString(type.caption));
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
    connect(ui.cmdName, &QPushButton::clicked, this, &ItemEditorTab::cmdName_Click);
    for (std::size_t index = 0; index < items::Fields.size(); ++index) {
        const ItemField& field = items::Fields[index];
        connect(ui.fieldButtons[index], &QPushButton::clicked, this, [this, &field] { cmdField_Click(field); });
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

void ItemEditorTab::cmdName_Click()
{
    RenameItem();
}

void ItemEditorTab::cmdField_Click(const ItemField& field)
{
    if (!m_selectedItemOffset || !Document().IsLoaded(GameFile::Items))
        return;
    const std::uint8_t current = bytes::ReadU8(Table(), *m_selectedItemOffset + field.position);
    const std::optional<std::uint8_t> accepted = PromptByte(Context().asker, current, field.prompt);
    if (!accepted)
        return;
    const QString name = FieldName(field.control.label);
    SubmitRecordChange(field.position, QByteArray(1, char(*accepted)), name,
                       u"item %1: %2 %3"_s.arg(QString::number(SelectedRecord()), name,
                                              changes::FromTo(QString::number(current), QString::number(*accepted))));
    ShowItem();
}

void ItemEditorTab::optDamageType_Click(int code)
{
    if (!m_selectedItemOffset || !Document().IsLoaded(GameFile::Items))
        return;
    const std::uint8_t current = bytes::ReadU8(Table(), *m_selectedItemOffset + items::DamageTypePosition);
    const QString name = FieldName(damagetypes::FrameLabel);
    SubmitRecordChange(items::DamageTypePosition, QByteArray(1, char(code)), name,
                       u"item %1: %2 %3"_s.arg(QString::number(SelectedRecord()), name,
                                              changes::FromTo(damagetypes::Text(current), damagetypes::Text(code))));
}

void ItemEditorTab::SubmitRecordChange(qsizetype position, const QByteArray& after, const QString& field,
                                       const QString& text)
{
    Submit({text, {Document().ChangeTo(GameFile::Items, *m_selectedItemOffset + position, after, u"items"_s,
                                       QString::number(SelectedRecord()), field)}});
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
    if (!edit.Touches(u"items"_s) || !Document().IsLoaded(GameFile::Items))
        return;
    if (edit.TouchesField(u"items"_s, FieldName(items::NameControl.label)))
        FillList();
    ShowItem();
}

bool ItemEditorTab::Reveal(const Change& change)
{
    if (change.table != u"items"_s)
        return false;
    bool isNumber = false;
    const int row = change.record.toInt(&isNumber);
    if (isNumber && row >= 0 && row < ui.lstItem->count()) {
        ui.lstItem->setCurrentRow(row);
        ui.lstItem->scrollToItem(ui.lstItem->item(row));
        lstItem_DblClick();
    }
    return true;
}

void ItemEditorTab::ClearValues()
{
    {
        const QSignalBlocker blocker(ui.lstItem);
        ui.lstItem->clear();
    }
    ui.lblIndex->clear();
    ui.cmdName->setText(QString());
    ui.cmdName->setEnabled(false);
    for (QPushButton* button : ui.fieldButtons) {
        button->setText(QString());
        button->setEnabled(false);
    }
    ui.Frame2->setEnabled(false);
}

// Refilled whole, as after every rename; the selection is not kept.
void ItemEditorTab::FillList()
{
    QStringList names;
    names.reserve(items::RecordCount);
    for (int record = 0; record < items::RecordCount; ++record)
        names.append(ItemName(items::RecordSize * record));
    const QSignalBlocker blocker(ui.lstItem);
    ui.lstItem->clear();
    ui.lstItem->addItems(names);
}

// In the order the values are laid out for the keyboard: the damage types after the ammo.
void ItemEditorTab::EnableValues()
{
    ui.cmdName->setEnabled(true);
    for (std::size_t index = 0; index < items::Fields.size(); ++index) {
        ui.fieldButtons[index]->setEnabled(true);
        if (items::Fields[index].position == items::AmmoPositions[2])
            ui.Frame2->setEnabled(true);
    }
}

void ItemEditorTab::ShowItem()
{
    if (!m_selectedItemOffset || !Document().IsLoaded(GameFile::Items))
        return;
    const qsizetype record = *m_selectedItemOffset;
    const QByteArray& table = Table();
    ui.cmdName->setText(AsCaption(ItemName(record)));
    for (std::size_t index = 0; index < items::Fields.size(); ++index)
        ui.fieldButtons[index]->setText(QString::number(bytes::ReadU8(table, record + items::Fields[index].position)));
    ShowDamageType(bytes::ReadU8(table, record + items::DamageTypePosition));
}

// A code without an option leaves the options as they were.
void ItemEditorTab::ShowDamageType(int code)
{
    if (QAbstractButton* option = ui.damageTypes->button(code)) {
        const QSignalBlocker blocker(ui.damageTypes);
        option->setChecked(true);
    }
}

void ItemEditorTab::RenameItem()
{
    if (!m_selectedItemOffset || !Document().IsLoaded(GameFile::Items))
        return;
    const qsizetype offset = *m_selectedItemOffset + items::NamePosition;
    const std::optional<QByteArray> name =
        PromptName(Context().asker, bytes::ReadField(Table(), offset, items::Rename.shownWidth), items::Rename);
    if (!name)
        return;
    SubmitRecordChange(items::NamePosition, *name, FieldName(items::NameControl.label),
                       u"Rename item %1 to %2"_s.arg(SelectedRecord()).arg(codepage::FieldText(*name)));
    ShowItem();
    FillList();
}

QString ItemEditorTab::ItemName(qsizetype recordOffset) const
{
    return codepage::FieldText(bytes::ReadField(Table(), recordOffset + items::NamePosition, items::NameLength));
}

const QByteArray& ItemEditorTab::Table() const
{
    return Document().Working(GameFile::Items);
}
