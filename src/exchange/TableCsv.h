// A whole table as a spreadsheet: a header row "record" and the field names, then one
// row per record with values as the catalogue shows them; and such a file read back as
// the changes of the cells that differ.
#pragma once

#include "exchange/ChangeSet.h"

#include <QByteArray>
#include <QString>

class GameDocument;

namespace tablecsv {

[[nodiscard]] QByteArray Export(const GameDocument& document, const QString& table);

// The file name a table is written under: "units.csv", "english.dat.csv".
[[nodiscard]] QString FileName(const QString& table);
// The table a file name stands for, or empty.
[[nodiscard]] QString TableOf(const QString& fileName);

struct Imported {
    QString table;                          // as the header row names it
    std::vector<changeset::Entry> entries;  // one per cell that differs from the files
    QStringList problems;
    QString note;  // how the text was read, where not as UTF-8 with commas
};

// The table is the one whose fields the header row names; the file name's table (hint,
// may be empty) only decides between tables with the same fields, so that "items (1).csv"
// and "english2.dat.csv" saved as "strings.csv" import.
[[nodiscard]] Imported Import(const GameDocument& document, const QString& hint, const QByteArray& bytes);

} // namespace tablecsv
