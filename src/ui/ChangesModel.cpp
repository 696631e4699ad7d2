// The lines of the Changes panel.
#include "ui/ChangesModel.h"

#include "core/GameDocument.h"
#include "core/TableText.h"
#include "tables/Catalogue.h"

using namespace Qt::StringLiterals;

namespace {

// A string entry may be megabytes long; a cell shows its start, the tool tip a screenful.
constexpr qsizetype ShownChars = 200;
constexpr qsizetype ToolTipChars = 2000;

QString Clipped(const QString& text, qsizetype length)
{
    return text.size() > length ? text.first(length) + u'\u2026' : text;
}

} // namespace

ChangesModel::ChangesModel(const GameDocument& document, QObject* parent)
    : QAbstractTableModel(parent)
    , m_document(document)
{
    connect(&m_document, &GameDocument::Settled, this, &ChangesModel::Refresh);
    connect(&m_document, &GameDocument::Reset, this, &ChangesModel::Refresh);
    Refresh();
}

void ChangesModel::Refresh()
{
    beginResetModel();
    m_lines = differences::Between(m_document);
    endResetModel();
}

QString ChangesModel::StepSubject(int row) const
{
    const Difference& line = Line(row);
    const catalogue::Table* table = catalogue::FindTable(line.revert.ref.table);
    if (!table)
        return line.record;
    return catalogue::StepSubject(*table, line.revert.ref.record, m_document.Version(),
                                  m_document.Working(table->file));
}

int ChangesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

int ChangesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ChangesModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const Difference& line = Line(index.row());
    QString text;
    switch (index.column()) {
    case TableColumn: text = line.table; break;
    case RecordColumn: text = line.recordCaption; break;
    case FieldColumn: text = Translated("Tables", line.field); break;
    case AsLoadedColumn: text = line.asLoaded; break;
    case NowColumn: text = line.now; break;
    default: return {};
    }
    return Clipped(text, role == Qt::ToolTipRole ? ToolTipChars : ShownChars);
}

QVariant ChangesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // A screen reader reads the header row by these roles, as it reads the lines.
    if (orientation != Qt::Horizontal
        || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case TableColumn: return tr("Table");
    case RecordColumn: return tr("Record");
    case FieldColumn: return tr("Field");
    case AsLoadedColumn: return tr("As loaded");
    case NowColumn: return tr("Now");
    default: return {};
    }
}
