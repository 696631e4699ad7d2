// Synthetic installations of the game for tests, benchmarks and trying the editor out.
// Nothing here is game data: plausible values come from public facts, every other byte
// is a deterministic, position-dependent pattern.
#pragma once

#include "core/GameVersion.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

struct SampleOptions {
    // Write GEODATA/OBDATA.DAT, ENGLISH.DAT, ... as an install copied from DOS media has them.
    bool upperCaseNames = false;
};

struct SamplePaths {
    QString exePath;
    QString dataRoot;
    QString geodata;
    QString items;
    QString english;
    QString english2;
};

namespace sample {

// The pattern byte every untouched position of a sample file holds; includes 0x80-0xFF.
[[nodiscard]] std::uint8_t PatternByte(qsizetype position);

[[nodiscard]] QByteArray Executable(GameVersion version);
[[nodiscard]] QByteArray ItemFile();
[[nodiscard]] QByteArray EnglishFile();
[[nodiscard]] QByteArray English2File();

// Writes a complete install under folder: the Collector's Edition's executable beside
// geodata/, a DOS build's one folder below it. nullopt when a file cannot be written.
[[nodiscard]] std::optional<SamplePaths> WriteInstall(const QString& folder, GameVersion version,
                                                      const SampleOptions& options = {});

} // namespace sample
