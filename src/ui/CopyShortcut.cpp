// Copying from the focus widget, and the application filter that gives Ctrl+C to it.
#include "ui/CopyShortcut.h"

#include "ui/RecordTableView.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <map>

using namespace Qt::StringLiterals;

namespace copying {
namespace {

// Selected cells as tab-separated lines, in the order they show.
std::optional<QString> SelectedRows(const QAbstractItemView& view)
{
    if (!view.selectionModel())
        return std::nullopt;
    std::map<int, std::map<int, QString>> rows;
    for (const QModelIndex& index : view.selectionModel()->selectedIndexes())
        rows[index.row()][index.column()] = index.data(Qt::DisplayRole).toString();
    if (rows.empty())
        return std::nullopt;
    QStringList lines;
    for (const auto& [row, cells] : rows) {
        QStringList line;
        for (const auto& [column, text] : cells)
            line.append(text);
        lines.append(line.join(u'\t'));
    }
    return lines.join(u'\n');
}

std::optional<QString> NonEmpty(const QString& text)
{
    return text.isEmpty() ? std::nullopt : std::optional<QString>(text);
}

// Ctrl+C itself; another key bound to Copy leaves the menus alone.
bool IsCtrlC(const QKeyEvent* key)
{
    return key->matches(QKeySequence::Copy) && key->key() == Qt::Key_C;
}

} // namespace

std::optional<QString> CopyableText(const QWidget* widget)
{
    if (!widget || qobject_cast<const RecordTableView*>(widget))
        return std::nullopt;
    if (const auto* line = qobject_cast<const QLineEdit*>(widget))
        return line->echoMode() == QLineEdit::Normal ? NonEmpty(line->selectedText()) : std::nullopt;
    if (const auto* text = qobject_cast<const QTextEdit*>(widget))
        return NonEmpty(text->textCursor().selectedText().replace(QChar(0x2029), u'\n'));
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(widget))
        return NonEmpty(plain->textCursor().selectedText().replace(QChar(0x2029), u'\n'));
    if (const auto* view = qobject_cast<const QAbstractItemView*>(widget))
        return SelectedRows(*view);
    return std::nullopt;
}

bool CopyFromFocus()
{
    const std::optional<QString> text = CopyableText(QApplication::focusWidget());
    if (!text)
        return false;
    QGuiApplication::clipboard()->setText(*text);
    return true;
}

bool ShortcutFilter::eventFilter(QObject* watched, QEvent* event)
{
    const bool isKey = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    if (!isKey || watched != QApplication::focusWidget() || !IsCtrlC(static_cast<QKeyEvent*>(event)))
        return QObject::eventFilter(watched, event);
    if (!CopyableText(QApplication::focusWidget()))
        return QObject::eventFilter(watched, event);
    // Taken as a key press by the focus widget, not as the menu's shortcut; a list's own
    // copy would take the current cell alone, so the rows are copied here.
    event->accept();
    if (event->type() == QEvent::KeyPress)
        CopyFromFocus();
    return true;
}

} // namespace copying
