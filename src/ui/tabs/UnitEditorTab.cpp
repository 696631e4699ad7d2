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
constexpr std::array<std::size_t, 3> ColumnLengths = {7, 5, 3};

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
    ui.Label29 = controls::Label(this, u"Label29"_s, u"Unit Name:"_s);
    ui.cmbUnit = controls::Combo(this, u"cmbUnit"_s);
    auto* top = new QHBoxLayout;
    top->addWidget(ui.Label29);
    top->addWidget(ui.cmbUnit);
    top->addStretch(1);

    auto* layout = new QVBoxLayout;
    layout->addLayout(top);
    layout->addSpacing(fontMetrics().lineSpacing());
    layout->addLayout(CreateValueColumns(), 1);
    ui.tblUnits = new RecordTableView(Context(), u"units"_s, u"Unit"_s, this);
    ui.tblUnits->setObjectName(u"tblUnits"_s);
    ViewSwitch::AroundTab(this, layout, u"Unit"_s, ui.tblUnits);
}

QLayout* UnitEditorTab::CreateValueColumns()
{
    auto* values = new QHBoxLayout;
    std::size_t field = 0;
    for (const std::size_t length : ColumnLengths) {
        QFormLayout* column = NewColumn();
        for (const std::size_t end = field + length; field < end; ++field) {
            const units::UnitField& unitField = units::Fields[field];
            QLabel* label = controls::Label(this, QString(), ToQString(unitField.label));
            ui.values[field] = controls::ValueButton(this, ToQString(unitField.control), ValueChars);
            label->setBuddy(ui.values[field]);
            column->addRow(label, ui.values[field]);
        }
        if (field == units::Fields.size())
            column->addRow(CreateFlyingFrame());
        auto* holder = new QVBoxLayout;
        holder->addLayout(column);
        holder->addStretch(1);
        values->addLayout(holder);
        values->addSpacing(fontMetrics().averageCharWidth() * 3);
    }
    values->addStretch(1);
    return values;
}

QGroupBox* UnitEditorTab::CreateFlyingFrame()
{
    ui.Frame1 = controls::Frame(this, u"Frame1"_s, ToQString(units::FlyingLabel));
    ui.optYesU = controls::Option(ui.Frame1, u"optYesU"_s, u"Yes"_s);
    ui.optNoU = controls::Option(ui.Frame1, u"optNoU"_s, u"No"_s);
    auto* options = new QHBoxLayout(ui.Frame1);
    options->addWidget(ui.optYesU);
    options->addWidget(ui.optNoU);
    options->addStretch(1);
    for (QWidget* widget : {static_cast<QWidget*>(ui.Frame1), static_cast<QWidget*>(ui.optYesU),
                            static_cast<QWidget*>(ui.optNoU)})
        widget->setEnabled(false);
    return ui.Frame1;
}

void UnitEditorTab::ConnectControls()
{
    // activated, not currentIndexChanged: it is the user's choice, by mouse or keyboard,
    // and it comes again when the same unit is chosen again.
    connect(ui.cmbUnit, &QComboBox::activated, this, &UnitEditorTab::cmbUnit_Click);
    for (std::size_t field = 0; field < ui.values.size(); ++field)
        connect(ui.values[field], &QPushButton::clicked, this, [this, field] { cmdValue_Click(field); });
    connect(ui.optYesU, &QRadioButton::clicked, this, &UnitEditorTab::optYesU_Click);
    connect(ui.optNoU, &QRadioButton::clicked, this, &UnitEditorTab::optNoU_Click);
}

void UnitEditorTab::FillUnitList()
{
    const QSignalBlocker block(ui.cmbUnit);
    ui.cmbUnit->clear();
    for (int unit = 0; unit < int(unitnames::All.size()); ++unit)
        ui.cmbUnit->addItem(unitnames::Name(unit), unit);
    ui.cmbUnit->setCurrentIndex(-1);
}

void UnitEditorTab::FilesChanged(FilesState state)
{
    if (state != FilesState::None && m_selectedUnitOffset)
        ShowUnit();
}

void UnitEditorTab::DocumentChanged(const Edit& edit)
{
    if (edit.Touches(u"units"_s))
        ShowUnit();
}

bool UnitEditorTab::Reveal(const Change& change)
{
    if (change.table != u"units"_s)
        return false;
    const int index = ui.cmbUnit->findText(change.record);
    if (index >= 0) {
        ui.cmbUnit->setCurrentIndex(index);
        cmbUnit_Click(index);
    }
    return true;
}

void UnitEditorTab::cmbUnit_Click(int index)
{
    if (index < 0)
        return;
    const qsizetype offset = units::RecordOffset(ui.cmbUnit->itemData(index).toInt());
    if (offset < 0)
        return;
    m_selectedUnitOffset = offset;
    EnableValues();
    ShowUnit();
}

void UnitEditorTab::cmdValue_Click(std::size_t field)
{
    const qsizetype start = RecordStart();
    if (start < 0)
        return;
    const units::UnitField& unitField = units::Fields[field];
    const std::uint8_t current = bytes::ReadU8(Document().Working(GameFile::Executable), start + unitField.position);
    const std::optional<std::uint8_t> accepted = PromptByte(Context().asker, current, unitField.prompt);
    if (!accepted)
        return;
    SubmitByte(unitField.position, *accepted, FieldName(unitField.label), units::ShownValue(unitField, current),
               units::ShownValue(unitField, *accepted));
    ShowUnit();
}

void UnitEditorTab::SubmitByte(qsizetype position, std::uint8_t value, const QString& field, const QString& before,
                               const QString& after)
{
    const QString unit = UnitName();
    Submit({u"%1: %2 %3"_s.arg(unit, field, changes::FromTo(before, after)),
            {Document().ChangeTo(GameFile::Executable, RecordStart() + position, QByteArray(1, char(value)),
                                 u"units"_s, unit, field)}});
}

QString UnitEditorTab::UnitName() const
{
    return m_selectedUnitOffset ? unitnames::Name(int(*m_selectedUnitOffset / units::RecordSize)) : QString();
}

void UnitEditorTab::optYesU_Click()
{
    WriteFlying(units::Flies);
}

void UnitEditorTab::optNoU_Click()
{
    WriteFlying(units::DoesNotFly);
}

// The checked option already shows the new state, so the view does not run again.
void UnitEditorTab::WriteFlying(std::uint8_t value)
{
    const qsizetype start = RecordStart();
    if (start < 0)
        return;
    const auto text = [](int stored) { return FlagText(stored, units::Flies, units::DoesNotFly); };
    const std::uint8_t current = bytes::ReadU8(Document().Working(GameFile::Executable), start + units::FlyingPosition);
    SubmitByte(units::FlyingPosition, value, FieldName(units::FlyingLabel), text(current), text(value));
}

// Mirrors the flying flag without writing it: a stored 2 shows No and stays 2.
void UnitEditorTab::ShowUnit()
{
    const qsizetype start = RecordStart();
    if (start < 0)
        return;
    const QByteArray& exe = Document().Working(GameFile::Executable);
    {
        const QSignalBlocker blockYes(ui.optYesU);
        const QSignalBlocker blockNo(ui.optNoU);
        const bool flies = bytes::ReadU8(exe, start + units::FlyingPosition) == units::Flies;
        (flies ? ui.optYesU : ui.optNoU)->setChecked(true);
    }
    for (std::size_t field = 0; field < ui.values.size(); ++field) {
        const units::UnitField& unitField = units::Fields[field];
        ui.values[field]->setText(units::ShownValue(unitField, bytes::ReadU8(exe, start + unitField.position)));
    }
}

// Once a unit has been chosen the values stay usable; Close shuts the whole tab strip instead.
void UnitEditorTab::EnableValues()
{
    for (QPushButton* button : ui.values)
        button->setEnabled(true);
    for (QWidget* widget : {static_cast<QWidget*>(ui.Frame1), static_cast<QWidget*>(ui.optYesU),
                            static_cast<QWidget*>(ui.optNoU)})
        widget->setEnabled(true);
}

qsizetype UnitEditorTab::RecordStart() const
{
    if (!m_selectedUnitOffset || !Document().HasExecutable())
        return -1;
    const qsizetype start = units::Start.For(Document().Version()) + *m_selectedUnitOffset;
    if (!bytes::InRange(Document().Working(GameFile::Executable), start, units::RecordSize))
        return -1;
    return start;
}
