// The record forms of the Unit, Facility and Item tabs as a screen reader and the Tab key
// meet them.
#include "LoadedWindow.h"
#include "WindowDriver.h"
#include "WindowProbe.h"

#include <QPushButton>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

using RecordForms = LoadedWindowTest;

// Sample values of Collector's Edition: Sectoid Soldier, the Hangar and record 0.
TEST_F(RecordForms, ValueButtonsAreNamedByTheirLabelAndTellTheirLimit)
{
    drive::ShowTab(window, u"Unit Editor"_s);
    drive::Choose(window, u"cmbUnit"_s, 7);
    drive::ShowTab(window, u"Facility Editor"_s);
    drive::Choose(window, u"cmbType"_s, 16);
    drive::ShowTab(window, u"Item Editor"_s);
    drive::DoubleClickRow(window, u"lstItem"_s, 0);

    const std::pair<QString, QString> expected[] = {
        {u"cmdTU"_s, u"Time Units, %1, at most 255"_s},
        {u"cmdStr"_s, u"Strength, %1, at most 100"_s},
        {u"cmdBrav"_s, u"Bravery, %1, at most 110"_s},
        {u"cmdPrice"_s, u"Construction Cost/$k, %1, at most 28,671"_s},
        {u"cmdAmmo1"_s, u"Ammo Type 1, %1, at most 79"_s},
        {u"cmdName"_s, u"Name, %1, at most 20 characters"_s},
    };
    for (const auto& [name, description] : expected) {
        const QPushButton* button = probe::Find<QPushButton>(window, name);
        EXPECT_EQ(button->accessibleName(), description.section(u',', 0, 0)) << name.toStdString();
        EXPECT_EQ(button->accessibleDescription(), description.arg(button->text())) << name.toStdString();
    }
}

// Down each column, then on to the next, as the unit tab shows its values.
TEST_F(RecordForms, TabGoesThroughTheUnitValuesInTheirColumns)
{
    drive::ShowTab(window, u"Unit Editor"_s);
    drive::Choose(window, u"cmbUnit"_s, 7);
    const QString order[] = {u"cmdTU"_s,   u"cmdHealth"_s, u"cmdEnrg"_s, u"cmdReac"_s,  u"cmdStr"_s,  u"cmdFirA"_s,
                             u"cmdThrA"_s, u"cmdFrA"_s,    u"cmdLefA"_s, u"cmdRigA"_s,  u"cmdReaA"_s, u"cmdUndA"_s,
                             u"cmdPsiSk"_s, u"cmdPsiSt"_s, u"cmdBrav"_s, u"optYesU"_s};
    QWidget* widget = probe::Find<QWidget>(window, order[0]);
    for (const QString& next : order) {
        EXPECT_EQ(widget->objectName(), next);
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisible());
    }
}

} // namespace
