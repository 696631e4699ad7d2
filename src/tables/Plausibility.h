// Whether the tables the editor writes look like this game's, once a file's size has named
// the build: a file of the right size is not yet the game's file.
#pragma once

#include "core/GameFile.h"
#include "core/GameLoader.h"
#include "core/GameVersion.h"

#include <QByteArray>
#include <QStringList>

namespace plausibility {

// One sentence per table that does not look like the game's, naming it and the byte it
// starts at ("The soldier first names at byte 453768 are not text."); empty when all do.
// Only what every real install holds and every edit keeps is checked, so no install the
// editor has written, and no byte it leaves alone, can ever make a file fail.
[[nodiscard]] QStringList Reasons(GameFile file, GameVersion version, const QByteArray& bytes);

// Whether any table of the file is checked.
[[nodiscard]] bool HasChecks(GameFile file);

// These checks for a load, which asks loadAnyway about files that fail them.
[[nodiscard]] ContentsGate Gate(LoadAnyway loadAnyway = {});

} // namespace plausibility
