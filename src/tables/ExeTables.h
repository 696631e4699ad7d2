// Every table of the executable the editor touches, for checks that span tables.
#pragma once

#include "tables/VersionOffsets.h"

#include <QString>

#include <vector>

struct ExeTableSpan {
    QString name;
    qsizetype start;
    qsizetype size;
};

namespace exetables {

[[nodiscard]] std::vector<ExeTableSpan> All(GameVersion version);

} // namespace exetables
