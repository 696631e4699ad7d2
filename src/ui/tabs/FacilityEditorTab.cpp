// The "Facility Editor" tab: choosing a facility type, showing and editing its statistics.
#include "ui/tabs/FacilityEditorTab.h"

#include "core/ByteAccess.h"
#include "core/TableText.h"
#include "core/TextRoutines.h"
#include "core/ValuePrompt.h"
#include "tables/FacilityTypes.h"
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
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Wide enough for a grouped, signed 16-bit value such as "-25,536".
constexpr int ValueChars = 8;

} // namespace

FacilityEditorTab::FacilityEditorTab(EditorContext& context, QWidget* parent)
    : EditorTab(context, parent)
{
    CreateControls();
    ConnectControls();
}

void FacilityEditorTab::CreateControls()
{
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);

    ui.Label11 = controls::Label(this, u"Label11"_s, tr("Facility Name:"));
    ui.cmbType = controls::Combo(this, u"cmbType"_s);
    form->addRow(ui.Label11, ui.cmbType);

    for (std::size_t index = 0; index < facilities::Fields.size(); ++index) {
        const FieldDescription& field = facilities::Fields[index];
        if (field.kind == FieldKind::Flag) {
            ui.standard = controls::FlagFrame(this, field, u"optYes"_s, u"optNo"_s);
            form->addRow(ui.standard.frame);
        } else {
            ui.valueButtons[index] = controls::FieldRow(this, form, field, ValueChars);
        }
    }

    auto* column = new QVBoxLayout;
    column->addLayout(form);
    column->addStretch(1);
    auto* layout = new QHBoxLayout;
    layout->addLayout(column);
    layout->addStretch(1);
    ui.tblFacilities = new RecordTableView(Context(), facilities::Layout.Name(), tr("Facility"), this);
    ui.tblFacilities->setObjectName(u"tblFacilities"_s);
    ViewSwitch::AroundTab(this, layout, tr("Facility"), ui.tblFacilities);
}

void FacilityEditorTab::ConnectControls()
{
    // activated, not currentIndexChanged: only a user's choice shows a type.
    connect(ui.cmbType, &QComboBox::activated, this, &FacilityEditorTab::cmbType_Click);
    for (std::size_t index = 0; index < facilities::Fields.size(); ++index) {
        const FieldDescription& field = facilities::Fields[index];
        if (ui.valueButtons[index])
            connect(ui.valueButtons[index], &QPushButton::clicked, this, [this, &field] { ValueButton_Click(field); });
    }
    connect(ui.standard.yes, &QRadioButton::clicked, this, [this] { WriteStandardFlag(true); });
    connect(ui.standard.no, &QRadioButton::clicked, this, [this] { WriteStandardFlag(false); });
}

void FacilityEditorTab::FillTypeList()
{
    const QSignalBlocker block(ui.cmbType);
    ui.cmbType->clear();
    for (int type = 0; type < int(facilitytypes::All.size()); ++type)
        ui.cmbType->addItem(Translated("Facilities", facilitytypes::Name(type)), type);
    ui.cmbType->setCurrentIndex(-1);
}

void FacilityEditorTab::SetTypeListEnabled(bool enabled)
{
    ui.cmbType->setEnabled(enabled);
}

void FacilityEditorTab::DisableValues()
{
    for (QPushButton* button : ui.valueButtons) {
        if (button)
            button->setEnabled(false);
    }
    ui.standard.frame->setEnabled(false);
}

void FacilityEditorTab::ClearValueCaptions()
{
    for (QPushButton* button : ui.valueButtons) {
        if (button)
            button->setText(QString());
    }
}

// Values still on show came from the previous executable; the same type is shown again
// from the new one. After a Close they stay hidden until a type is chosen.
void FacilityEditorTab::FilesChanged(FilesState state)
{
    if (state != FilesState::None && ui.standard.frame->isEnabled())
        ShowFacility();
}

void FacilityEditorTab::DocumentChanged(const Edit& edit)
{
    if (edit.Touches(facilities::Layout.Name()))
        ShowFacility();
}

bool FacilityEditorTab::Reveal(const Change& change)
{
    if (change.ref.table != facilities::Layout.Name())
        return false;
    if (const std::optional<int> index = controls::ChooseData(ui.cmbType, change.ref.record))
        cmbType_Click(*index);
    return true;
}

void FacilityEditorTab::cmbType_Click(int index)
{
    const QVariant type = ui.cmbType->itemData(index);
    if (!type.isValid())
        return;
    m_selectedFacilityType = type.toInt();
    EnableValues();
    ShowFacility();
}

// A cancelled box still refreshes, as an accepted one does.
void FacilityEditorTab::ValueButton_Click(const FieldDescription& field)
{
    const std::optional<ShownRecord> facility = Record();
    if (!facility)
        return;
    if (const std::optional<QByteArray> accepted = AskValue(*facility, field))
        SubmitField(*facility, field, *accepted);
    ShowFacility();
}

void FacilityEditorTab::EnableValues()
{
    controls::EnableFlag(ui.standard, true);
    for (QPushButton* button : ui.valueButtons) {
        if (button)
            button->setEnabled(true);
    }
}

std::optional<ShownRecord> FacilityEditorTab::Record() const
{
    if (m_selectedFacilityType < 0 || !Document().HasExecutable())
        return std::nullopt;
    return ShownRecord{&facilities::Layout, m_selectedFacilityType};
}

// Showing mirrors the flag's byte and writes nothing, even one that is neither value.
void FacilityEditorTab::ShowFacility()
{
    const std::optional<ShownRecord> facility = Record();
    if (!facility)
        return;
    ShowFields(*facility, facilities::Fields, ui.valueButtons,
               [this, &facility](const FieldDescription& flag, std::uint8_t stored) {
                   controls::ShowFlag(ui.standard, fields::IsYes(flag, facility->number, stored));
               });
}

// The whole byte is written, never the bit of value 4 alone: the game keeps other bits per type.
void FacilityEditorTab::WriteStandardFlag(bool standard)
{
    const std::optional<ShownRecord> facility = Record();
    if (!facility)
        return;
    const FieldDescription& field = facilities::StandardField;
    SubmitField(*facility, field, QByteArray(1, char(field.flagValue(facility->number, standard))));
}
