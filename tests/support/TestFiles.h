// Reading, damaging and comparing files on disk in tests.
#pragma once

#include <QByteArray>
#include <QString>

#include <map>
#include <optional>

namespace testfiles {

// The whole file, or nullopt when it cannot be read.
[[nodiscard]] std::optional<QByteArray> Read(const QString& path);
// Replaces the file with exactly these bytes.
[[nodiscard]] bool Overwrite(const QString& path, const QByteArray& bytes);
[[nodiscard]] bool Truncate(const QString& path, qint64 size);
[[nodiscard]] bool Remove(const QString& path);

// Every file under folder, by path relative to it, with its contents: two snapshots
// compare equal only when no file was added, removed or changed by a single byte. A link
// stands as its target's path, a pipe or device as "<not a file>".
using Snapshot = std::map<QString, QByteArray>;
[[nodiscard]] Snapshot Take(const QString& folder);

} // namespace testfiles
