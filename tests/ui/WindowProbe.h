// Finding the main window's controls by name and checking its enabling states.
#pragma once

#include <QObject>
#include <QSettings>
#include <QString>

#include <gtest/gtest.h>

#include <ostream>

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

class MainWindow;
class QAbstractItemView;
class QMenu;
class QTabWidget;

// Empties the settings (kept in a temporary folder by the tests' main) before a window
// reads them; a member declared ahead of the window.
struct FreshSettings {
    FreshSettings() { QSettings().clear(); }
};

namespace probe {

// The named child, failing the test when it is missing or of another kind.
template <typename T>
T* Find(const QObject& root, const QString& name)
{
    T* found = root.findChild<T*>(name);
    if (!found)
        ADD_FAILURE() << "no " << T::staticMetaObject.className() << " named " << name.toStdString();
    return found;
}

// The caption of a label, button, option or frame; the text of a read-only text box.
[[nodiscard]] QString TextOf(const QObject* control);

[[nodiscard]] QTabWidget& Tabs(const MainWindow& window);

// Moves to row of list as the arrow keys do, then presses key (Return, Enter) there.
void PressKeyOn(QAbstractItemView* list, int row, Qt::Key key);

// Text of a control in the load progress window.
[[nodiscard]] QString LoadText(const MainWindow& window, const QString& name);

// The captions of a menu's entries, "-" for a separator.
[[nodiscard]] QStringList Captions(const QMenu& menu);

// The state at start and after Close.
void ExpectNoFiles(const MainWindow& window, bool backupsTicked = true);
// "&Save", "&Make Backups", "Make Master Backup" and "&C&lose files" all usable or all not.
void ExpectFileCommands(const MainWindow& window, bool enabled);

} // namespace probe
