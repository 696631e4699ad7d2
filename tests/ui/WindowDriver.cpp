// The shared user actions of the window tests.
#include "WindowDriver.h"

#include "WindowProbe.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace drive {

void Trigger(const QObject& root, const QString& action)
{
    if (auto* found = probe::Find<QAction>(root, action))
        found->trigger();
}

void Click(const QObject& root, const QString& control)
{
    if (auto* button = probe::Find<QAbstractButton>(root, control))
        QTest::mouseClick(button, Qt::LeftButton);
}

void DoubleClickRow(const QObject& root, const QString& list, int row)
{
    auto* view = probe::Find<QAbstractItemView>(root, list);
    if (!view)
        return;
    const QModelIndex index = view->model()->index(row, 0);
    ASSERT_TRUE(index.isValid()) << list.toStdString() << " has no row " << row;
    view->setCurrentIndex(index);
    view->scrollTo(index);
    const QPoint centre = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
}

int RowOf(const QObject& root, const QString& list, const QString& text)
{
    const auto* view = probe::Find<QAbstractItemView>(root, list);
    if (!view)
        return -1;
    const QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 0).data().toString() == text)
            return row;
    }
    return -1;
}

void Type(const QObject& root, const QString& lineEdit, const QString& text)
{
    if (auto* edit = probe::Find<QLineEdit>(root, lineEdit))
        edit->setText(text);
}

void ShowTab(const QObject& root, const QString& caption)
{
    auto* tabs = root.findChild<QTabWidget*>(u"tabFac"_s);
    ASSERT_NE(tabs, nullptr);
    for (int index = 0; index < tabs->count(); ++index) {
        if (tabs->tabText(index) == caption) {
            tabs->setCurrentIndex(index);
            return;
        }
    }
    ADD_FAILURE() << "no tab " << caption.toStdString();
}

} // namespace drive
