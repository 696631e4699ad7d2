// A list model over a string table: 100,000 entries cost one split, not 100,000 items.
#include "ui/tabs/StringTableModel.h"

#include "core/CodePage.h"

StringTableModel::StringTableModel(QObject* parent)
    : QAbstractListModel(parent)
    , m_table(QByteArray())
{
}

void StringTableModel::SetTable(const QByteArray& bytes)
{
    beginResetModel();
    m_table = strings::StringTable(bytes);
    endResetModel();
}

void StringTableModel::Clear()
{
    SetTable(QByteArray());
}

QString StringTableModel::EntryText(int row) const
{
    if (row < 0 || row >= m_table.Count())
        return {};
    const QByteArrayView text = m_table.Text(row);
    // The view points into the table the model keeps, so no copy is needed to decode it.
    return codepage::Decode(QByteArray::fromRawData(text.data(), text.size()));
}

int StringTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_table.Count());
}

QVariant StringTableModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    return EntryText(index.row());
}
