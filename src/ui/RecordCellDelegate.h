// In-place editing of a record table cell: a line edit that will not close on a value its
// prompt would ask again for, or a choice of names for Yes/No and damage types.
#pragma once

#include <QStyledItemDelegate>

class RecordTableModel;

class RecordCellDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit RecordCellDelegate(const RecordTableModel& model, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

signals:
    // Why the text being typed would be refused; empty once it would be taken.
    void Refusal(const QString& reason);

protected:
    bool eventFilter(QObject* editor, QEvent* event) override;

private:
    [[nodiscard]] QModelIndex ToSource(const QModelIndex& index) const;

    const RecordTableModel& m_model;
};
