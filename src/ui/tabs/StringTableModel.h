// The entries of one string table as the rows of a list view, decoded only when shown.
#pragma once

#include "tables/StringTable.h"

#include <QAbstractListModel>

#include <limits>

class StringTableModel final : public QAbstractListModel {
    Q_OBJECT
public:
    // The entry's index in its table, which is how the game refers to it; a view over the
    // model reads it here, since its own row numbers differ once it filters.
    static constexpr int EntryIndexRole = Qt::UserRole;

    explicit StringTableModel(QObject* parent = nullptr);

    // Lists the entries of bytes; the model keeps its own shared copy, so what it shows
    // is exactly what an edit started from it works on.
    void SetTable(const QByteArray& bytes);
    void Clear();

    [[nodiscard]] const strings::StringTable& Table() const { return m_table; }
    // The entry's text, or its first maxChars characters.
    [[nodiscard]] QString EntryText(int row, qsizetype maxChars = std::numeric_limits<qsizetype>::max()) const;

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    strings::StringTable m_table;
};
