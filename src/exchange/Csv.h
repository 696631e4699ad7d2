// Comma-separated values as RFC 4180 has them: quoted fields may hold commas, quotes
// (doubled) and line breaks; lines end in CRLF when written, CRLF or LF when read.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace csv {

using Rows = std::vector<QStringList>;

[[nodiscard]] QByteArray Write(const Rows& rows);

struct Parsed {
    std::optional<Rows> rows;
    QString problem;  // "line 4: a quote inside an unquoted field"
    QString note;     // how the text was read, where it was not plain UTF-8 with commas
};

// Text as spreadsheets save it: UTF-8 (a byte order mark allowed), else Windows-1252,
// with a note saying so; fields separated by commas or, where the first line holds more
// semicolons than commas outside quotes (the default of many European settings), by
// semicolons.
[[nodiscard]] Parsed Read(const QByteArray& text);

} // namespace csv
