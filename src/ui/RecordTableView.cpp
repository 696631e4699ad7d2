// The record table view: sorting, in-place editing, copy and paste.
#include "ui/RecordTableView.h"

#include "core/TextRoutines.h"
#include "exchange/TabSeparated.h"
#include "ui/EditorContext.h"
#include "ui/RecordCellDelegate.h"
#include "ui/RecordTableModel.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSortFilterProxyModel>
#include <QStyle>
#include <QStatusBar>

#include <algorithm>
#include <set>

using namespace Qt::StringLiterals;

namespace {

constexpr int StatusMilliseconds = 10000;

QPointer<RecordTableView>& LastFocused()
{
    static QPointer<RecordTableView> table;
    return table;
}

bool IsCopyOrPaste(const QKeyEvent* key)
{
    return key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste);
}

} // namespace

RecordTableView::RecordTableView(EditorContext& context, const QString& table, const QString& recordHeader,
                                 QWidget* parent)
    : QTableView(parent)
    , m_context(context)
    , m_model(new RecordTableModel(context.document, context.history, table, recordHeader, this))
    , m_proxy(new QSortFilterProxyModel(this))
{
    m_proxy->setSourceModel(m_model);
    m_proxy->setSortRole(RecordTableModel::SortRole);
    // Rows stay where they are while they are edited; a click on the header sorts again.
    m_proxy->setDynamicSortFilter(false);
    setModel(m_proxy);
    auto* delegate = new RecordCellDelegate(*m_model, this);
    setItemDelegate(delegate);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed);
    setWordWrap(false);
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    // Rows a line of text high, as in a spreadsheet, rather than the style's roomier default.
    verticalHeader()->setDefaultSectionSize(fontMetrics().lineSpacing() + 6);
    horizontalHeader()->setSortIndicatorClearable(true);
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    setSortingEnabled(true);

    connect(delegate, &RecordCellDelegate::Refusal, this, &RecordTableView::ShowStatus);
    connect(&context.history, &EditHistory::Revisited, this, &RecordTableView::Revisit);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        SortAnew();
        // A table on show is refitted at once; the others, most of them after a load, when
        // they are shown: measuring every cell of them was a fifth of a load.
        m_fitPending = !isVisible();
        if (!m_fitPending)
            FitColumns();
    });
    FitColumns();
}

// Each column as wide as its longest text, measured once: the table's font is fixed-width,
// and measuring every cell, as resizeColumnsToContents does, took longer than the rest of
// the whole fill and its repaint.
void RecordTableView::FitColumns()
{
    const QFontMetrics metrics(font());
    const int cellMargin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1)
                           + metrics.averageCharWidth();
    const int headerMargin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this)
                             + style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, this) + cellMargin;
    const QFontMetrics headerMetrics(horizontalHeader()->font());
    for (int column = 0; column < m_model->columnCount(); ++column) {
        QString longest;
        for (int row = 0; row < m_model->rowCount(); ++row) {
            QString text = m_model->index(row, column).data().toString();
            if (text.size() > longest.size())
                longest = std::move(text);
        }
        const QString title = m_model->headerData(column, Qt::Horizontal).toString();
        setColumnWidth(column, std::max(metrics.horizontalAdvance(longest) + cellMargin,
                                        headerMetrics.horizontalAdvance(title) + headerMargin));
    }
}

void RecordTableView::SortAnew()
{
    m_proxy->sort(horizontalHeader()->sortIndicatorSection(), horizontalHeader()->sortIndicatorOrder());
}

RecordTableView* RecordTableView::Focused()
{
    QWidget* focus = QApplication::focusWidget();
    for (QWidget* widget = focus; widget; widget = widget->parentWidget()) {
        if (auto* table = qobject_cast<RecordTableView*>(widget))
            return table;
    }
    if (qobject_cast<QMenuBar*>(focus) || qobject_cast<QMenu*>(focus)) {
        RecordTableView* last = LastFocused();
        return last && last->isVisible() ? last : nullptr;
    }
    return nullptr;
}

void RecordTableView::focusInEvent(QFocusEvent* event)
{
    LastFocused() = this;
    QTableView::focusInEvent(event);
}

bool RecordTableView::event(QEvent* event)
{
    if (event->type() == QEvent::Show && m_fitPending) {
        m_fitPending = false;
        FitColumns();
    }
    if (event->type() == QEvent::ShortcutOverride && IsCopyOrPaste(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QTableView::event(event);
}

void RecordTableView::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        Copy();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        Paste();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

QWidget* RecordTableView::CellEditorWithFocus() const
{
    QWidget* focus = QApplication::focusWidget();
    return focus && focus != this && isAncestorOf(focus) ? focus : nullptr;
}

void RecordTableView::ShowStatus(const QString& text)
{
    auto* main = qobject_cast<QMainWindow*>(window());
    if (!main)
        return;
    if (text.isEmpty())
        main->statusBar()->clearMessage();
    else
        main->statusBar()->showMessage(text, StatusMilliseconds);
}

// Cells of rows and columns without a selected cell are left out, as a spreadsheet
// copies several whole columns side by side.
void RecordTableView::Copy()
{
    if (auto* edit = qobject_cast<QLineEdit*>(CellEditorWithFocus())) {
        edit->copy();
        return;
    }
    QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty() && currentIndex().isValid())
        selected.append(currentIndex());
    if (selected.isEmpty())
        return;
    std::set<int> rows;
    std::set<int> columns;
    std::set<std::pair<int, int>> cells;
    for (const QModelIndex& index : selected) {
        rows.insert(index.row());
        columns.insert(index.column());
        cells.emplace(index.row(), index.column());
    }
    QList<QStringList> block;
    const bool wholeColumns = std::ranges::all_of(
        columns, [this](int column) { return selectionModel()->isColumnSelected(column, QModelIndex()); });
    if (wholeColumns) {
        QStringList header;
        for (const int column : columns)
            header.append(m_proxy->headerData(column, Qt::Horizontal).toString());
        block.append(header);
    }
    for (const int row : rows) {
        QStringList line;
        for (const int column : columns)
            line.append(cells.contains({row, column}) ? m_proxy->index(row, column).data().toString() : QString());
        block.append(line);
    }
    QGuiApplication::clipboard()->setText(tsv::Join(block));
    ShowStatus(tr("Copied %1 × %2 cells").arg(rows.size()).arg(columns.size()));
}

// A copied header row names columns, in this table's order or any other: skipped, as it
// holds no values.
bool RecordTableView::IsHeaderRow(const QStringList& cells) const
{
    QStringList headers;
    for (int column = 0; column < m_proxy->columnCount(); ++column)
        headers.append(m_proxy->headerData(column, Qt::Horizontal).toString());
    return std::ranges::all_of(cells, [&](const QString& cell) { return headers.contains(cell.trimmed()); });
}

void RecordTableView::Paste()
{
    if (auto* edit = qobject_cast<QLineEdit*>(CellEditorWithFocus())) {
        edit->paste();
        return;
    }
    QList<QStringList> block = tsv::Split(QGuiApplication::clipboard()->text());
    const QModelIndex start = currentIndex();
    if (block.isEmpty() || !start.isValid())
        return;
    if (IsHeaderRow(block.front()))
        block.removeFirst();
    qsizetype width = 0;
    for (const QStringList& line : block)
        width = std::max(width, line.size());
    if (block.isEmpty() || width == 0)
        return;

    const QString from = u"%1, %2"_s.arg(m_model->RowCaption(m_proxy->mapToSource(start).row()),
                                         m_proxy->headerData(start.column(), Qt::Horizontal).toString());
    const bool tooLong = start.row() + block.size() > m_proxy->rowCount();
    if (tooLong || start.column() + width > m_proxy->columnCount()) {
        const QString text =
            tooLong ? tr("The copied block of %1 × %2 cells runs past the last row of the table when it starts at %3. "
                         "Nothing was pasted.")
                    : tr("The copied block of %1 × %2 cells runs past the last column of the table when it starts at "
                         "%3. Nothing was pasted.");
        m_context.asker.ShowError(tr("Paste"), text.arg(block.size()).arg(width).arg(from));
        return;
    }

    std::vector<std::pair<QModelIndex, QString>> cells;
    for (qsizetype row = 0; row < block.size(); ++row) {
        for (qsizetype column = 0; column < block[row].size(); ++column) {
            const QModelIndex target = m_proxy->index(start.row() + int(row), start.column() + int(column));
            cells.emplace_back(m_proxy->mapToSource(target), block[row][column]);
        }
    }
    RecordTableModel::Writes writes = m_model->Read(cells);
    if (!writes.refusals.isEmpty()) {
        const qsizetype count = writes.refusals.size();
        m_context.asker.ShowError(tr("Paste"), tr("Nothing was pasted. The prompts would refuse %1:\n\n%2")
                                                   .arg(count == 1 ? tr("1 cell") : tr("%1 cells").arg(count),
                                                        modEdit::Listed(writes.refusals)));
        return;
    }
    const std::size_t changed = writes.changes.size();
    if (changed > 0) {
        m_context.history.Submit(
            {changed == 1 ? tr("Paste 1 cell") : tr("Paste %1 cells").arg(changed), std::move(writes.changes)});
    }
    selectionModel()->select(QItemSelection(start, m_proxy->index(start.row() + int(block.size()) - 1,
                                                                  start.column() + int(width) - 1)),
                             QItemSelectionModel::ClearAndSelect);
    QString status = changed == 1 ? tr("Pasted 1 changed cell") : tr("Pasted %1 changed cells").arg(changed);
    if (!writes.warnings.isEmpty())
        status += tr("; past the form's limits: ") + writes.warnings.join(u"; "_s);
    ShowStatus(status);
}

// An undone or redone step of this table selects its cells, so the user sees what went back.
void RecordTableView::Revisit(const Edit& edit)
{
    QItemSelection cells;
    QModelIndex first;
    for (const Change& change : edit.changes) {
        const QModelIndex written = m_model->CellOf(change);
        if (!written.isValid())
            continue;
        const QModelIndex cell = m_proxy->mapFromSource(written);
        cells.select(cell, cell);
        if (!first.isValid())
            first = cell;
    }
    if (!first.isValid())
        return;
    selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    selectionModel()->select(cells, QItemSelectionModel::ClearAndSelect);
    scrollTo(first);
}
