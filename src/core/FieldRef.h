// Which value a change writes, by the keys change-set files use: table "units", record 7,
// field "Time Units". Where the user reads it, the catalogue names it.
#pragma once

#include <QString>

struct FieldRef {
    QString table;    // the table's key; empty for bytes in no field
    int record = -1;  // counted from 0 within the table
    QString field;    // the field's key

    [[nodiscard]] bool IsEmpty() const { return table.isEmpty(); }
    friend bool operator==(const FieldRef&, const FieldRef&) = default;
};
