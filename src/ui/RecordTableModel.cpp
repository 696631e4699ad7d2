// The cells of a record table: shown, compared with the files as loaded, read and written.
#include "ui/RecordTableModel.h"

#include "core/GameDocument.h"
#include "tables/CellText.h"
#include "tables/Items.h"
#include "ui/EditHistory.h"

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// A fifth of the way from the cell background to the selection colour: visible in any
// palette, and still readable when the cell is selected.
QColor ChangedTint()
{
    const QPalette palette = QGuiApplication::palette();
    const QColor base = palette.color(QPalette::Base);
    const QColor mark = palette.color(QPalette::Highlight);
    const auto mix = [](float from, float to) { return from * 0.8f + to * 0.2f; };
    return QColor::fromRgbF(mix(base.redF(), mark.redF()), mix(base.greenF(), mark.greenF()),
                            mix(base.blueF(), mark.blueF()));
}

} // namespace

RecordTableModel::RecordTableModel(const GameDocument& document, EditHistory& history, const QString& table,
                                   const QString& recordHeader, QObject* parent)
    : QAbstractTableModel(parent)
    , m_document(document)
    , m_history(history)
    , m_table(catalogue::FindTable(table))
    , m_recordHeader(recordHeader)
{
    Q_ASSERT(m_table);
    connect(&m_document, &GameDocument::Settled, this, &RecordTableModel::DocumentChanged);
    connect(&m_document, &GameDocument::Reset, this, [this] {
        beginResetModel();
        Rebuild();
        endResetModel();
    });
    Rebuild();
}

void RecordTableModel::Rebuild()
{
    m_slots.clear();
    m_rows = m_document.IsLoaded(m_table->file) ? catalogue::RecordCount(*m_table, Working()) : 0;
    m_slots.reserve(std::size_t(m_rows) * m_table->fields.size());
    for (int record = 0; record < m_rows; ++record) {
        for (const catalogue::Field& field : m_table->fields)
            m_slots.push_back(catalogue::Locate(*m_table, record, field, m_document.Version(), Working()));
    }
}

// Only the cells an edit wrote are shown anew, unless it renamed an item (every ammo cell
// naming it changes too) or wrote bytes no catalogue table names. No two catalogue
// tables share a byte, so another table's edit changes nothing here.
void RecordTableModel::DocumentChanged(const Edit& edit)
{
    if (m_rows == 0)
        return;
    int top = m_rows;
    int bottom = -1;
    int left = columnCount();
    int right = -1;
    for (const Change& change : edit.changes) {
        if (change.file != m_table->file)
            continue;
        const QModelIndex cell = CellOf(change);
        if (!cell.isValid() || m_table->fields[std::size_t(cell.column() - 1)].kind == catalogue::Kind::Name) {
            if (change.ref.table != m_table->Name() && catalogue::FindTable(change.ref.table))
                continue;
            top = 0;
            bottom = m_rows - 1;
            left = RecordColumn + 1;
            right = columnCount() - 1;
            break;
        }
        top = std::min(top, cell.row());
        bottom = std::max(bottom, cell.row());
        left = std::min(left, cell.column());
        right = std::max(right, cell.column());
    }
    if (bottom >= 0)
        emit dataChanged(index(top, left), index(bottom, right));
}

QModelIndex RecordTableModel::CellOf(const Change& change) const
{
    if (change.ref.table != m_table->Name() || change.ref.record < 0 || change.ref.record >= m_rows)
        return {};
    const catalogue::Field* field = catalogue::FindField(*m_table, change.ref.field);
    return field ? index(change.ref.record, RecordColumn + 1 + int(field - m_table->fields.data())) : QModelIndex();
}

const QByteArray& RecordTableModel::Working() const
{
    return m_document.Working(m_table->file);
}

std::optional<catalogue::Slot> RecordTableModel::SlotAt(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this || index.column() == RecordColumn || index.row() >= m_rows)
        return std::nullopt;
    return m_slots[std::size_t(index.row()) * m_table->fields.size() + std::size_t(index.column() - 1)];
}

QString RecordTableModel::RowCaption(int row) const
{
    return catalogue::RecordCaption(*m_table, row, m_document.Version(), Working());
}

bool RecordTableModel::IsChanged(const catalogue::Slot& slot) const
{
    const QByteArray& pristine = m_document.Pristine(m_table->file);
    if (pristine.size() < slot.offset + slot.width)
        return true;
    return QByteArrayView(Working()).sliced(slot.offset, slot.width)
           != QByteArrayView(pristine).sliced(slot.offset, slot.width);
}

int RecordTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int RecordTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_table->fields.size()) + 1;
}

QVariant RecordTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (index.column() == RecordColumn) {
        const QString name = m_table->Numbered() ? QString::number(index.row())
                                               : catalogue::RecordName(*m_table, index.row());
        switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole: return name;
        case SortRole: return m_table->Numbered() ? QVariant(index.row()) : QVariant(name);
        case Qt::TextAlignmentRole:
            return m_table->Numbered() ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
        default: return {};
        }
    }
    const std::optional<catalogue::Slot> slot = SlotAt(index);
    if (!slot)
        return {};
    switch (role) {
    case Qt::DisplayRole: return cells::Text(*slot, Working(), m_document.Version());
    case Qt::EditRole: return catalogue::Show(*slot, Working());
    case SortRole:
        if (catalogue::IsNumeric(slot->field->kind))
            return catalogue::Show(*slot, Working()).toInt();
        return cells::Text(*slot, Working(), m_document.Version());
    case Qt::TextAlignmentRole:
        return cells::IsNumber(*slot) ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case Qt::ToolTipRole:
        if (!IsChanged(*slot))
            return {};
        return tr("As loaded: %1").arg(cells::Text(*slot, m_document.Pristine(m_table->file), m_document.Version()));
    case Qt::FontRole: {
        if (!IsChanged(*slot))
            return {};
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    case Qt::BackgroundRole: return IsChanged(*slot) ? QVariant(ChangedTint()) : QVariant();
    default: return {};
    }
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == RecordColumn ? m_recordHeader
                                   : Translated("Tables", m_table->fields[std::size_t(section - 1)].key);
}

Qt::ItemFlags RecordTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    return SlotAt(index) ? flags | Qt::ItemIsEditable : flags;
}

catalogue::Reading RecordTableModel::Check(const QModelIndex& index, const QString& text,
                                           catalogue::Limits limits) const
{
    if (const std::optional<catalogue::Slot> slot = SlotAt(index))
        return cells::Read(*slot, text, Working(), m_document.Version(), limits);
    if (index.isValid() && text == data(index).toString())
        return {QByteArray(), {}};
    return {std::nullopt, tr("the %1 column cannot be changed").arg(m_recordHeader)};
}

std::optional<Change> RecordTableModel::ChangeFor(const catalogue::Slot& slot, const QByteArray& after) const
{
    if (QByteArrayView(Working()).sliced(slot.offset, slot.width) == after)
        return std::nullopt;
    return catalogue::ChangeAt(slot, Working(), after);
}

RecordTableModel::Writes RecordTableModel::Read(const std::vector<std::pair<QModelIndex, QString>>& cells) const
{
    Writes writes;
    for (const auto& [index, text] : cells) {
        const catalogue::Reading reading = Check(index, text, catalogue::Limits::Storage);
        const QString cell = u"%1, %2"_s.arg(RowCaption(index.row()), headerData(index.column(), Qt::Horizontal).toString());
        if (!reading.bytes) {
            writes.refusals.append(u"%1: %2"_s.arg(cell, reading.refusal));
            continue;
        }
        if (!reading.warning.isEmpty())
            writes.warnings.append(u"%1: %2"_s.arg(cell, reading.warning));
        if (const std::optional<catalogue::Slot> slot = SlotAt(index)) {
            if (std::optional<Change> change = ChangeFor(*slot, *reading.bytes))
                writes.changes.push_back(std::move(*change));
        }
    }
    if (!writes.refusals.isEmpty())
        writes.changes.clear();
    return writes;
}

// The form's own words: "Sectoid Soldier: Time Units 54 → 80", "RIFLE CLIP: Damage 30 → 35",
// "Rename RIFLE CLIP to SLUG".
QString RecordTableModel::StepText(const Change& change) const
{
    return catalogue::StepText(change, m_document.Version(), Working());
}

bool RecordTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole)
        return false;
    const std::optional<catalogue::Slot> slot = SlotAt(index);
    if (!slot)
        return false;
    const catalogue::Reading reading = Check(index, value.toString());
    if (!reading.bytes)
        return false;
    if (std::optional<Change> change = ChangeFor(*slot, *reading.bytes))
        m_history.Submit({StepText(*change), {std::move(*change)}});
    return true;
}
