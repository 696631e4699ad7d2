// The entries of a string table model that a typed query finds, as a view over it: every
// row it hands out maps back to the real entry.
#pragma once

#include "tables/StringFilter.h"

#include <QSortFilterProxyModel>

#include <optional>
#include <vector>

class StringTableModel;

class StringFilterModel final : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit StringFilterModel(StringTableModel& table, QObject* parent = nullptr);

    void SetQuery(const QString& query);

    // The entry index of a row of this view, and the row of an entry; nullopt when none.
    [[nodiscard]] std::optional<int> EntryOf(int row) const;
    [[nodiscard]] std::optional<int> RowOf(int entry) const;

protected:
    [[nodiscard]] bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    StringTableModel& m_table;
    strings::EntryFilter m_filter;
    // What the filter accepts in the table it was last run on, kept with a shared copy of
    // that table's bytes: a table the model lists anew is filtered anew.
    mutable QByteArray m_filtered;
    mutable std::vector<bool> m_accepted;
};
