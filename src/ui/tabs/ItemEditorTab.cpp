// The "Item Editor" tab's controls and their layout.
#include "ui/tabs/ItemEditorTab.h"

#include "tables/DamageTypes.h"
#include "tables/Items.h"
#include "ui/tabs/Controls.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int NumberChars = 4;

QString FromView(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
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
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(CreateListColumn(), 1);
    layout->addSpacing(fontMetrics().averageCharWidth() * 3);
    layout->addLayout(CreateValueColumn());
    layout->addStretch(1);
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
    struct ValueField {
        QPushButton* Ui::*button;
        QString name;
        QString label;
        QString toolTip;
        int chars;
    };
    const ValueField fields[] = {
        {&Ui::cmdName, u"cmdName"_s, u"Name:"_s, u"Click to change the name."_s, int(items::NameLength)},
        {&Ui::cmdDamage, u"cmdDamage"_s, u"Damage:"_s, u"Click to change the damage this item deals."_s, NumberChars},
        {&Ui::cmdAmmo1, u"cmdAmmo1"_s, u"Ammo Type 1:"_s, u"Change Ammo Type 1. Use index number of Ammo item."_s,
         NumberChars},
        {&Ui::cmdAmmo2, u"cmdAmmo2"_s, u"Ammo Type 2:"_s, u"Change Ammo Type 2. Use index number of Ammo item."_s,
         NumberChars},
        {&Ui::cmdAmmo3, u"cmdAmmo3"_s, u"Ammo Type 3:"_s, u"Change Ammo Type 3. Use index number of Ammo item."_s,
         NumberChars},
        {&Ui::cmdAutoA, u"cmdAutoA"_s, u"Autoshot Accuracy:"_s, u"Click to change the autoshot accuracy."_s,
         NumberChars},
        {&Ui::cmdSnapA, u"cmdSnapA"_s, u"Snap Shot Accuracy:"_s, u"Click to change the snap shot accuracy."_s,
         NumberChars},
        {&Ui::cmdAimA, u"cmdAimA"_s, u"Aimed Shot Accuracy:"_s, u"Click to change the aimed shot accuracy."_s,
         NumberChars},
        {&Ui::cmdAutoT, u"cmdAutoT"_s, u"Autoshot TU%:"_s, u"Click to change the time units an autoshot costs, in %."_s,
         NumberChars},
        {&Ui::cmdSnapT, u"cmdSnapT"_s, u"Snap Shot TU%:"_s,
         u"Click to change the time units a snap shot costs, in %."_s, NumberChars},
        {&Ui::cmdAimT, u"cmdAimT"_s, u"Aimed Shot TU%:"_s,
         u"Click to change the time units an aimed shot costs, in %."_s, NumberChars},
    };

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    for (const ValueField& field : fields) {
        QLabel* label = controls::Label(this, QString(), field.label);
        ui.*field.button = controls::ValueButton(this, field.name, field.chars, field.toolTip);
        label->setBuddy(ui.*field.button);
        form->addRow(label, ui.*field.button);
    }
    form->addRow(CreateDamageTypeFrame());

    auto* column = new QVBoxLayout;
    column->addLayout(form);
    column->addStretch(1);
    return column;
}

QGroupBox* ItemEditorTab::CreateDamageTypeFrame()
{
    ui.Frame2 = controls::Frame(this, u"Frame2"_s, u"Damage Type"_s);
    auto* grid = new QGridLayout(ui.Frame2);
    for (std::size_t index = 0; index < damagetypes::All.size(); ++index) {
        const DamageTypeOption& type = damagetypes::All[index];
        QRadioButton* option = controls::Option(ui.Frame2, FromView(type.optionName), FromView(type.caption));
        ui.damageTypeOptions[index] = option;
        grid->addWidget(option, int(index) / 2, int(index) % 2);
    }
    ui.Frame2->setEnabled(false);
    return ui.Frame2;
}

void ItemEditorTab::ConnectControls()
{
}

void ItemEditorTab::FillItemList()
{
}
