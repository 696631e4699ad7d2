// One file offset per build of the executable, as every executable table has.
#pragma once

#include "core/GameVersion.h"

#include <QtGlobal>

struct VersionOffsets {
    qsizetype collectorsEdition;
    qsizetype dos12;
    qsizetype dos14;

    [[nodiscard]] constexpr qsizetype For(GameVersion version) const
    {
        switch (version) {
        case GameVersion::CollectorsEdition: return collectorsEdition;
        case GameVersion::Dos12: return dos12;
        case GameVersion::Dos14: return dos14;
        case GameVersion::None: break;
        }
        return -1;
    }
};
