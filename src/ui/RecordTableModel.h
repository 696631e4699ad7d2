// One catalogue table as a grid over the game document: a row per record, its name (and
// index) first, then a column per field. Cells read from the working bytes every time,
// and every accepted write is a step of the edit history.
#pragma once

#include "core/Change.h"
#include "tables/Catalogue.h"

#include <QAbstractTableModel>

#include <optional>
#include <utility>
#include <vector>

class EditHistory;
class GameDocument;

class RecordTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    // A number for numeric fields, so "1,500" sorts after "900".
    static constexpr int SortRole = Qt::UserRole;
    static constexpr int RecordColumn = 0;

    RecordTableModel(const GameDocument& document, EditHistory& history, const QString& table,
                     const QString& recordHeader, QObject* parent = nullptr);

    [[nodiscard]] const catalogue::Table& Table() const { return *m_table; }
    // The cell a change of this table's field wrote; invalid for any other change.
    [[nodiscard]] QModelIndex CellOf(const Change& change) const;
    // Nothing for the record column, or while the table's file is not loaded.
    [[nodiscard]] std::optional<catalogue::Slot> SlotAt(const QModelIndex& index) const;
    // How messages name a row's record: "Sectoid Soldier", "3 RIFLE CLIP".
    [[nodiscard]] QString RowCaption(int row) const;

    // The bytes a cell's text would write, or why it is refused; typed into a cell, a value
    // keeps to the form's limits. The record column takes only its own text, and writes nothing.
    [[nodiscard]] catalogue::Reading Check(const QModelIndex& index, const QString& text,
                                           catalogue::Limits limits = catalogue::Limits::Form) const;

    // Texts for many cells read at once, as a paste gives them (anything a field stores):
    // the changes of those whose bytes would differ, or, when any is refused, one line per
    // refused cell and no changes.
    struct Writes {
        std::vector<Change> changes;
        QStringList refusals;
        QStringList warnings;  // values taken past the form's limits
    };
    [[nodiscard]] Writes Read(const std::vector<std::pair<QModelIndex, QString>>& cells) const;

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    // One accepted cell is one step, named as the form names its edit.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    [[nodiscard]] const QByteArray& Working() const;
    [[nodiscard]] bool IsChanged(const catalogue::Slot& slot) const;
    [[nodiscard]] std::optional<Change> ChangeFor(const catalogue::Slot& slot, const QByteArray& after) const;
    [[nodiscard]] QString StepText(const Change& change) const;
    void DocumentChanged(const Edit& edit);
    void Rebuild();

    const GameDocument& m_document;
    EditHistory& m_history;
    const catalogue::Table* m_table;
    QString m_recordHeader;
    int m_rows = 0;
    // Row by row, a slot per field; fixed while the files stay loaded.
    std::vector<std::optional<catalogue::Slot>> m_slots;
};
