// Reading a file the user names (a change set, a table, a dropped file): only a regular
// file, only up to a cap, and a reason in words for anything else.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <optional>

namespace outsidefile {

// A change set of every field of every table is about 300 KB; nothing a user hands the
// editor comes near this, and a hostile file cannot take the machine's memory.
inline constexpr qint64 SizeLimit = 16 * 1024 * 1024;

// Why the file at path is not read, as a sentence naming it ("mod.json is not a regular
// file: it is a folder."); empty for a regular file, or a link to one, of at most cap
// bytes. Looked at without being opened, so a named pipe never blocks the caller.
[[nodiscard]] QString Refusal(const QString& path, qint64 cap = SizeLimit);

} // namespace outsidefile

// What the device holds, read to its end but never more than cap + 1 bytes: nothing when
// it holds more than cap, or when reading fails (the device's errorString says why). For
// a pipe as much as for a file.
[[nodiscard]] std::optional<QByteArray> ReadUpTo(QIODevice& device, qint64 cap);

// The whole file when Refusal has nothing against it and it still holds at most cap bytes;
// otherwise nullopt, with the reason in error. Never reads more than cap + 1 bytes.
[[nodiscard]] std::optional<QByteArray> ReadOutsideFile(const QString& path, qint64 cap, QString* error);
