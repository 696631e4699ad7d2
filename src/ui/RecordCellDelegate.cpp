// The editors of record table cells, checked by the same rule as the prompts.
#include "ui/RecordCellDelegate.h"

#include "tables/CellText.h"
#include "ui/RecordTableModel.h"

#include <QAbstractProxyModel>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QToolTip>
#include <QValidator>

namespace {

// Never Invalid, so any text can be typed; only an acceptable one lets Return, Enter or
// Tab commit it (the item view's editor filter asks the line edit first).
class CellValidator final : public QValidator {
public:
    CellValidator(const RecordTableModel& model, const QModelIndex& index, QObject* parent)
        : QValidator(parent)
        , m_model(model)
        , m_index(index)
    {
    }

    State validate(QString& input, int&) const override
    {
        return m_model.Check(m_index, input).bytes ? Acceptable : Intermediate;
    }

private:
    const RecordTableModel& m_model;
    QPersistentModelIndex m_index;
};

} // namespace

RecordCellDelegate::RecordCellDelegate(const RecordTableModel& model, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_model(model)
{
}

QModelIndex RecordCellDelegate::ToSource(const QModelIndex& index) const
{
    if (const auto* proxy = qobject_cast<const QAbstractProxyModel*>(index.model()))
        return proxy->mapToSource(index);
    return index;
}

QWidget* RecordCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const
{
    const QModelIndex source = ToSource(index);
    const std::optional<catalogue::Slot> slot = m_model.SlotAt(source);
    if (!slot)
        return nullptr;
    // Editors are made in a const function but report to the view through its signals.
    auto* self = const_cast<RecordCellDelegate*>(this);
    const QStringList choices = cells::Choices(*slot->field);
    if (!choices.isEmpty()) {
        auto* combo = new QComboBox(parent);
        combo->addItems(choices);
        // A choice is the whole answer: it is written at once, as an option click is.
        connect(combo, &QComboBox::activated, self, [self, combo] {
            emit self->commitData(combo);
            emit self->closeEditor(combo);
        });
        return combo;
    }
    auto* edit = qobject_cast<QLineEdit*>(QStyledItemDelegate::createEditor(parent, option, index));
    if (!edit)
        return nullptr;
    edit->setValidator(new CellValidator(m_model, source, edit));
    if (slot->field->rename)
        edit->setMaxLength(int(slot->field->rename->writtenWidth));
    const QPersistentModelIndex cell(source);
    connect(edit, &QLineEdit::textChanged, self, [self, edit, cell](const QString& text) {
        const QString reason = self->m_model.Check(cell, text).refusal;
        edit->setToolTip(reason);
        emit self->Refusal(reason);
    });
    return edit;
}

void RecordCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setCurrentIndex(combo->findText(text));
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        // Only a new text is checked: the value the cell opened with is never refused.
        if (edit->text() != text)
            edit->setText(text);
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void RecordCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        // An odd stored value matches no name: with none chosen there is nothing to write.
        if (combo->currentIndex() >= 0)
            model->setData(index, combo->currentText());
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        if (edit->hasAcceptableInput())
            model->setData(index, edit->text());
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

// A refused commit keeps the editor open; the reason shows beside it as well as in the
// status bar.
bool RecordCellDelegate::eventFilter(QObject* editor, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* edit = qobject_cast<QLineEdit*>(editor);
        if (edit && !edit->hasAcceptableInput()
            && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab || key == Qt::Key_Backtab)) {
            const QString reason = edit->toolTip();
            QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())), reason, edit);
            emit Refusal(reason);
        }
    }
    return QStyledItemDelegate::eventFilter(editor, event);
}
