// Whole-file reading and the lookup of data files whose names may differ in case.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace gamefiles {

// The size of a file, or nullopt when the path is a folder or something else that is
// not a readable regular file. A missing file measures 0.
[[nodiscard]] std::optional<qint64> Measure(const QString& path);

// The whole file, or nullopt when it cannot be opened or read, or no longer has the
// size it was measured with.
[[nodiscard]] std::optional<QByteArray> ReadWhole(const QString& path, qint64 expectedSize);

// The path of folder/name. When no entry of exactly that name exists, an entry whose
// name matches it without regard to case is taken (installs copied from DOS media often
// have GEODATA/OBDATA.DAT); when there is none either, folder/name itself.
[[nodiscard]] QString FindEntry(const QString& folder, const QString& name);

} // namespace gamefiles
