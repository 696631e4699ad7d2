// Whether the game files on disk still hold what this program last read or wrote, and the
// question put before writing over a file another program changed.
#pragma once

#include "core/Asker.h"
#include "core/GameFileSet.h"

#include <QString>

#include <vector>

struct ChangedFile {
    GameFile file;
    QString path;
    bool missing = false;
};

namespace diskcheck {

[[nodiscard]] DiskStamp StampOf(const QString& path, const QByteArray& bytes);

// Full reads every file and compares its contents. Quick trusts a file whose size and
// modification time are unchanged: it runs whenever the window is activated, and only
// tells the user; what guards a write is always Full.
enum class Depth { Quick, Full };

// The files of the loaded install that no longer hold what was last read or written, in
// the order Save writes them. A file that vanished is one of them.
[[nodiscard]] std::vector<ChangedFile> ChangedFiles(const GameFileSet& files, Depth depth);

enum class Command { Save, MasterBackup };
enum class Decision { Write, Reload, Cancel };

// Write when no file changed; otherwise the user's answer to "Files Changed on Disk".
[[nodiscard]] Decision Confirm(const GameFileSet& files, Command command, Asker& asker);

// The status-bar notice naming the changed files.
[[nodiscard]] QString Notice(const std::vector<ChangedFile>& changed);

} // namespace diskcheck
