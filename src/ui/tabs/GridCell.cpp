// Drawing a grid caption in the room a cell has; text() stays the whole caption.
#include "ui/tabs/GridCell.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace {

// Three lines fit: a hangar quarter's caption is that tall. Five characters still tell
// the facilities apart.
constexpr int MinimumLines = 3;
constexpr int MinimumChars = 5;

// Measured as the eliding measures, so a line that fits is never cut.
bool Fits(const QString& line, const QFontMetrics& metrics, int width)
{
    return metrics.elidedText(line, Qt::ElideRight, width) == line;
}

QStringList Wrapped(const QString& line, const QFontMetrics& metrics, int width)
{
    QStringList lines;
    QString current;
    for (const QString& word : line.split(u' ')) {
        const QString longer = current.isEmpty() ? word : current + u' ' + word;
        if (!current.isEmpty() && !Fits(longer, metrics, width)) {
            lines.append(current);
            current = word;
        } else {
            current = longer;
        }
    }
    lines.append(current);
    return lines;
}

} // namespace

GridCell::GridCell(QWidget* parent)
    : QPushButton(parent)
{
}

QSize GridCell::sizeHint() const
{
    return m_preferred.isValid() ? m_preferred : QPushButton::sizeHint();
}

// The style's own size for a button holds a minimum width for a row of dialog buttons;
// a cell needs only room for its text and frame.
QSize GridCell::minimumSizeHint() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const int frame = 2 * (style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this)
                           + style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this));
    return {fontMetrics().averageCharWidth() * MinimumChars + frame, fontMetrics().lineSpacing() * MinimumLines + frame};
}

QString GridCell::FittedCaption(int width, int height) const
{
    const QFontMetrics metrics = fontMetrics();
    const QStringList given = text().split(u'\n');
    const int room = std::max(1, height / metrics.lineSpacing());
    // Each line is wrapped only while the caption as a whole still fits the height.
    QStringList lines = given;
    for (int at = 0; at < lines.size(); ++at) {
        if (Fits(lines[at], metrics, width))
            continue;
        const QStringList parts = Wrapped(lines[at], metrics, width);
        if (lines.size() - 1 + parts.size() > room)
            continue;
        lines.removeAt(at);
        for (int part = 0; part < parts.size(); ++part)
            lines.insert(at + part, parts[part]);
        at += int(parts.size()) - 1;
    }
    for (QString& line : lines)
        line = metrics.elidedText(line, Qt::ElideRight, width);
    return lines.join(u'\n');
}

void GridCell::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this);
    option.text = FittedCaption(contents.width() - margin, contents.height());
    painter.drawControl(QStyle::CE_PushButton, option);
}
