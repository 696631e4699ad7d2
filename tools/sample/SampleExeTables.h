// Writers for the tables of a sample executable, each at the offsets of the given build.
#pragma once

#include "core/GameVersion.h"

#include <QByteArray>

namespace sample {

void WriteBaseGrid(QByteArray& exe, GameVersion version);
void WriteStores(QByteArray& exe, GameVersion version);
void WriteFacilities(QByteArray& exe, GameVersion version);
void WriteUnits(QByteArray& exe, GameVersion version);
void WriteSoldierNames(QByteArray& exe, GameVersion version);

// The name of slot k (0 to 119): the public names first, then combinations of them.
[[nodiscard]] QByteArray FirstName(int slot);
[[nodiscard]] QByteArray LastName(int slot);

} // namespace sample
