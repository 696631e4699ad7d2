// The four game files as one table: what the loader reads, the saver writes and the
// backups are called. Adding a file is a row here.
#pragma once

#include "core/GameFile.h"
#include "core/GameLoader.h"

#include <QString>

#include <optional>
#include <span>

struct DataFileSpec {
    GameFile file;
    QString fileName;        // under the geodata folder, lower case as the game has it
    QString progressText;    // appended to lblLoad before the file is read
    QString missingText;     // lblComp when the file is missing or empty
    LoadOutcome missingOutcome;
    std::optional<qint64> requiredSize;
    std::optional<qint64> maxSize;  // a file above it is refused rather than read
    QString backupName;      // beside the file
    QString masterBackupName;
};

namespace datafiles {

// The data files under geodata, in the order Save and the backups write them.
[[nodiscard]] std::span<const DataFileSpec> All();

// The same files in the order the load reads them.
[[nodiscard]] std::span<const DataFileSpec* const> LoadOrder();

[[nodiscard]] const DataFileSpec* Find(GameFile file);

// Every file of the set, the executable first: the order of Save's writes.
inline constexpr GameFile SaveOrder[] = {GameFile::Executable, GameFile::English, GameFile::English2,
                                         GameFile::Items};

// The executable's backups are its own name with these appended.
inline constexpr char16_t ExeBackupSuffix[] = u".bak";
inline constexpr char16_t ExeMasterBackupSuffix[] = u"(MASTER).bak";

// The name a user knows the file by in messages and step names: "ufo.exe", "ENGLISH.DAT".
[[nodiscard]] QString DisplayName(GameFile file);

} // namespace datafiles
