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

// Two-byte amounts are shown signed and grouped, as the game would read a negative cost.
QString ValueText(const QByteArray& exe, qsizetype offset, const facilities::Field& field)
{
    if (field.width == 2)
        return modEdit::GroupThousands(QString::number(modEdit::ToSigned16(bytes::ReadU16LE(exe, offset))));
    return QString::number(bytes::ReadU8(exe, offset));
}

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

    ui.Label11 = controls::Label(this, u"Label11"_s, u"Facility Name:"_s);
    ui.cmbType = controls::Combo(this, u"cmbType"_s);
    form->addRow(ui.Label11, ui.cmbType);

    for (std::size_t index = 0; index < facilities::Fields.size(); ++index) {
        const facilities::Field& field = facilities::Fields[index];
        ui.valueLabels[index] = controls::Label(this, ToQString(field.label), ToQString(field.caption));
        ui.valueButtons[index] = controls::ValueButton(this, ToQString(field.button), ValueChars);
        form->addRow(ui.valueLabels[index], ui.valueButtons[index]);
    }

    ui.frmBuild = controls::Frame(this, u"frmBuild"_s, ToQString(facilities::StandardLabel));
    ui.optYes = controls::Option(ui.frmBuild, u"optYes"_s, u"Yes"_s);
    ui.optNo = controls::Option(ui.frmBuild, u"optNo"_s, u"No"_s);
    auto* options = new QHBoxLayout(ui.frmBuild);
    options->addWidget(ui.optYes);
    options->addWidget(ui.optNo);
    options->addStretch(1);
    for (QWidget* widget : {static_cast<QWidget*>(ui.frmBuild), static_cast<QWidget*>(ui.optYes),
                            static_cast<QWidget*>(ui.optNo)})
        widget->setEnabled(false);
    form->addRow(ui.frmBuild);

    auto* column = new QVBoxLayout;
    column->addLayout(form);
    column->addStretch(1);
    auto* layout = new QHBoxLayout;
    layout->addLayout(column);
    layout->addStretch(1);
    ui.tblFacilities = new RecordTableView(Context(), u"facilities"_s, u"Facility"_s, this);
    ui.tblFacilities->setObjectName(u"tblFacilities"_s);
    ViewSwitch::AroundTab(this, layout, u"Facility"_s, ui.tblFacilities);
}

void FacilityEditorTab::ConnectControls()
{
    // activated, not currentIndexChanged: only a user's choice shows a type.
    connect(ui.cmbType, &QComboBox::activated, this, &FacilityEditorTab::cmbType_Click);
    for (std::size_t index = 0; index < facilities::Fields.size(); ++index) {
        const facilities::Field& field = facilities::Fields[index];
        connect(ui.valueButtons[index], &QPushButton::clicked, this, [this, &field] { ValueButton_Click(field); });
    }
    connect(ui.optYes, &QRadioButton::clicked, this, &FacilityEditorTab::optYes_Click);
    connect(ui.optNo, &QRadioButton::clicked, this, &FacilityEditorTab::optNo_Click);
}

void FacilityEditorTab::FillTypeList()
{
    const QSignalBlocker block(ui.cmbType);
    ui.cmbType->clear();
    for (int type = 0; type < int(facilitytypes::All.size()); ++type)
        ui.cmbType->addItem(facilitytypes::Name(type), type);
    ui.cmbType->setCurrentIndex(-1);
}

void FacilityEditorTab::SetTypeListEnabled(bool enabled)
{
    ui.cmbType->setEnabled(enabled);
}

void FacilityEditorTab::DisableValues()
{
    for (QPushButton* button : ui.valueButtons)
        button->setEnabled(false);
    ui.frmBuild->setEnabled(false);
}

void FacilityEditorTab::ClearValueCaptions()
{
    for (QPushButton* button : ui.valueButtons)
        button->setText(QString());
}

// Values still on show came from the previous executable; the same type is shown again
// from the new one. After a Close they stay hidden until a type is chosen.
void FacilityEditorTab::FilesChanged(FilesState state)
{
    if (state != FilesState::None && ui.frmBuild->isEnabled())
        ShowFacility();
}

void FacilityEditorTab::DocumentChanged(const Edit& edit)
{
    if (edit.Touches(u"facilities"_s))
        ShowFacility();
}

bool FacilityEditorTab::Reveal(const Change& change)
{
    if (change.table != u"facilities"_s)
        return false;
    const int index = ui.cmbType->findText(change.record);
    if (index >= 0) {
        ui.cmbType->setCurrentIndex(index);
        cmbType_Click(index);
    }
    return true;
}

void FacilityEditorTab::cmbType_Click(int index)
{
    const QVariant type = ui.cmbType->itemData(index);
    if (!type.isValid())
        return;
    m_selectedFacilityType = type.toInt();
    m_selectedFacilityOffset = facilities::RecordSize * m_selectedFacilityType;
    EnableValues();
    ShowFacility();
}

void FacilityEditorTab::ValueButton_Click(const facilities::Field& field)
{
    if (m_selectedFacilityType < 0 || !Document().HasExecutable())
        return;
    const QByteArray& exe = Document().Working(GameFile::Executable);
    const qsizetype offset = RecordStart() + field.position;
    if (field.width == 2) {
        const std::uint16_t current = bytes::ReadU16LE(exe, offset);
        if (const std::optional<std::uint16_t> accepted = PromptWord(Context().asker, current)) {
            SubmitValue(field, field.position, bytes::U16LE(*accepted), QString::number(current), QString::number(*accepted));
        }
        // A cancelled amount still refreshes, as an accepted one does.
        ShowFacility();
        return;
    }
    const std::uint8_t current = bytes::ReadU8(exe, offset);
    if (const std::optional<std::uint8_t> accepted = PromptByte(Context().asker, current, field.prompt)) {
        SubmitValue(field, field.position, QByteArray(1, char(*accepted)), QString::number(current),
                    QString::number(*accepted));
        ShowFacility();
    }
}

void FacilityEditorTab::SubmitValue(const facilities::Field& field, qsizetype position, const QByteArray& after,
                                    const QString& before, const QString& shownAfter)
{
    const QString type = facilitytypes::Name(m_selectedFacilityType);
    const QString name = FieldName(field.caption);
    Submit({u"%1: %2 %3"_s.arg(type, name, changes::FromTo(before, shownAfter)),
            {Document().ChangeTo(GameFile::Executable, RecordStart() + position, after, u"facilities"_s, type, name)}});
}

void FacilityEditorTab::optYes_Click()
{
    WriteStandardFlag(true);
}

void FacilityEditorTab::optNo_Click()
{
    WriteStandardFlag(false);
}

void FacilityEditorTab::EnableValues()
{
    for (QWidget* widget : {static_cast<QWidget*>(ui.frmBuild), static_cast<QWidget*>(ui.optYes),
                            static_cast<QWidget*>(ui.optNo)})
        widget->setEnabled(true);
    for (QPushButton* button : ui.valueButtons)
        button->setEnabled(true);
}

qsizetype FacilityEditorTab::RecordStart() const
{
    return facilities::Start.For(Document().Version()) + m_selectedFacilityOffset;
}

void FacilityEditorTab::ShowFacility()
{
    if (m_selectedFacilityType < 0 || !Document().HasExecutable())
        return;
    const QByteArray& exe = Document().Working(GameFile::Executable);
    const qsizetype record = RecordStart();
    for (std::size_t index = 0; index < facilities::Fields.size(); ++index) {
        const facilities::Field& field = facilities::Fields[index];
        ui.valueButtons[index]->setText(ValueText(exe, record + field.position, field));
    }
    // Showing mirrors the byte and writes nothing, even one that is neither value.
    const QSignalBlocker blockYes(ui.optYes);
    const QSignalBlocker blockNo(ui.optNo);
    const bool standard = IsStandardValue(bytes::ReadU8(exe, record + facilities::StandardFlagPosition));
    (standard ? ui.optYes : ui.optNo)->setChecked(true);
}

bool FacilityEditorTab::IsStandardValue(std::uint8_t value) const
{
    return facilitytypes::IsStandardValue(m_selectedFacilityType, value);
}

// The whole byte is written, never the bit of value 4 alone: the game keeps other bits per type.
void FacilityEditorTab::WriteStandardFlag(bool standard)
{
    if (m_selectedFacilityType < 0 || !Document().HasExecutable())
        return;
    const std::uint8_t current =
        bytes::ReadU8(Document().Working(GameFile::Executable), RecordStart() + facilities::StandardFlagPosition);
    const std::uint8_t value = facilitytypes::StandardValue(m_selectedFacilityType, standard);
    const auto text = [this](std::uint8_t stored) {
        return FlagText(stored, facilitytypes::StandardValue(m_selectedFacilityType, true),
                        facilitytypes::StandardValue(m_selectedFacilityType, false));
    };
    const QString type = facilitytypes::Name(m_selectedFacilityType);
    const QString name = FieldName(facilities::StandardLabel);
    Submit({u"%1: %2 %3"_s.arg(type, name, changes::FromTo(text(current), text(value))),
            {Document().ChangeTo(GameFile::Executable, RecordStart() + facilities::StandardFlagPosition,
                                 QByteArray(1, char(value)), u"facilities"_s, type, name)}});
}
