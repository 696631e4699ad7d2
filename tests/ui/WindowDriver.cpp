// The shared user actions of the window tests.
#include "WindowDriver.h"

#include "WindowProbe.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTabWidget>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace drive {
namespace {

// A user can only click what is on screen: the tab holding the control comes to the front.
template <typename T>
T* Reach(const QObject& root, const QString& name)
{
    T* control = probe::Find<T>(root, name);
    if (!control)
        return nullptr;
    for (QWidget* widget = control; widget; widget = widget->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(widget->parentWidget() ? widget->parentWidget()->parentWidget()
                                                                          : nullptr)) {
            if (tabs->indexOf(widget) >= 0)
                tabs->setCurrentWidget(widget);
        }
    }
    return control;
}

// A user's act ends with the event loop coming round, which is when views refresh after
// an undo or redo.
void Settle()
{
    QCoreApplication::sendPostedEvents();
}

} // namespace

void Trigger(const QObject& root, const QString& action)
{
    if (auto* found = probe::Find<QAction>(root, action))
        found->trigger();
    Settle();
}

void Click(const QObject& root, const QString& control)
{
    if (auto* button = Reach<QAbstractButton>(root, control))
        QTest::mouseClick(button, Qt::LeftButton);
    Settle();
}

void DoubleClickRow(const QObject& root, const QString& list, int row)
{
    auto* view = Reach<QAbstractItemView>(root, list);
    if (!view)
        return;
    const QModelIndex index = view->model()->index(row, 0);
    ASSERT_TRUE(index.isValid()) << list.toStdString() << " has no row " << row;
    view->setCurrentIndex(index);
    view->scrollTo(index);
    const QPoint centre = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
    Settle();
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
    if (auto* edit = Reach<QLineEdit>(root, lineEdit))
        edit->setText(text);
}

void Choose(const QObject& root, const QString& combo, int index)
{
    if (auto* box = Reach<QComboBox>(root, combo)) {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
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

bool Drop(QWidget& window, const QString& path)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    return Drop(window, data);
}

bool Drop(QWidget& window, const QMimeData& data)
{
    const QPoint centre = window.rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(centre), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    // The window acts once the drop has returned.
    QCoreApplication::processEvents();
    return drop.isAccepted();
}

} // namespace drive
