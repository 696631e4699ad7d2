// The stores list's table against the documented offsets of every build.
#include "tables/Catalogue.h"
#include "tables/Stores.h"

#include <gtest/gtest.h>

namespace {

struct DocumentedOffsets {
    GameVersion version;
    // Low-byte offsets of lines 0, 1, 2, 44, 45, 57, 58, 68, 69, 70, 71 and 83.
    std::array<qsizetype, 12> offsets;
};

void PrintTo(const DocumentedOffsets& build, std::ostream* os)
{
    *os << gameversion::ShortName(build.version).toStdString();
}

constexpr std::array<int, 12> SampledLines = {0, 1, 2, 44, 45, 57, 58, 68, 69, 70, 71, 83};

class StoresTableOfEachBuild : public testing::TestWithParam<DocumentedOffsets> {};

TEST_P(StoresTableOfEachBuild, OffsetsAreTheDocumentedOnes)
{
    const DocumentedOffsets build = GetParam();
    const QByteArray exe(495616, '\0');
    for (std::size_t i = 0; i < SampledLines.size(); ++i) {
        const std::optional<catalogue::Slot> slot =
            catalogue::Locate(stores::Layout, SampledLines[i], stores::AmountField, build.version, exe);
        ASSERT_TRUE(slot) << "line " << SampledLines[i];
        EXPECT_EQ(slot->offset, build.offsets[i]) << "line " << SampledLines[i];
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllBuilds, StoresTableOfEachBuild,
    testing::Values(
        DocumentedOffsets{GameVersion::CollectorsEdition,
                          {455206, 455207, 455208, 455292, 455306, 455330, 455338, 455358, 455368, 455370, 455374,
                           455398}},
        DocumentedOffsets{GameVersion::Dos12,
                          {391966, 391967, 391968, 392052, 392066, 392090, 392098, 392118, 392128, 392130, 392134,
                           392158}},
        DocumentedOffsets{GameVersion::Dos14,
                          {373958, 373959, 373960, 374044, 374058, 374082, 374090, 374110, 374120, 374122, 374126,
                           374150}}),
    [](const auto& info) { return gameversion::ShortName(info.param.version).toStdString(); });

TEST(StoresTable, LabelsKeepTheGamesSpelling)
{
    EXPECT_TRUE(stores::StartingStoresTable[10].label == u"Cannon Rounds(x50) - ");
    EXPECT_TRUE(stores::StartingStoresTable[51].label == u"Blaseter Launchers - ");
    EXPECT_TRUE(stores::StartingStoresTable[52].label == u"Blaseter Bombs - ");
}

} // namespace
