// What an asker does for the questions it has no dialog of its own for.
#include "core/Asker.h"

using namespace Qt::StringLiterals;

QStringList Asker::AskOpenFiles(const QString& title, const QString& filter)
{
    const std::optional<QString> path = AskOpenFile(title, filter);
    return path ? QStringList{*path} : QStringList{};
}

bool Asker::AskTable(const QString& title, const QString& text, const QStringList& columns,
                     const std::vector<QStringList>& rows)
{
    QStringList lines{text, QString(), columns.join(u" | "_s)};
    for (const QStringList& row : rows)
        lines.append(row.join(u" | "_s));
    return AskYesNo(title, lines.join(u'\n'));
}
