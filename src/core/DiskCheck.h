// Whether the game files on disk still hold what this program last read or wrote, and the
// question put before writing over a file another program changed.
#pragma once

#include "core/Asker.h"
#include "core/GameFileSet.h"
#include "core/GameSaver.h"

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

// Whether the buffer differs from what the file on disk held when this program last read
// or wrote it.
[[nodiscard]] bool HoldsUnsavedEdit(const GameBuffer& buffer);

// A file another program changed while it holds no edit here: Save leaves it as that
// program left it, and it may not be edited until it is loaded again.
[[nodiscard]] bool IsStale(const GameFileSet& files, GameFile file);

// What a save writes, decided once for the window and the command-line tool alike.
struct SavePlan {
    // In order. Holds the conflicts' writes too: write only once conflicts is empty.
    std::vector<FileWrite> writes;
    // Changed on disk with no unsaved edit: neither the file nor its backup is written.
    std::vector<ChangedFile> leftAlone;
    // Changed on disk and holding unsaved edits: written only when the user says so.
    std::vector<ChangedFile> conflicts;
};

// overwrite: the files the user has already said may replace another program's version.
[[nodiscard]] SavePlan PlanSave(const GameFileSet& files, bool makeBackups,
                                const std::vector<GameFile>& overwrite = {});

enum class Command { Save, MasterBackup };
enum class Decision { Write, Reload, Cancel };

// Write when no file changed; otherwise the user's answer to "Files Changed on Disk".
[[nodiscard]] Decision Confirm(const GameFileSet& files, Command command, Asker& asker);
// The question about these files; Write when there are none.
[[nodiscard]] Decision Ask(const std::vector<ChangedFile>& changed, Command command, Asker& asker);

// The status-bar notice naming the changed files: those Save leaves alone, and those it
// asks about.
[[nodiscard]] QString Notice(const GameFileSet& files, const std::vector<ChangedFile>& changed);

} // namespace diskcheck
