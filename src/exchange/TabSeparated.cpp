// Writing and reading tab-separated cells.
#include "exchange/TabSeparated.h"

using namespace Qt::StringLiterals;

namespace tsv {
namespace {

QString Quoted(const QString& cell)
{
    if (!cell.contains(u'\t') && !cell.contains(u'\n') && !cell.contains(u'\r') && !cell.startsWith(u'"'))
        return cell;
    QString quoted = cell;
    quoted.replace(u"\""_s, u"\"\""_s);
    return u'"' + quoted + u'"';
}

} // namespace

QString Join(const QList<QStringList>& rows)
{
    QString text;
    for (const QStringList& row : rows) {
        for (qsizetype column = 0; column < row.size(); ++column) {
            if (column > 0)
                text.append(u'\t');
            text.append(Quoted(row[column]));
        }
        text.append(u'\n');
    }
    return text;
}

QList<QStringList> Split(QStringView text)
{
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool cellStarted = false;
    qsizetype at = 0;
    const auto endRow = [&] {
        row.append(cell);
        rows.append(row);
        row.clear();
        cell.clear();
        cellStarted = false;
    };
    while (at < text.size()) {
        const QChar character = text[at];
        if (!cellStarted && character == u'"') {
            // A quoted cell runs to the quote not doubled; what follows it up to the next
            // tab or line end is kept as a spreadsheet would.
            ++at;
            while (at < text.size()) {
                if (text[at] == u'"') {
                    if (at + 1 < text.size() && text[at + 1] == u'"') {
                        cell.append(u'"');
                        at += 2;
                        continue;
                    }
                    ++at;
                    break;
                }
                cell.append(text[at++]);
            }
            cellStarted = true;
            continue;
        }
        if (character == u'\t') {
            row.append(cell);
            cell.clear();
            cellStarted = false;
            ++at;
            continue;
        }
        if (character == u'\r' || character == u'\n') {
            endRow();
            at += (character == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n') ? 2 : 1;
            continue;
        }
        cell.append(character);
        cellStarted = true;
        ++at;
    }
    if (cellStarted || !row.isEmpty())
        endRow();
    return rows;
}

} // namespace tsv
