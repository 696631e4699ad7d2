// Writing a file the user named for output (a change set, a table): never over the game
// files or their backups, and into a pipe or a device as it is.
#pragma once

#include "core/GameFileSet.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace outputfile {

// True when path, links and ".." resolved, is one of the loaded game files or one of
// their backups or master backups, there yet or not.
[[nodiscard]] bool IsGameFileOrBackup(const GameFileSet& files, const QString& path);

// Writes bytes to path: a regular file (or a new one) is replaced in one step, anything
// else that is there (a named pipe, /dev/stdout, a device) is written to as it is. Why
// nothing was written when it could not be, as the end of a sentence after the path.
[[nodiscard]] std::optional<QString> Write(const GameFileSet& files, const QString& path, const QByteArray& bytes);

} // namespace outputfile
