// Writing the loaded installation back: the game files, their backups and the master
// backups. Every file is replaced atomically, and nothing is written unless every file
// of the command could be staged first.
#pragma once

#include "core/Asker.h"
#include "core/GameFileSet.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QFileDevice;

struct FileWrite {
    QString path;
    QByteArray bytes;
    bool isBackup = false;
    GameFile file = GameFile::Executable;  // the game file it is, or backs up
};

struct WriteFailure {
    QString path;
    QString reason;
    // Files this write had already replaced and whose earlier contents could not be put
    // back, each with the reason; every other file is as it was before.
    std::vector<std::pair<QString, QString>> notPutBack;
    // The path names something that is never replaced (a link, a folder, a device); the
    // reason then goes on a sentence that starts with the path ("is a folder"), and the
    // advice says what to do about it.
    bool refused = false;
    QString advice;
};

// Called with each file's path just before it is committed; tests fail a commit with it.
using BeforeCommit = std::function<void(const QString& path)>;

// Makes a staged file's bytes reach the disk: 0, or the system's error number. Tests
// stand in for the disk with it.
using SyncFile = std::function<int(QFileDevice& file)>;

namespace saving {

// Where a file's backup goes: the executable's name with a suffix, a data file's backup
// beside it in the geodata folder found at load.
[[nodiscard]] QString BackupPath(const GameFileSet& files, GameFile file, bool master);

// What Save writes, in order: the backups (pristine copies) when asked for, then the
// game files (working buffers). Only buffers read from the loaded installation appear.
[[nodiscard]] std::vector<FileWrite> SaveWrites(const GameFileSet& files, bool makeBackups);

// What Make Master Backup writes: the pristine copies under the "(MASTER)" names.
[[nodiscard]] std::vector<FileWrite> MasterBackupWrites(const GameFileSet& files);

// Stages every file in a temporary file beside it, synced to the disk, then commits them
// in order. If any file cannot be staged or synced, a game file among them is read-only
// for everyone, or a path is anything but a regular file or nothing (a game file may also
// be a link to a regular file, which is written through), nothing on disk changes; each
// path is looked at again just before its commit. A failed commit stops the rest and puts every file already committed back
// as it was, so all or none of the files are written. A file written over an existing one
// keeps its mode, and its owner and group where the system allows.
[[nodiscard]] std::optional<WriteFailure> WriteAll(const std::vector<FileWrite>& writes,
                                                   const BeforeCommit& beforeCommit = {}, const SyncFile& sync = {});

// WriteAll for a command on the loaded install: refused whole, too, when one of its game
// files, written or not, is no longer a regular file or a link to one.
[[nodiscard]] std::optional<WriteFailure> WriteInstall(const GameFileSet& files, const std::vector<FileWrite>& writes);

// The Save command: writes, and reports a failure to the user in one message.
bool Save(const GameFileSet& files, bool makeBackups, Asker& asker);
// The same with the writes planned by the caller (the files another program changed left out).
bool Save(const GameFileSet& files, const std::vector<FileWrite>& writes, Asker& asker);

// The Make Master Backup command: asks first, then writes; a failure is reported.
bool MakeMasterBackup(const GameFileSet& files, Asker& asker);
// Its two halves, for a caller that checks the disk between them.
[[nodiscard]] bool ConfirmMasterBackup(Asker& asker);
bool WriteMasterBackup(const GameFileSet& files, Asker& asker);

// The message that tells the user which file could not be written and why; a refused
// path is shown relative to root when it lies below it.
[[nodiscard]] QString FailureMessage(const WriteFailure& failure, const QString& root = {});

} // namespace saving
