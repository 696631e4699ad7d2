// Loading an installation: the executable chosen by the user, its build, and the three
// data files under the data root, reported step by step; then the string files of any
// other language the install has.
#pragma once

#include "core/GameFileSet.h"
#include "core/LoadReporter.h"

#include <QString>

#include <functional>
#include <optional>

enum class LoadOutcome {
    Failed,           // dialog cancelled, or a file could not be opened or read
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

namespace loading {

inline constexpr qint64 ItemFileSize = 4320;

// Runs the whole load. What a step replaced stays replaced when a later step fails;
// a load that fails before the executable is accepted changes nothing in files.
[[nodiscard]] LoadOutcome LoadGameFiles(GameFileSet& files, const ExeChooser& chooseExe, LoadReporter& reporter,
                                        LoadViews& views);

// The data root of an executable at exePath for a build.
[[nodiscard]] QString DataRootFor(const QString& exePath, GameVersion version);

} // namespace loading
