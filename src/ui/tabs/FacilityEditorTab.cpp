// The "Facility Editor" tab: choosing a facility type, showing and editing its statistics.
#include "ui/tabs/FacilityEditorTab.h"

#include "core/TableText.h"
#include "tables/FacilityTypes.h"
#include "ui/RecordTableView.h"
#include "ui/ViewSwitch.h"
#include "ui/tabs/Controls.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
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

    m_form.AddRows(form, facilities::Fields, ValueChars);

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
}

void FacilityEditorTab::FillTypeList()
{
    const QSignalBlocker block(ui.cmbType);
    ui.cmbType->clear();
    for (int type = 0; type < int(facilitytypes::All.size()); ++type)
        ui.cmbType->addItem(Translated("Facilities", facilitytypes::Name(type)), type);
    ui.cmbType->setCurrentIndex(-1);
}

// Values still on show came from the previous executable; the same type is shown again
// from the new one. After a Close they stay hidden until a type is chosen.
void FacilityEditorTab::SetFilesState(FilesState state)
{
    ui.cmbType->setEnabled(state != FilesState::None);
    if (state == FilesState::None) {
        m_form.SetEnabled(false);
        m_form.ClearCaptions();
    } else if (m_form.IsEnabled()) {
        ShowFacility();
    }
}

void FacilityEditorTab::DocumentChanged(const Edit& edit)
{
    if (edit.Touches(facilities::Layout.Name()))
        ShowFacility();
}

bool FacilityEditorTab::Reveal(const Change& change)
{
    if (change.table != facilities::Layout.Name())
        return false;
    if (const std::optional<int> index = controls::ChooseText(ui.cmbType, change.record))
        cmbType_Click(*index);
    return true;
}

void FacilityEditorTab::cmbType_Click(int index)
{
    const QVariant type = ui.cmbType->itemData(index);
    if (!type.isValid())
        return;
    m_form.Choose(type.toInt());
}

// Showing mirrors the flag's byte and writes nothing, even one that is neither value.
void FacilityEditorTab::ShowFacility()
{
    m_form.Show();
}
