// The spans of all executable tables of a build, as their layouts give them.
#include "tables/ExeTables.h"

#include "tables/Catalogue.h"

namespace exetables {

std::vector<ExeTableSpan> All(GameVersion version)
{
    std::vector<ExeTableSpan> spans;
    for (const catalogue::Table& table : catalogue::Tables()) {
        if (table.file == GameFile::Executable)
            spans.push_back({table.Name(), table.start.For(version), table.size});
    }
    return spans;
}

} // namespace exetables
