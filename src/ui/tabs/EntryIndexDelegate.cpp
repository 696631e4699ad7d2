// The index column of the string lists, drawn beside the text the style draws as before.
#include "ui/tabs/EntryIndexDelegate.h"

#include "ui/tabs/StringTableModel.h"

#include <QApplication>
#include <QPainter>

namespace {

// Room between the index and the text, in widths of a digit.
constexpr int GapDigits = 1;

} // namespace

EntryIndexDelegate::EntryIndexDelegate(const StringTableModel& table, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_table(table)
{
}

int EntryIndexDelegate::ColumnWidth(const QFontMetrics& metrics) const
{
    const int largest = qMax(m_table.rowCount() - 1, 0);
    const int digits = int(QString::number(largest).size()) + GapDigits;
    return metrics.horizontalAdvance(QString(digits, QLatin1Char('0')));
}

// The row's background, selection and focus are drawn across the whole row first; the
// text is then drawn by the style as it always was, only moved right past the index.
void EntryIndexDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem row(option);
    initStyleOption(&row, index);
    const QWidget* widget = row.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();

    QStyleOptionViewItem background(row);
    background.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

    // The style's own text margin, without asking it to lay the row out once more.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, &row, widget) + 1;
    const QRect textArea = row.rect.adjusted(margin, 0, -margin, 0);
    const int column = ColumnWidth(row.fontMetrics);
    const int gap = row.fontMetrics.horizontalAdvance(QString(GapDigits, QLatin1Char('0')));
    const bool selected = row.state.testFlag(QStyle::State_Selected);
    const QPalette::ColorGroup group = row.state.testFlag(QStyle::State_Enabled) ? QPalette::Normal
                                                                                  : QPalette::Disabled;
    painter->save();
    painter->setFont(row.font);
    painter->setPen(row.palette.color(group, selected ? QPalette::HighlightedText : QPalette::PlaceholderText));
    painter->drawText(QRect(textArea.left(), textArea.top(), column - gap, textArea.height()),
                      Qt::AlignRight | Qt::AlignVCenter, index.data(StringTableModel::EntryIndexRole).toString());
    painter->restore();

    QStyleOptionViewItem text(row);
    text.rect.setLeft(row.rect.left() + column);
    text.state.setFlag(QStyle::State_HasFocus, false);
    text.backgroundBrush = Qt::NoBrush;
    style->drawControl(QStyle::CE_ItemViewItem, &text, painter, widget);
}

QSize EntryIndexDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QSize text = QStyledItemDelegate::sizeHint(option, index);
    return {text.width() + ColumnWidth(option.fontMetrics), text.height()};
}
