// Synthetic installations of the game for tests, benchmarks and trying the editor out.
// Nothing here is game data: plausible values come from public facts, every other byte
// is a deterministic, position-dependent pattern.
#pragma once

#include "core/GameFileSet.h"
#include "core/GameVersion.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

struct SampleOptions {
    // Write GEODATA/OBDATA.DAT, ENGLISH.DAT, ... as an install copied from DOS media has them.
    bool upperCaseNames = false;
    // Also write the German and French pairs (german.dat and german2.dat, french.dat and
    // french2.dat), as installs sold in those countries carry them beside the English.
    bool german = false;
    bool french = false;
};

struct SamplePaths {
    QString exePath;
    QString dataRoot;
    QString geodata;
    QString items;
    QString english;
    QString english2;
    // Empty for a language the install was written without.
    QString german;
    QString german2;
    QString french;
    QString french2;
};

namespace sample {

// The pattern byte every untouched position of a sample file holds; includes 0x80-0xFF.
[[nodiscard]] std::uint8_t PatternByte(qsizetype position);

[[nodiscard]] QByteArray Executable(GameVersion version);
[[nodiscard]] QByteArray ItemFile();
[[nodiscard]] QByteArray EnglishFile();
[[nodiscard]] QByteArray English2File();
// The same entries in our own German and French words, with the letters those languages use.
[[nodiscard]] QByteArray GermanFile();
[[nodiscard]] QByteArray German2File();
[[nodiscard]] QByteArray FrenchFile();
[[nodiscard]] QByteArray French2File();

// Any one of those files.
[[nodiscard]] QByteArray File(GameFile file, GameVersion version);

// The four files of a build as a load would hold them, without touching the disk.
[[nodiscard]] GameFileSet LoadedFiles(GameVersion version);

// Writes a complete install under folder: the Collector's Edition's executable beside
// geodata/, a DOS build's one folder below it. nullopt when a file cannot be written.
[[nodiscard]] std::optional<SamplePaths> WriteInstall(const QString& folder, GameVersion version,
                                                      const SampleOptions& options = {});

} // namespace sample
