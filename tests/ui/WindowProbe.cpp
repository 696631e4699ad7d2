// Checks of the main window's enabling states, shared by the window tests.
#include "WindowProbe.h"

#include "ui/MainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace probe {

QString TextOf(const QObject* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(control))
        return frame->title();
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(control))
        return box->toPlainText();
    return {};
}

QTabWidget& Tabs(const MainWindow& window)
{
    return *window.findChild<QTabWidget*>(u"tabFac"_s);
}

void PressKeyOn(QAbstractItemView* list, int row, Qt::Key key)
{
    list->setFocus();
    list->setCurrentIndex(list->model()->index(row, 0));
    QTest::keyClick(list, key);
}

QString LoadText(const MainWindow& window, const QString& name)
{
    const auto* loadWindow = Find<QDialog>(window, u"frmLoad"_s);
    const auto* label = loadWindow ? Find<QLabel>(*loadWindow, name) : nullptr;
    return label ? label->text() : u"<missing>"_s;
}

QStringList Captions(const QMenu& menu)
{
    QStringList captions;
    for (const QAction* action : menu.actions())
        captions << (action->isSeparator() ? u"-"_s : action->text());
    return captions;
}

void ExpectFileCommands(const MainWindow& window, bool enabled)
{
    for (const QString& name : {u"mnuSave"_s, u"mnuBack"_s, u"mnuMaster"_s, u"mnuClose"_s}) {
        if (const auto* action = Find<QAction>(window, name)) {
            EXPECT_EQ(action->isEnabled(), enabled) << name.toStdString();
        }
    }
}

void ExpectNoFiles(const MainWindow& window, bool backupsTicked)
{
    ExpectFileCommands(window, false);
    for (const QString& name : {u"mnuOpen"_s, u"mnuExit"_s, u"mnuAbout"_s}) {
        if (const auto* action = Find<QAction>(window, name)) {
            EXPECT_TRUE(action->isEnabled()) << name.toStdString();
        }
    }
    EXPECT_EQ(Find<QAction>(window, u"mnuBack"_s)->isChecked(), backupsTicked);

    const QTabWidget& tabs = Tabs(window);
    EXPECT_FALSE(tabs.isEnabled());
    EXPECT_EQ(tabs.currentIndex(), 0);
    EXPECT_EQ(Find<QLabel>(tabs, u"lblVer"_s)->text(), QString());

    for (int number = 1; number <= 36; ++number) {
        const auto* cell = Find<QPushButton>(tabs, u"Command%1"_s.arg(number));
        EXPECT_FALSE(cell->isEnabled()) << "Command" << number;
        EXPECT_EQ(cell->text(), QString()) << "Command" << number;
    }
    for (const QString& name : {u"cmdPrice"_s, u"cmdUpkeep"_s, u"cmdDays"_s, u"cmdStrength"_s, u"cmdRatio"_s}) {
        const auto* button = Find<QPushButton>(tabs, name);
        EXPECT_FALSE(button->isEnabled()) << name.toStdString();
        EXPECT_EQ(button->text(), QString()) << name.toStdString();
    }
    EXPECT_FALSE(Find<QGroupBox>(tabs, u"frmBuild"_s)->isEnabled());
    EXPECT_FALSE(Find<QComboBox>(tabs, u"cmbType"_s)->isEnabled());
    const auto* stores = Find<QListWidget>(tabs, u"lstItems"_s);
    EXPECT_FALSE(stores->isEnabled());
    EXPECT_EQ(stores->count(), 0);
    EXPECT_TRUE(Find<QGroupBox>(tabs, u"frmChange"_s)->isHidden());
}

} // namespace probe
