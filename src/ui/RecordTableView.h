// A record table as a spreadsheet: sortable columns, cells edited in place, and copy and
// paste of tab-separated blocks, every paste one step of the edit history.
#pragma once

#include <QTableView>

#include <vector>

struct Edit;
struct EditorContext;
class QSortFilterProxyModel;
class RecordTableModel;

class RecordTableView final : public QTableView {
    Q_OBJECT
public:
    RecordTableView(EditorContext& context, const QString& table, const QString& recordHeader,
                    QWidget* parent = nullptr);

    [[nodiscard]] RecordTableModel& Model() const { return *m_model; }

    // The selected cells to the clipboard, tab-separated, with a header row when whole
    // columns are selected.
    void Copy();
    // Tab-separated clipboard text into the cells from the current one on: all of it as
    // one step, or, when any cell would be refused or the block does not fit, nothing.
    void Paste();

    // The table the Edit menu's Copy and Paste act on: the one with the keyboard focus,
    // also while the menu bar has borrowed it. Null when the focus is anywhere else.
    [[nodiscard]] static RecordTableView* Focused();

protected:
    // Ctrl+C closes the files everywhere else; in a focused table it copies.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    [[nodiscard]] bool IsHeaderRow(const QStringList& cells) const;
    [[nodiscard]] QWidget* CellEditorWithFocus() const;
    void ShowStatus(const QString& text);
    void Revisit(const Edit& edit);
    void SortAnew();
    void FitColumns();

    EditorContext& m_context;
    RecordTableModel* m_model;
    QSortFilterProxyModel* m_proxy;
    bool m_fitPending = false;
};
