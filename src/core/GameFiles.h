// Whole-file reading, the lookup of data files whose names may differ in case, and what
// a replaced file keeps of the one it replaces.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QFileDevice;

namespace gamefiles {

// What a path names, the link itself looked at first: only a regular file (or, for a game
// file, a link to one) is ever replaced, so every write asks this before it starts.
enum class FileKind { Absent, Regular, LinkToRegular, LinkToOther, Folder, Device, Fifo, Other };

[[nodiscard]] FileKind Examine(const QString& path);

// The kind as the end of a sentence: "is a symbolic link", "is a folder".
[[nodiscard]] QString KindText(FileKind kind);

// The size of a file, or nullopt when the path is a folder or something else that is
// not a readable regular file. A missing file measures 0.
[[nodiscard]] std::optional<qint64> Measure(const QString& path);

// Why what is at path cannot be read as a game file, ending a sentence ("it is a
// folder"); empty for a regular file or nothing at all. Nothing is opened, so a FIFO
// never blocks the caller.
[[nodiscard]] QString NotAFileReason(const QString& path);

// A name along a path that does not exist and that came with replacement characters:
// the file system held bytes there that are not valid text, and the path can never
// reach them again. Empty when the path exists or holds no such name.
[[nodiscard]] QString UndecodableName(const QString& path);

// The whole file, or nullopt when it cannot be opened or read, or no longer has the
// size it was measured with.
[[nodiscard]] std::optional<QByteArray> ReadWhole(const QString& path, qint64 expectedSize);

// Replaces the file at path with bytes in one step; the system's reason when it could not.
[[nodiscard]] std::optional<QString> ReplaceFile(const QString& path, const QByteArray& bytes);

// The path of folder/name. When no entry of exactly that name exists, an entry whose
// name matches it without regard to case is taken (installs copied from DOS media often
// have GEODATA/OBDATA.DAT); when there is none either, folder/name itself.
[[nodiscard]] QString FindEntry(const QString& folder, const QString& name);

// Writes bytes to something that is not a regular file (a named pipe, a terminal, a
// device) as it is, without replacing it; the system's reason when it could not.
[[nodiscard]] std::optional<QString> WriteInPlace(const QString& path, const QByteArray& bytes);

// Makes what was written to the open file reach the disk. The system's error number when
// it could not, 0 when it did: a file the disk never got is a file not written.
[[nodiscard]] int SyncToDisk(QFileDevice& file);

// Gives the open file the mode, and where the system allows it the owner and group, of
// the file at existingPath, so a file written anew in its place is still the user's.
// False, with errno set, only when the mode could not be given.
[[nodiscard]] bool KeepOwnerAndMode(const QString& existingPath, QFileDevice& file);

} // namespace gamefiles
