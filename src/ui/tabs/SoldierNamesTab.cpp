// The "Soldier Names" tab's controls and their layout.
#include "ui/tabs/SoldierNamesTab.h"

#include "ui/tabs/Controls.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>

using namespace Qt::StringLiterals;

SoldierNamesTab::SoldierNamesTab(EditorContext& context, QWidget* parent)
    : EditorTab(context, parent)
{
    CreateControls();
    ConnectControls();
}

void SoldierNamesTab::CreateControls()
{
    ui.lblName = controls::Label(this, u"lblName"_s);
    ui.lblName->setWordWrap(true);
    ui.Label13 = controls::Label(this, u"Label13"_s, u"First Names"_s);
    ui.lstFirst = controls::List(this, u"lstFirst"_s);
    ui.Label12 = controls::Label(this, u"Label12"_s, u"Last Names"_s);
    ui.lstLast = controls::List(this, u"lstLast"_s);

    auto* layout = new QGridLayout(this);
    layout->addWidget(ui.lblName, 0, 0, 1, 2);
    layout->addWidget(ui.Label13, 1, 0);
    layout->addWidget(ui.Label12, 1, 1);
    layout->addWidget(ui.lstFirst, 2, 0);
    layout->addWidget(ui.lstLast, 2, 1);
    layout->setRowStretch(2, 1);
}

void SoldierNamesTab::ConnectControls()
{
}

void SoldierNamesTab::ShowIntroduction()
{
    ui.lblName->setText(u"This is a list of all the default soldier names. Double Click to edit.\n"
                        u"I suggest using the same sex as the first name already is or you'll have men with "
                        u"women's names and vice versa."_s);
}

void SoldierNamesTab::FillFirstNames()
{
}

void SoldierNamesTab::FillLastNames()
{
}
