// The "Facility Editor" tab's controls and their layout.
#include "ui/tabs/FacilityEditorTab.h"

#include "tables/FacilityTypes.h"
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

    ui.Label11 = controls::Label(this, u"Label11"_s, u"Facility Name:"_s);
    ui.cmbType = controls::Combo(this, u"cmbType"_s);
    form->addRow(ui.Label11, ui.cmbType);

    struct ValueField {
        QPushButton* Ui::*button;
        QLabel* Ui::*label;
        QString buttonName;
        QString labelName;
        QString labelText;
    };
    const ValueField fields[] = {
        {&Ui::cmdPrice, &Ui::Label10, u"cmdPrice"_s, u"Label10"_s, u"Construction Cost/$k:"_s},
        {&Ui::cmdUpkeep, &Ui::Label9, u"cmdUpkeep"_s, u"Label9"_s, u"Monthly Cost/$k:"_s},
        {&Ui::cmdDays, &Ui::Label8, u"cmdDays"_s, u"Label8"_s, u"Construction Time:"_s},
        {&Ui::cmdStrength, &Ui::Label7, u"cmdStrength"_s, u"Label7"_s, u"Defense Strength:"_s},
        {&Ui::cmdRatio, &Ui::Label6, u"cmdRatio"_s, u"Label6"_s, u"Hit Ratio (%):"_s},
    };
    for (const ValueField& field : fields) {
        ui.*field.label = controls::Label(this, field.labelName, field.labelText);
        ui.*field.button = controls::ValueButton(this, field.buttonName, ValueChars);
        form->addRow(ui.*field.label, ui.*field.button);
    }

    ui.frmBuild = controls::Frame(this, u"frmBuild"_s, u"Standard to Build?:"_s);
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
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(column);
    layout->addStretch(1);
}

void FacilityEditorTab::ConnectControls()
{
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
    for (QPushButton* button : {ui.cmdPrice, ui.cmdUpkeep, ui.cmdDays, ui.cmdStrength, ui.cmdRatio})
        button->setEnabled(false);
    ui.frmBuild->setEnabled(false);
}

void FacilityEditorTab::ClearValueCaptions()
{
    for (QPushButton* button : {ui.cmdPrice, ui.cmdUpkeep, ui.cmdDays, ui.cmdStrength, ui.cmdRatio})
        button->setText(QString());
}
