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
};

// UTF-8 text, a byte order mark allowed; refuses text that is not UTF-8.
[[nodiscard]] Parsed Read(const QByteArray& text);

} // namespace csv
