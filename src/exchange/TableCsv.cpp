// Tables to and from CSV, cell by cell through the catalogue.
#include "exchange/TableCsv.h"

#include "core/GameDocument.h"
#include "core/TextRoutines.h"
#include "exchange/Csv.h"
#include "tables/Catalogue.h"
#include "tables/CellText.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The texts the window shows, in the interface's language (kestrel-cli never installs a translator).
struct Text {
    Q_DECLARE_TR_FUNCTIONS(TableCsv)
};

} // namespace

namespace tablecsv {

QString FileName(const QString& table)
{
    return table + u".csv"_s;
}

QString TableOf(const QString& fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    if (!name.endsWith(u".csv"_s, Qt::CaseInsensitive))
        return {};
    const QString table = name.chopped(4);
    return catalogue::FindTable(table) ? table : QString();
}

QByteArray Export(const GameDocument& document, const QString& tableName)
{
    const catalogue::Table* table = catalogue::FindTable(tableName);
    if (!table || !document.IsLoaded(table->file))
        return {};
    csv::Rows rows;
    QStringList header{u"record"_s};
    for (const catalogue::Field& field : table->fields)
        header.append(field.Name());
    rows.push_back(header);
    const QByteArray& bytes = document.Working(table->file);
    QStringList row;
    int record = -1;
    for (const catalogue::Slot& slot : catalogue::Slots(*table, document.Version(), bytes)) {
        if (slot.record != record) {
            if (!row.isEmpty())
                rows.push_back(row);
            record = slot.record;
            row = QStringList{catalogue::RecordName(*table, record)};
        }
        row.append(catalogue::Show(slot, bytes));
    }
    if (!row.isEmpty())
        rows.push_back(row);
    return csv::Write(rows);
}

namespace {

// Column names as a message quotes them: each cut, and no more than a screen's worth.
QStringList Excerpts(const QStringList& names)
{
    constexpr qsizetype Shown = 20;
    QStringList excerpts;
    for (const QString& name : names.first(std::min(Shown, names.size())))
        excerpts.append(modEdit::Excerpt(name));
    if (names.size() > Shown)
        excerpts.append(u"\u2026 and %1 more"_s.arg(names.size() - Shown));
    return excerpts;
}

// The loaded tables whose fields include every column of the header.
std::vector<const catalogue::Table*> TablesWithColumns(const GameDocument& document, const QStringList& header)
{
    std::vector<const catalogue::Table*> tables;
    for (const catalogue::Table& table : catalogue::Tables()) {
        const bool hasAll = std::all_of(header.begin() + 1, header.end(), [&](const QString& column) {
            return catalogue::FindField(table, column) != nullptr;
        });
        if (hasAll && document.IsLoaded(table.file))
            tables.push_back(&table);
    }
    return tables;
}

const catalogue::Table* TableOfHeader(const GameDocument& document, const QStringList& header, const QString& hint,
                                      QStringList* problems)
{
    const std::vector<const catalogue::Table*> tables = TablesWithColumns(document, header);
    if (tables.size() == 1)
        return tables.front();
    for (const catalogue::Table* table : tables) {
        if (table->Name() == hint)
            return table;
    }
    if (tables.empty()) {
        const catalogue::Table* hinted = catalogue::FindTable(hint);
        QStringList unknown;
        for (qsizetype column = 1; column < header.size(); ++column) {
            if (!hinted || !catalogue::FindField(*hinted, header.at(column)))
                unknown.append(header.at(column));
        }
        problems->append(hinted ? Text::tr("line 1: no field \"%1\" in table %2").arg(Excerpts(unknown).join(u"\", \""_s), hint)
                                : Text::tr("line 1: no loaded table has the columns %1").arg(Excerpts(header.mid(1)).join(u", "_s)));
        return nullptr;
    }
    QStringList names;
    for (const catalogue::Table* table : tables)
        names.append(table->Name());
    problems->append(Text::tr("line 1: the columns fit the tables %1; name the file after one of them, as \"%2.csv\"")
                         .arg(names.join(u", "_s), names.front()));
    return nullptr;
}

} // namespace

Imported Import(const GameDocument& document, const QString& hint, const QByteArray& bytes)
{
    Imported imported;
    const csv::Parsed parsed = csv::Read(bytes);
    if (!parsed.rows) {
        imported.problems.append(parsed.problem);
        return imported;
    }
    imported.note = parsed.note;
    const csv::Rows& rows = *parsed.rows;
    if (rows.empty() || rows.front().value(0).trimmed() != u"record"_s) {
        imported.problems.append(Text::tr("line 1: the header must start with \"record\""));
        return imported;
    }
    const catalogue::Table* table = TableOfHeader(document, rows.front(), hint, &imported.problems);
    if (!table)
        return imported;
    imported.table = table->Name();
    const QString tableName = table->Name();
    std::vector<const catalogue::Field*> columns;
    for (qsizetype column = 1; column < rows.front().size(); ++column)
        columns.push_back(catalogue::FindField(*table, rows.front().at(column)));
    const QByteArray& fileBytes = document.Working(table->file);
    for (std::size_t line = 1; line < rows.size(); ++line) {
        const QStringList& row = rows[line];
        if (row.size() == 1 && row.front().isEmpty())
            continue;  // a blank line
        if (row.size() != rows.front().size()) {
            imported.problems.append(Text::tr("line %1: %2 cells where the header has %3")
                                         .arg(line + 1)
                                         .arg(row.size())
                                         .arg(rows.front().size()));
            continue;
        }
        const std::optional<int> record = catalogue::FindRecord(*table, row.front(), fileBytes);
        if (!record) {
            imported.problems.append(
                Text::tr("line %1: no record \"%2\" in table %3").arg(line + 1).arg(modEdit::Excerpt(row.front()), tableName));
            continue;
        }
        for (std::size_t column = 0; column < columns.size(); ++column) {
            const QString& cell = row.at(qsizetype(column) + 1);
            const std::optional<catalogue::Slot> slot =
                catalogue::Locate(*table, *record, *columns[column], document.Version(), fileBytes);
            if (!slot || catalogue::Show(*slot, fileBytes) == cell)
                continue;
            // Refused here already, so that the message names the line and column.
            const catalogue::Reading reading =
                cells::Read(*slot, cell, fileBytes, document.Version(), catalogue::Limits::Storage);
            if (!reading.bytes) {
                imported.problems.append(
                    Text::tr("line %1, %2: %3").arg(line + 1).arg(columns[column]->Name(), reading.refusal));
                continue;
            }
            const QString value = catalogue::IsNumeric(columns[column]->kind) ? cell.trimmed() : cell;
            imported.entries.push_back(changeset::EntryFor(*table, *record, *columns[column], value));
        }
    }
    return imported;
}

} // namespace tablecsv
