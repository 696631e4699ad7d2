// The settings file is outside input too: QSettings reads it whole at start, and would
// wait for ever on a named pipe put in its place.
#pragma once

#include <QString>
#include <QStringList>

namespace settingsfile {

// Why the settings file at path is ignored ("kestrel.conf is not a regular file: it is a
// named pipe (FIFO)."); empty when it is a regular file within the cap, or absent.
[[nodiscard]] QString Refusal(const QString& path);

// The files QSettings reads for this application at user scope: the application's, then
// the organisation's.
[[nodiscard]] QStringList UserFiles();

// The line for standard error when a file of UserFiles is refused; empty when the
// settings can be used as they are.
[[nodiscard]] QString Unusable();

// Points QSettings at an empty folder, so the program starts with defaults and writes
// nothing over what it found.
void UseScratchFolder(const QString& folder);

} // namespace settingsfile
