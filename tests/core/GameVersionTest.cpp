// Build recognition by exact executable size.
#include "core/GameVersion.h"

#include <gtest/gtest.h>

TEST(GameVersion, RecognisesOnlyTheExactSizes)
{
    EXPECT_EQ(gameversion::FromExeSize(495616), GameVersion::CollectorsEdition);
    EXPECT_EQ(gameversion::FromExeSize(415271), GameVersion::Dos12);
    EXPECT_EQ(gameversion::FromExeSize(382957), GameVersion::Dos14);
    for (qint64 size : {495615, 495617, 415270, 415272, 382956, 382958, 0})
        EXPECT_FALSE(gameversion::FromExeSize(size).has_value()) << size;
}
