// The Changes panel's table: one row per field that differs from the files as loaded,
// recomputed from the document after every change.
#pragma once

#include "exchange/Differences.h"

#include <QAbstractTableModel>

#include <vector>

class GameDocument;

class ChangesModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { TableColumn, RecordColumn, FieldColumn, AsLoadedColumn, NowColumn, ColumnCount };

    explicit ChangesModel(const GameDocument& document, QObject* parent = nullptr);

    [[nodiscard]] const Difference& Line(int row) const { return m_lines[std::size_t(row)]; }
    // The line's record as step texts name it ("RIFLE CLIP"), asked only when a step is named.
    [[nodiscard]] QString StepSubject(int row) const;
    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;

    void Refresh();

private:
    const GameDocument& m_document;
    std::vector<Difference> m_lines;
};
