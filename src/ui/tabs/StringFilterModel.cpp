// Filtering a string table's rows on its bytes, so a keystroke decodes nothing.
#include "ui/tabs/StringFilterModel.h"

#include "ui/tabs/StringTableModel.h"

StringFilterModel::StringFilterModel(StringTableModel& table, QObject* parent)
    : QSortFilterProxyModel(parent)
    , m_table(table)
{
    setSourceModel(&table);
}

// A new query rebuilds the mapping once and tells the view its layout changed, rather than
// removing and inserting rows in thousands of runs as a filter change otherwise would.
void StringFilterModel::SetQuery(const QString& query)
{
    m_filter = strings::EntryFilter(query);
    m_filtered.clear();
    m_accepted.clear();
    invalidate();
}

std::optional<int> StringFilterModel::EntryOf(int row) const
{
    const QModelIndex entry = mapToSource(index(row, 0));
    return entry.isValid() ? std::optional<int>(entry.row()) : std::nullopt;
}

std::optional<int> StringFilterModel::RowOf(int entry) const
{
    const QModelIndex row = mapFromSource(m_table.index(entry, 0));
    return row.isValid() ? std::optional<int>(row.row()) : std::nullopt;
}

bool StringFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    if (sourceParent.isValid())
        return false;
    if (m_filter.AcceptsAll())
        return true;
    const QByteArray& bytes = m_table.Table().Bytes();
    if (m_accepted.empty() || m_filtered.constData() != bytes.constData() || m_filtered.size() != bytes.size()) {
        m_filtered = bytes;
        m_accepted = m_filter.AcceptsEach(m_table.Table());
    }
    return sourceRow >= 0 && std::size_t(sourceRow) < m_accepted.size() && m_accepted[std::size_t(sourceRow)];
}
