// Makers of the named controls the tabs are built from, so every control gets its
// documented objectName, caption and tool tip in one place.
#pragma once

#include <QString>

#include <functional>
#include <optional>

class QAbstractItemView;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;

namespace controls {

QLabel* Label(QWidget* parent, const QString& name, const QString& text = {});
QPushButton* Button(QWidget* parent, const QString& name, const QString& caption);
// A button whose caption is the value it stands for: empty and disabled until a record is shown.
QPushButton* ValueButton(QWidget* parent, const QString& name, int minimumChars, const QString& toolTip = {});
QListWidget* List(QWidget* parent, const QString& name, const QString& toolTip = {});
QComboBox* Combo(QWidget* parent, const QString& name, const QString& toolTip = {});
QGroupBox* Frame(QWidget* parent, const QString& name, const QString& title);
QRadioButton* Option(QWidget* parent, const QString& name, const QString& caption);

// A value shown on a button; an "&" in a name stays a character, not a shortcut.
void ShowValue(QPushButton* button, QString value);

// Makes the entry with the text current, as a user's choice would; its index, or nothing
// when the list has no such entry.
std::optional<int> ChooseText(QComboBox* combo, const QString& text);

// Selects the row and scrolls it into sight; false for a row the list does not have.
bool ShowRow(QListWidget* list, int row);

// The row of the selected entry of a single-selection list; nothing when none is selected.
[[nodiscard]] std::optional<int> SelectedRow(const QAbstractItemView* list);

// Return or Enter on a list runs handler, so the keyboard reaches what a double-click does.
void OnKeyActivated(QAbstractItemView* list, std::function<void()> handler);

} // namespace controls
