// Steps name records and values, so their texts run long; they wrap instead of being cut.
#include "ui/HistoryView.h"

#include <QScrollBar>
#include <QStyledItemDelegate>

namespace {

// A list view lays out its lines without a width, so its delegate alone can wrap them:
// it measures each text at the width the list shows.
class WrappingDelegate final : public QStyledItemDelegate {
public:
    explicit WrappingDelegate(QListView* view)
        : QStyledItemDelegate(view)
        , m_view(view)
    {
    }

    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem wrapped = option;
        initStyleOption(&wrapped, index);
        wrapped.features |= QStyleOptionViewItem::WrapText;
        // The style wraps only within a valid rectangle; the height it then measures.
        wrapped.rect = QRect(0, 0, m_view->viewport()->width(), 1);
        return m_view->style()->sizeFromContents(QStyle::CT_ItemViewItem, &wrapped, QSize(), m_view);
    }

private:
    QListView* m_view;
};

} // namespace

HistoryView::HistoryView(QUndoStack* stack, QWidget* parent)
    : QUndoView(stack, parent)
{
    setWordWrap(true);
    setTextElideMode(Qt::ElideNone);
    setUniformItemSizes(false);
    // Lines are measured again when the panel's width changes.
    setResizeMode(QListView::Adjust);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setItemDelegate(new WrappingDelegate(this));
}

int HistoryView::UsefulWidth() const
{
    constexpr int UsefulChars = 28;
    return fontMetrics().averageCharWidth() * UsefulChars + 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
}
