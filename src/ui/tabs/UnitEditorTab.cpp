// The "Unit Editor" tab: choosing a unit, showing its record and editing its bytes.
#include "ui/tabs/UnitEditorTab.h"

#include "core/TableText.h"
#include "tables/UnitNames.h"
#include "ui/RecordTableView.h"
#include "ui/ViewSwitch.h"
#include "ui/tabs/Controls.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <span>

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
    std::span<const FieldDescription> fields = units::Fields;
    for (const std::size_t length : ColumnLengths) {
        QFormLayout* column = NewColumn();
        m_form.AddRows(column, fields.first(length), ValueChars);
        fields = fields.subspan(length);
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
}

void UnitEditorTab::FillUnitList()
{
    const QSignalBlocker block(ui.cmbUnit);
    ui.cmbUnit->clear();
    for (int unit = 0; unit < int(unitnames::All.size()); ++unit)
        ui.cmbUnit->addItem(Translated("Units", unitnames::Name(unit)), unit);
    ui.cmbUnit->setCurrentIndex(-1);
}

std::optional<qsizetype> UnitEditorTab::SelectedUnitOffset() const
{
    if (const std::optional<int> unit = m_form.Chosen())
        return units::Layout.recordSize * *unit;
    return std::nullopt;
}

void UnitEditorTab::SetFilesState(FilesState state)
{
    if (state != FilesState::None)
        ShowUnit();
}

void UnitEditorTab::DocumentChanged(const Edit& edit)
{
    if (edit.Touches(units::Layout.Name()))
        ShowUnit();
}

bool UnitEditorTab::Reveal(const Change& change)
{
    if (change.table != units::Layout.Name())
        return false;
    if (const std::optional<int> index = controls::ChooseText(ui.cmbUnit, change.record))
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
    m_form.Choose(unit);
}

// Mirrors the flying flag without writing it: a stored 2 shows No and stays 2.
void UnitEditorTab::ShowUnit()
{
    m_form.Show();
}
