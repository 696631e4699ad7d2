// Loading an installation: the executable chosen by the user, its build, and the three
// data files under the data root, reported step by step; then the string files of any
// other language the install has.
#pragma once

#include "core/Asker.h"
#include "core/GameFileSet.h"
#include "core/LoadReporter.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

enum class LoadOutcome {
    Failed,           // dialog cancelled, or a file could not be opened, read or taken (lblComp may say why)
    ExeMissing,       // "Unable to load ufo.exe"
    ExeWrongSize,     // not one of the three builds
    ItemsMissing,
    ItemsWrongSize,
    EnglishMissing,
    English2Missing,
    Complete,
};

// Gives the path of the executable to load: the open dialog, or the command line's
// path in its place. nullopt counts as a cancelled dialog.
using ExeChooser = std::function<std::optional<QString>()>;

// Decides whether a load goes on with files whose tables do not look like the game's,
// given one sentence for each table that looked wrong. Left empty, such a load stops.
using LoadAnyway = std::function<bool(const QStringList& reasons)>;

// Whether the tables of a file of the right size look like the game's. The loader knows no
// table: the tables library, which holds their layouts, gives the check (plausibility::Gate).
// Without one every file of the right size is taken as the game's.
struct ContentsGate {
    // One sentence for each table of the file that does not look like the game's.
    QStringList (*reasons)(GameFile file, GameVersion version, const QByteArray& bytes) = nullptr;
    // Whether any table of the file is checked, so that no other file is read ahead.
    bool (*checks)(GameFile file) = nullptr;
    LoadAnyway loadAnyway;
};

namespace loading {

inline constexpr qint64 ItemFileSize = 4320;
// The game's string files are about 100 KB; a far larger one is refused before it is read,
// so a hostile file cannot take the memory of the whole machine.
inline constexpr qint64 StringFileLimit = 16 * 1024 * 1024;

// Runs the whole load. What a step replaced stays replaced when a later step fails;
// a load that fails before the executable is accepted changes nothing in files. Files
// that do not look like the game's are accepted only when the gate's loadAnyway says so;
// otherwise the load ends as a cancelled dialog does.
[[nodiscard]] LoadOutcome LoadGameFiles(GameFileSet& files, const ExeChooser& chooseExe, LoadReporter& reporter,
                                        const ContentsGate& gate = {});

// Asks in a warning box titled "Unexpected File Contents" whether to load files that do
// not look like the game's; No is the default.
[[nodiscard]] bool AskLoadAnyway(Asker& asker, const QStringList& reasons);

// The data root of an executable at exePath for a build.
[[nodiscard]] QString DataRootFor(const QString& exePath, GameVersion version);

} // namespace loading
