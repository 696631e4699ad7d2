// Driving the main window as a user would: menu commands, clicks, double-clicks and typing,
// shared by the window tests so each file doesn't grow helpers of its own.
#pragma once

#include <QString>

class QAbstractItemView;
class QObject;
class QWidget;

class QMimeData;

namespace drive {

// Triggers the named menu command.
void Trigger(const QObject& root, const QString& action);

// A left click on the named button, option or check box.
void Click(const QObject& root, const QString& control);

// Selects the row of the named list, then double-clicks it as the mouse would.
void DoubleClickRow(const QObject& root, const QString& list, int row);

// The row of the named list whose text is exactly text; -1 when none is.
[[nodiscard]] int RowOf(const QObject& root, const QString& list, const QString& text);

// Replaces the text of the named line edit as typing would.
void Type(const QObject& root, const QString& lineEdit, const QString& text);

// Chooses entry index of the named combo box as the user does, by mouse or keyboard.
void Choose(const QObject& root, const QString& combo, int index);

// Drags the file at path onto the window and drops it there, then lets the window act on
// it; false when the window refused the drag.
bool Drop(QWidget& window, const QString& path);
bool Drop(QWidget& window, const QMimeData& data);

// Brings the tab with this caption to the front.
void ShowTab(const QObject& root, const QString& caption);

} // namespace drive
