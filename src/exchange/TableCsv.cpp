// Tables to and from CSV, cell by cell through the catalogue.
#include "exchange/TableCsv.h"

#include "core/GameDocument.h"
#include "exchange/Csv.h"
#include "tables/Catalogue.h"

#include <QCoreApplication>
#include <QFileInfo>

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

Imported Import(const GameDocument& document, const QString& tableName, const QByteArray& bytes)
{
    Imported imported;
    const catalogue::Table* table = catalogue::FindTable(tableName);
    if (!table) {
        imported.problems.append(Text::tr("no table \"%1\"").arg(tableName));
        return imported;
    }
    if (!document.IsLoaded(table->file)) {
        imported.problems.append(Text::tr("the file of table %1 is not loaded").arg(tableName));
        return imported;
    }
    const csv::Parsed parsed = csv::Read(bytes);
    if (!parsed.rows) {
        imported.problems.append(parsed.problem);
        return imported;
    }
    const csv::Rows& rows = *parsed.rows;
    if (rows.empty() || rows.front().value(0) != u"record"_s) {
        imported.problems.append(Text::tr("line 1: the header must start with \"record\""));
        return imported;
    }
    std::vector<const catalogue::Field*> columns;
    for (qsizetype column = 1; column < rows.front().size(); ++column) {
        const catalogue::Field* field = catalogue::FindField(*table, rows.front().at(column));
        if (!field)
            imported.problems.append(
                Text::tr("line 1: no field \"%1\" in table %2").arg(rows.front().at(column), tableName));
        columns.push_back(field);
    }
    if (!imported.problems.isEmpty())
        return imported;
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
                Text::tr("line %1: no record \"%2\" in table %3").arg(line + 1).arg(row.front(), tableName));
            continue;
        }
        for (std::size_t column = 0; column < columns.size(); ++column) {
            const QString& cell = row.at(qsizetype(column) + 1);
            const std::optional<catalogue::Slot> slot =
                catalogue::Locate(*table, *record, *columns[column], document.Version(), fileBytes);
            if (!slot || catalogue::Show(*slot, fileBytes) == cell)
                continue;
            // A cell is text: a number in it is read by the prompt's rules, as typed.
            QString value = cell;
            if (catalogue::IsNumeric(columns[column]->kind)
                && !changeset::ValueOf(tableName, columns[column]->Name(), cell).isDouble()) {
                const catalogue::Reading reading = catalogue::Read(*slot, cell);
                if (!reading.bytes) {
                    imported.problems.append(
                        Text::tr("line %1, %2: %3").arg(line + 1).arg(columns[column]->Name(), reading.refusal));
                    continue;
                }
                value = fields::ShownValue(*columns[column], *record, *reading.bytes);
            }
            imported.entries.push_back(changeset::EntryFor(*table, *record, *columns[column], value));
        }
    }
    return imported;
}

} // namespace tablecsv
