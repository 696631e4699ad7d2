// A list model over a string table: 100,000 entries cost one split, not 100,000 items.
#include "ui/tabs/StringTableModel.h"

#include "core/CodePage.h"

namespace {

// A row shows one line, never wider than a screen. Decoding a huge entry whole, only for
// the view to lay it out and elide it, would take seconds at every paint.
constexpr qsizetype RowChars = 1'000;

} // namespace

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

QString StringTableModel::EntryText(int row, qsizetype maxChars) const
{
    if (row < 0 || row >= m_table.Count())
        return {};
    const QByteArrayView text = m_table.Text(row);
    // The view points into the table the model keeps, so no copy is needed to decode it.
    return codepage::Decode(QByteArray::fromRawData(text.data(), qMin(text.size(), maxChars)));
}

int StringTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_table.Count());
}

QVariant StringTableModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (role == EntryIndexRole)
        return index.row();
    if (role != Qt::DisplayRole)
        return {};
    return EntryText(index.row(), RowChars);
}
