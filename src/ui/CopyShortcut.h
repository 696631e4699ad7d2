// Ctrl+C copies wherever the focus holds something to copy: a text field's selection, the
// selected rows of a list, a panel or the edit history. Everywhere else it keeps its old
// meaning, Close files. The table views take the key themselves.
#pragma once

#include <QObject>
#include <QString>

#include <optional>

class QWidget;

namespace copying {

// What Ctrl+C in the widget copies; nothing when it holds nothing to copy.
[[nodiscard]] std::optional<QString> CopyableText(const QWidget* widget);

// Puts the focus widget's copyable text on the clipboard; false when there is none.
bool CopyFromFocus();

// Installed on the application, so every list and field of every window follows one rule.
class ShortcutFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace copying
