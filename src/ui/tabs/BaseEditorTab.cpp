// The "Base Editor" tab's controls and their layout.
#include "ui/tabs/BaseEditorTab.h"

#include "tables/BaseGrid.h"
#include "tables/DayCounts.h"
#include "tables/FacilityCodes.h"
#include "ui/tabs/Controls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

BaseEditorTab::BaseEditorTab(EditorContext& context, QWidget* parent)
    : EditorTab(context, parent)
{
    CreateControls();
    ConnectControls();
}

void BaseEditorTab::CreateControls()
{
    ui.Label1 = controls::Label(this, u"Label1"_s, u"This is the base that will be built when a new game is started. "_s);

    auto* left = new QVBoxLayout;
    left->addWidget(ui.Label1);
    left->addLayout(CreateGrid(), 1);
    ui.lblVer = controls::Label(this, u"lblVer"_s);
    left->addWidget(ui.lblVer);

    ui.Label5 = controls::Label(this, u"Label5"_s, u"Items in General Stores:"_s);
    ui.lstItems = controls::List(this, u"lstItems"_s, u"A list of every item at the starting base."_s);
    ui.lstItems->setMinimumWidth(ui.lstItems->fontMetrics().averageCharWidth() * 34);
    ui.Label2 = controls::Label(this, u"Label2"_s, u"Click on an item to edit the amount a player starts with."_s);
    ui.Label2->setWordWrap(true);

    auto* right = new QVBoxLayout;
    right->addWidget(CreateChangeFrame());
    right->addWidget(ui.Label5);
    right->addWidget(ui.lstItems, 1);
    right->addWidget(ui.Label2);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 3);
    layout->addLayout(right, 1);
}

QGridLayout* BaseEditorTab::CreateGrid()
{
    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    // Room for the widest facility caption over two more lines (a hangar quarter and its days).
    QPushButton widest(u"Fusion Ball Defense\n(Bottom Right)\n255 Days"_s, this);
    const QSize cellSize = widest.sizeHint() + QSize(8, 8);
    for (int index = 0; index < basegrid::CellCount; ++index) {
        QPushButton* button = controls::Button(this, u"Command%1"_s.arg(index + 1), QString());
        button->setMinimumSize(cellSize);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        ui.Command[std::size_t(index)] = button;
        grid->addWidget(button, index % basegrid::Rows, index / basegrid::Rows);
    }
    return grid;
}

QGroupBox* BaseEditorTab::CreateChangeFrame()
{
    ui.frmChange = controls::Frame(this, u"frmChange"_s, QString());
    ui.Label4 = controls::Label(ui.frmChange, u"Label4"_s, u"Facility Type:"_s);
    ui.Combo1 = controls::Combo(ui.frmChange, u"Combo1"_s, u"Choose Facility Type"_s);
    ui.Label3 = controls::Label(ui.frmChange, u"Label3"_s, u"Days Left:"_s);
    ui.Combo2 = controls::Combo(ui.frmChange, u"Combo2"_s, u"Choose Days To Completion"_s);
    // The boxes must be able to show a cell's own text even where the list has no such entry.
    for (QComboBox* combo : {ui.Combo1, ui.Combo2}) {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
    }
    ui.cmdApply = controls::Button(ui.frmChange, u"cmdApply"_s, u"&Apply"_s);
    ui.cmdCancel = controls::Button(ui.frmChange, u"cmdCancel"_s, u"&Cancel"_s);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ui.cmdApply);
    buttons->addWidget(ui.cmdCancel);

    auto* layout = new QVBoxLayout(ui.frmChange);
    layout->addWidget(ui.Label4);
    layout->addWidget(ui.Combo1);
    layout->addWidget(ui.Label3);
    layout->addWidget(ui.Combo2);
    layout->addLayout(buttons);
    ui.frmChange->hide();
    return ui.frmChange;
}

void BaseEditorTab::ConnectControls()
{
}

void BaseEditorTab::FillChoiceLists()
{
    const QSignalBlocker blockFacilities(ui.Combo1);
    const QSignalBlocker blockDays(ui.Combo2);
    ui.Combo1->clear();
    for (const std::uint8_t code : facilitycodes::ChoiceOrder)
        ui.Combo1->addItem(facilitycodes::OneLineName(code), int(code));
    ui.Combo2->clear();
    for (const std::uint8_t days : daycounts::Choices)
        ui.Combo2->addItem(daycounts::DaysText(days), int(days));
    ui.Combo1->setCurrentIndex(0);
    ui.Combo2->setCurrentIndex(0);
}

void BaseEditorTab::UpdateItemsList()
{
}

void BaseEditorTab::UpdateBase()
{
}

void BaseEditorTab::SetGridEnabled(bool enabled)
{
    for (QPushButton* button : ui.Command)
        button->setEnabled(enabled);
}

void BaseEditorTab::ClearGridCaptions()
{
    for (QPushButton* button : ui.Command)
        button->setText(QString());
}

void BaseEditorTab::SetStoresEnabled(bool enabled)
{
    ui.lstItems->setEnabled(enabled);
}

void BaseEditorTab::ClearStores()
{
    ui.lstItems->clear();
}

void BaseEditorTab::HideChangeFrame()
{
    ui.frmChange->hide();
}

void BaseEditorTab::ShowVersion(const QString& caption)
{
    ui.lblVer->setText(caption);
}
