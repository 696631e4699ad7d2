// The "Unit Editor" tab: choosing a unit, showing its record and editing its bytes.
#include "ui/tabs/UnitEditorTab.h"

#include "core/ByteAccess.h"
#include "core/TableText.h"
#include "core/ValuePrompt.h"
#include "tables/UnitNames.h"
#include "ui/RecordTableView.h"
#include "ui/ViewSwitch.h"
#include "ui/tabs/Controls.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStringView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Every unit value is one byte; bravery may show as a negative number down to -2440.
constexpr int ValueChars = 5;
// How many of the fields, in table order, stand in each of the three columns.
constexpr std::array<std::size_t, 3> ColumnLengths = {7, 5, 4};
static_assert(ColumnLengths[0] + ColumnLengths[1] + ColumnLengths[2] == units::Fields.size());

QFormLayout* NewColumn()
{
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    return form;
}

} // namespace

UnitEditorTab::UnitEditorTab(EditorContext& context, QWidget* parent)
    : EditorTab(context, parent)
{
    CreateControls();
    ConnectControls();
}

void UnitEditorTab::CreateControls()
{
    ui.Label29 = controls::Label(this, u"Label29"_s, tr("Unit Name:"));
    ui.cmbUnit = controls::Combo(this, u"cmbUnit"_s);
    auto* top = new QHBoxLayout;
    top->addWidget(ui.Label29);
    top->addWidget(ui.cmbUnit);
    top->addStretch(1);

    auto* layout = new QVBoxLayout;
    layout->addLayout(top);
    layout->addSpacing(fontMetrics().lineSpacing());
    layout->addLayout(CreateValueColumns(), 1);
    ui.tblUnits = new RecordTableView(Context(), units::Layout.Name(), tr("Unit"), this);
    ui.tblUnits->setObjectName(u"tblUnits"_s);
    ViewSwitch::AroundTab(this, layout, tr("Unit"), ui.tblUnits);
}

// Every field of a unit is a value button, but the flag, whose options close the last column.
QLayout* UnitEditorTab::CreateValueColumns()
{
    auto* values = new QHBoxLayout;
    std::size_t index = 0;
    for (const std::size_t length : ColumnLengths) {
        QFormLayout* column = NewColumn();
        for (const std::size_t end = index + length; index < end; ++index) {
            const FieldDescription& field = units::Fields[index];
            if (field.kind == FieldKind::Flag) {
                ui.flying = controls::FlagFrame(this, field, u"optYesU"_s, u"optNoU"_s);
                column->addRow(ui.flying.frame);
            } else {
                ui.values[index] = controls::FieldRow(this, column, field, ValueChars);
            }
        }
        auto* holder = new QVBoxLayout;
        holder->addLayout(column);
        holder->addStretch(1);
        values->addLayout(holder);
        values->addSpacing(fontMetrics().averageCharWidth() * 3);
    }
    values->addStretch(1);
    return values;
}

void UnitEditorTab::ConnectControls()
{
    // activated, not currentIndexChanged: it is the user's choice, by mouse or keyboard,
    // and it comes again when the same unit is chosen again.
    connect(ui.cmbUnit, &QComboBox::activated, this, &UnitEditorTab::cmbUnit_Click);
    for (std::size_t index = 0; index < ui.values.size(); ++index) {
        const FieldDescription& field = units::Fields[index];
        if (ui.values[index])
            connect(ui.values[index], &QPushButton::clicked, this, [this, &field] { cmdValue_Click(field); });
    }
    connect(ui.flying.yes, &QRadioButton::clicked, this, [this] { WriteFlying(true); });
    connect(ui.flying.no, &QRadioButton::clicked, this, [this] { WriteFlying(false); });
}

void UnitEditorTab::FillUnitList()
{
    const QSignalBlocker block(ui.cmbUnit);
    ui.cmbUnit->clear();
    for (int unit = 0; unit < int(unitnames::All.size()); ++unit)
        ui.cmbUnit->addItem(Translated("Units", unitnames::Name(unit)), unit);
    ui.cmbUnit->setCurrentIndex(-1);
}

void UnitEditorTab::FilesChanged(FilesState state)
{
    if (state != FilesState::None && m_selectedUnitOffset)
        ShowUnit();
}

void UnitEditorTab::DocumentChanged(const Edit& edit)
{
    if (edit.Touches(units::Layout.Name()))
        ShowUnit();
}

bool UnitEditorTab::Reveal(const Change& change)
{
    if (change.ref.table != units::Layout.Name())
        return false;
    if (const std::optional<int> index = controls::ChooseData(ui.cmbUnit, change.ref.record))
        cmbUnit_Click(*index);
    return true;
}

void UnitEditorTab::cmbUnit_Click(int index)
{
    if (index < 0)
        return;
    const int unit = ui.cmbUnit->itemData(index).toInt();
    if (unit < 0 || unit >= units::Layout.recordCount)
        return;
    m_selectedUnitOffset = units::Layout.recordSize * unit;
    EnableValues();
    ShowUnit();
}

void UnitEditorTab::cmdValue_Click(const FieldDescription& field)
{
    const std::optional<ShownRecord> unit = Record();
    if (!unit)
        return;
    if (const std::optional<QByteArray> accepted = AskValue(*unit, field)) {
        SubmitField(*unit, field, *accepted);
        ShowUnit();
    }
}

// The checked option already shows the new state, so the view does not run again.
void UnitEditorTab::WriteFlying(bool flies)
{
    const std::optional<ShownRecord> unit = Record();
    if (!unit)
        return;
    const FieldDescription& field = units::FlyingField;
    SubmitField(*unit, field, QByteArray(1, char(field.flagValue(unit->number, flies))));
}

// Mirrors the flying flag without writing it: a stored 2 shows No and stays 2.
void UnitEditorTab::ShowUnit()
{
    const std::optional<ShownRecord> unit = Record();
    if (!unit)
        return;
    ShowFields(*unit, units::Fields, ui.values, [this, &unit](const FieldDescription& flag, std::uint8_t stored) {
        controls::ShowFlag(ui.flying, fields::IsYes(flag, unit->number, stored));
    });
}

// Once a unit has been chosen the values stay usable; Close shuts the whole tab strip instead.
void UnitEditorTab::EnableValues()
{
    for (QPushButton* button : ui.values) {
        if (button)
            button->setEnabled(true);
    }
    controls::EnableFlag(ui.flying, true);
}

std::optional<ShownRecord> UnitEditorTab::Record() const
{
    if (!m_selectedUnitOffset || !Document().HasExecutable())
        return std::nullopt;
    return ShownRecord{&units::Layout, int(*m_selectedUnitOffset / units::Layout.recordSize)};
}
