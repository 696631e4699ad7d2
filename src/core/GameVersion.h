// The three builds of the game executable, told apart by exact file size alone.
#pragma once

#include <QString>

#include <array>
#include <optional>

enum class GameVersion {
    None = 0,
    CollectorsEdition = 1,
    Dos12 = 2,
    Dos14 = 4,
};

namespace gameversion {

inline constexpr std::array<GameVersion, 3> All = {
    GameVersion::CollectorsEdition, GameVersion::Dos12, GameVersion::Dos14};

// Exact executable size of a build; 0 for None.
[[nodiscard]] qint64 ExeSize(GameVersion version);

// The build whose executable has exactly this size; any other size is not a game executable.
[[nodiscard]] std::optional<GameVersion> FromExeSize(qint64 size);

// The text of lblVer for the build; empty for None.
[[nodiscard]] QString Caption(GameVersion version);

// The DOS builds keep their executable one folder below the data files.
[[nodiscard]] bool DataRootIsParent(GameVersion version);

// Short name used on command lines and in test names: ce, dos12, dos14.
[[nodiscard]] QString ShortName(GameVersion version);
[[nodiscard]] std::optional<GameVersion> FromShortName(const QString& name);

} // namespace gameversion
