// Contract checks over all executable tables: each starts where the game keeps it, lies
// inside the executable of its build, and no two overlap.
#include "tables/BaseGrid.h"
#include "tables/ExeTables.h"
#include "tables/Facilities.h"
#include "tables/SoldierNames.h"
#include "tables/Stores.h"
#include "tables/Units.h"

#include <gtest/gtest.h>

namespace {

struct ContractBuild {
    GameVersion version;
    qsizetype exeSize;
    // Documented starts: base grid, stores block, facilities, units, last names, first names.
    std::array<qsizetype, 6> starts;
};

void PrintTo(const ContractBuild& build, std::ostream* os)
{
    *os << gameversion::ShortName(build.version).toStdString();
}

class ExeTablesOfEachBuild : public testing::TestWithParam<ContractBuild> {};

TEST_P(ExeTablesOfEachBuild, StartWhereDocumented)
{
    const ContractBuild build = GetParam();
    const GameVersion v = build.version;
    const std::array<qsizetype, 6> starts = {basegrid::Start.For(v),       stores::BlockStart.For(v),
                                             facilities::Start.For(v),     units::Start.For(v),
                                             soldiernames::LastNameStart.For(v), soldiernames::FirstNameStart.For(v)};
    EXPECT_EQ(starts, build.starts);
}

TEST_P(ExeTablesOfEachBuild, LieInsideTheExecutableWithoutOverlapping)
{
    const ContractBuild build = GetParam();
    const std::vector<ExeTableSpan> spans = exetables::All(build.version);
    ASSERT_EQ(spans.size(), 6u);
    for (const ExeTableSpan& span : spans) {
        EXPECT_GT(span.size, 0) << span.name.toStdString();
        EXPECT_GE(span.start, 0) << span.name.toStdString();
        EXPECT_LE(span.start + span.size, build.exeSize) << span.name.toStdString();
    }
    for (std::size_t a = 0; a < spans.size(); ++a) {
        for (std::size_t b = a + 1; b < spans.size(); ++b) {
            const bool apart = spans[a].start + spans[a].size <= spans[b].start
                               || spans[b].start + spans[b].size <= spans[a].start;
            EXPECT_TRUE(apart) << spans[a].name.toStdString() << " overlaps " << spans[b].name.toStdString();
        }
    }
}

TEST_P(ExeTablesOfEachBuild, LastNamesEndWhereFirstNamesBegin)
{
    const GameVersion v = GetParam().version;
    EXPECT_EQ(soldiernames::LastNameStart.For(v) + soldiernames::SlotCount * soldiernames::LastNameSlotSize,
              soldiernames::FirstNameStart.For(v));
}

INSTANTIATE_TEST_SUITE_P(
    Builds, ExeTablesOfEachBuild,
    testing::Values(ContractBuild{GameVersion::CollectorsEdition, 495616,
                                  {455134, 455206, 460354, 480147, 452328, 453768}},
                    ContractBuild{GameVersion::Dos12, 415271, {391894, 391966, 374242, 397735, 389104, 390544}},
                    ContractBuild{GameVersion::Dos14, 382957, {373886, 373958, 356234, 379731, 371096, 372536}}));

} // namespace
