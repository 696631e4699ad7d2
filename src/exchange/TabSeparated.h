// Cells as spreadsheets put them on the clipboard: tabs between cells, a line end after
// each row, and a cell holding a tab, line end or quote in quotes with its quotes doubled.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tsv {

[[nodiscard]] QString Join(const QList<QStringList>& rows);

// The rows of a copied block; the line end after the last row adds no empty row.
[[nodiscard]] QList<QStringList> Split(QStringView text);

} // namespace tsv
