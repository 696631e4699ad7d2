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
    std::vector<changeset::Entry> entries;  // one per cell that differs from the files
    QStringList problems;
};

[[nodiscard]] Imported Import(const GameDocument& document, const QString& table, const QByteArray& bytes);

} // namespace tablecsv
