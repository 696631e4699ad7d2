// The "String Editor" tab's controls and their layout.
#include "ui/tabs/StringEditorTab.h"

#include "ui/tabs/Controls.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

StringEditorTab::StringEditorTab(EditorContext& context, QWidget* parent)
    : EditorTab(context, parent)
{
    CreateControls();
    ConnectControls();
}

void StringEditorTab::CreateControls()
{
    ui.lblStringStuff = controls::Label(this, u"lblStringStuff"_s);
    ui.lblStringStuff->setWordWrap(true);
    ui.Label44 = controls::Label(this, u"Label44"_s, u"ENGLISH.DAT:"_s);
    ui.lstEng1 = controls::List(this, u"lstEng1"_s,
                                u"A list of strings in English.dat. Click to display text. Double click to edit."_s);
    ui.Label43 = controls::Label(this, u"Label43"_s, u"ENGLISH2.DAT:"_s);
    ui.lstEng2 = controls::List(this, u"lstEng2"_s,
                                u"A list of strings in English2.dat. Click to display text. Double click to edit."_s);
    ui.lblStrShow = controls::Label(this, u"lblStrShow"_s);
    ui.lblStrShow->setToolTip(u"This displays the string you currently have selected."_s);
    ui.lblStrShow->setWordWrap(true);
    ui.lblStrShow->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui.lblStrShow->setFrameShape(QFrame::StyledPanel);
    ui.lblStrShow->setMinimumHeight(fontMetrics().lineSpacing() * 4);
    ui.lblStrShow->setTextFormat(Qt::PlainText);

    auto* layout = new QGridLayout(this);
    layout->addWidget(ui.lblStringStuff, 0, 0, 1, 2);
    layout->addWidget(ui.Label44, 1, 0);
    layout->addWidget(ui.Label43, 1, 1);
    layout->addWidget(ui.lstEng1, 2, 0);
    layout->addWidget(ui.lstEng2, 2, 1);
    layout->addWidget(ui.lblStrShow, 3, 0, 1, 2);
    layout->addWidget(CreateEditFrame(), 4, 0, 1, 2);
    layout->setRowStretch(2, 1);
}

QGroupBox* StringEditorTab::CreateEditFrame()
{
    ui.frmStr = controls::Frame(this, u"frmStr"_s, u"Frame1"_s);
    ui.Text1 = new QLineEdit(ui.frmStr);
    ui.Text1->setObjectName(u"Text1"_s);
    ui.cmdApplyStr = controls::Button(ui.frmStr, u"cmdApplyStr"_s, u"&Apply"_s);
    ui.cmdCancelStr = controls::Button(ui.frmStr, u"cmdCancelStr"_s, u"&Cancel"_s);

    auto* layout = new QHBoxLayout(ui.frmStr);
    layout->addWidget(ui.Text1, 1);
    layout->addWidget(ui.cmdApplyStr);
    layout->addWidget(ui.cmdCancelStr);
    ui.frmStr->hide();
    return ui.frmStr;
}

void StringEditorTab::ConnectControls()
{
}

void StringEditorTab::ShowIntroduction()
{
    ui.lblStringStuff->setText(u"Click on a string to view it's contents.\nDouble click on a string to edit it."_s);
}

void StringEditorTab::FillStringLists()
{
}
