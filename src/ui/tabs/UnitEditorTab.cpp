// The "Unit Editor" tab's controls and their layout.
#include "ui/tabs/UnitEditorTab.h"

#include "tables/UnitNames.h"
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

// Every unit value is one byte; bravery may show as a small negative number.
constexpr int ValueChars = 4;

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
    struct ValueField {
        QPushButton* Ui::*button;
        QString name;
        QString label;
        int column;
    };
    const ValueField fields[] = {
        {&Ui::cmdTU, u"cmdTU"_s, u"Time Units:"_s, 0},
        {&Ui::cmdHealth, u"cmdHealth"_s, u"Health:"_s, 0},
        {&Ui::cmdEnrg, u"cmdEnrg"_s, u"Energy:"_s, 0},
        {&Ui::cmdReac, u"cmdReac"_s, u"Reaction:"_s, 0},
        {&Ui::cmdStr, u"cmdStr"_s, u"Strength:"_s, 0},
        {&Ui::cmdFirA, u"cmdFirA"_s, u"Firing Accuracy:"_s, 0},
        {&Ui::cmdThrA, u"cmdThrA"_s, u"Throwing Accuracy:"_s, 0},
        {&Ui::cmdFrA, u"cmdFrA"_s, u"Front Armour:"_s, 1},
        {&Ui::cmdLefA, u"cmdLefA"_s, u"Left Armour:"_s, 1},
        {&Ui::cmdRigA, u"cmdRigA"_s, u"Right Armour:"_s, 1},
        {&Ui::cmdReaA, u"cmdReaA"_s, u"Rear Armour:"_s, 1},
        {&Ui::cmdUndA, u"cmdUndA"_s, u"Under Armour:"_s, 1},
        {&Ui::cmdPsiSk, u"cmdPsiSk"_s, u"Psi Skill:"_s, 2},
        {&Ui::cmdPsiSt, u"cmdPsiSt"_s, u"Psi Strength:"_s, 2},
        {&Ui::cmdBrav, u"cmdBrav"_s, u"Bravery:"_s, 2},
    };

    QFormLayout* columns[] = {NewColumn(), NewColumn(), NewColumn()};
    for (const ValueField& field : fields) {
        QLabel* label = controls::Label(this, QString(), field.label);
        ui.*field.button = controls::ValueButton(this, field.name, ValueChars);
        label->setBuddy(ui.*field.button);
        columns[field.column]->addRow(label, ui.*field.button);
    }
    columns[2]->addRow(CreateFlyingFrame());

    ui.Label29 = controls::Label(this, u"Label29"_s, u"Unit Name:"_s);
    ui.cmbUnit = controls::Combo(this, u"cmbUnit"_s);
    auto* top = new QHBoxLayout;
    top->addWidget(ui.Label29);
    top->addWidget(ui.cmbUnit);
    top->addStretch(1);

    auto* values = new QHBoxLayout;
    for (QFormLayout* column : columns) {
        auto* holder = new QVBoxLayout;
        holder->addLayout(column);
        holder->addStretch(1);
        values->addLayout(holder);
        values->addSpacing(fontMetrics().averageCharWidth() * 3);
    }
    values->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(fontMetrics().lineSpacing());
    layout->addLayout(values, 1);
}

QGroupBox* UnitEditorTab::CreateFlyingFrame()
{
    ui.Frame1 = controls::Frame(this, u"Frame1"_s, u"Flying Ability?:"_s);
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
}

void UnitEditorTab::FillUnitList()
{
    const QSignalBlocker block(ui.cmbUnit);
    ui.cmbUnit->clear();
    for (int unit = 0; unit < int(unitnames::All.size()); ++unit)
        ui.cmbUnit->addItem(unitnames::Name(unit), unit);
    ui.cmbUnit->setCurrentIndex(-1);
}
