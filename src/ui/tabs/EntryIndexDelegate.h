// Draws each string entry with its index in a narrow column before the text: the index is
// how the game refers to an entry, yet it is no part of the entry's text.
#pragma once

#include <QStyledItemDelegate>

class StringTableModel;

class EntryIndexDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    // The column is as wide as the largest index of table.
    explicit EntryIndexDelegate(const StringTableModel& table, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    [[nodiscard]] int ColumnWidth(const QFontMetrics& metrics) const;

    const StringTableModel& m_table;
};
