// The game files as one table: what the loader reads, the saver writes and the backups
// are called. Adding a file is a row here.
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
    // Zero-terminated texts: the string editor lists them, and an entry may change length.
    bool stringTable = false;
};

// A pair of string files in one language. The game numbers the entries of each pair
// alike, so the two lists of the string editor always show one pair.
struct StringLanguage {
    QString name;  // as the chooser shows it: "German"
    GameFile first;
    GameFile second;
};

namespace datafiles {

// The data files under geodata, in the order Save and the backups write them.
[[nodiscard]] std::span<const DataFileSpec> All();

// The files every load reads, in the order it reads them; a missing one ends the load.
[[nodiscard]] std::span<const DataFileSpec* const> LoadOrder();

// Every string file: english.dat, english2.dat, then the other languages' pairs.
[[nodiscard]] std::span<const DataFileSpec* const> StringTables();

// English first: the pair every load reads. The others are read after it when present.
[[nodiscard]] std::span<const StringLanguage> Languages();

[[nodiscard]] const DataFileSpec* Find(GameFile file);

// Every file of the set, the executable first: the order of Save's writes. The other
// languages come after the four every install has, so those keep their order.
inline constexpr GameFile SaveOrder[] = {GameFile::Executable, GameFile::English, GameFile::English2,
                                         GameFile::Items,      GameFile::German,  GameFile::German2,
                                         GameFile::French,     GameFile::French2};

// The executable's backups are its own name with these appended.
inline constexpr char16_t ExeBackupSuffix[] = u".bak";
inline constexpr char16_t ExeMasterBackupSuffix[] = u"(MASTER).bak";

// The name a user knows the file by in messages and step names: "ufo.exe", "ENGLISH.DAT".
[[nodiscard]] QString DisplayName(GameFile file);

// The table name of a string file's changes: its file name, "german.dat".
[[nodiscard]] QString TableName(GameFile file);

[[nodiscard]] bool IsStringTable(GameFile file);

} // namespace datafiles
