// The sample installs every other test stands on: sizes, layout, values at the documented
// offsets of each build, and the pattern left in every byte the editor does not touch.
#include "sample/SampleInstall.h"
#include "support/InstallFixture.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <array>

#include <gtest/gtest.h>

namespace {

std::uint8_t At(const QByteArray& bytes, qsizetype offset)
{
    return static_cast<std::uint8_t>(bytes.at(offset));
}

TEST(SamplePattern, NeighboursDifferAndHighBytesOccur)
{
    int high = 0;
    for (qsizetype i = 0; i < 495616; ++i) {
        ASSERT_NE(sample::PatternByte(i), sample::PatternByte(i + 1)) << i;
        high += sample::PatternByte(i) >= 0x80 ? 1 : 0;
    }
    EXPECT_GT(high, 495616 / 3);
}

struct ExeValue {
    const char* what;
    std::array<qsizetype, 3> offsets;  // Collector's Edition, DOS 1.2, DOS 1.4
    int value;                         // -1: the pattern byte of that offset
};

const ExeValue ExeValues[] = {
    {"Sectoid Soldier flying", {480420, 398008, 380004}, 0},
    {"Sectoid Soldier time units", {480421, 398009, 380005}, 54},
    {"Sectoid Soldier bravery code", {480447, 398035, 380031}, 3},
    {"Sectoid Soldier position 8", {480428, 398016, 380012}, -1},
    {"Sectoid Soldier position 28", {480448, 398036, 380032}, -1},
    {"Hover Tank time units", {481396, 398984, 380980}, 100},
    {"Hover Tank flying", {481395, 398983, 380979}, 1},
    {"base cell 0 facility", {455134, 391894, 373886}, 255},
    {"base cell 0 days", {455170, 391930, 373922}, 255},
    {"base cell 14 (access lift) facility", {455148, 391908, 373900}, 0},
    {"base cell 14 days", {455184, 391944, 373936}, 0},
    {"base cell 3 (hangar top right)", {455137, 391897, 373889}, 17},
    {"base cell 35 (hangar bottom right)", {455169, 391929, 373921}, 19},
    {"engineers", {455206, 391966, 373958}, 10},
    {"scientists", {455207, 391967, 373959}, 10},
    {"pistols low byte", {455238, 391998, 373990}, 2},
    {"pistols high byte", {455239, 391999, 373991}, 0},
    {"stingray missiles", {455220, 391980, 373972}, 25},
    {"unlisted amount field 43", {455294, 392054, 374046}, -1},
    {"HWP fusion bombs (field 95), high byte", {455399, 392159, 374151}, 0},
    {"past the stores block", {455400, 392160, 374152}, -1},
    {"hangar cost low byte", {460610, 374498, 356490}, 200},
    {"hangar cost high byte", {460611, 374499, 356491}, 0},
    {"hangar standard flag", {460620, 374508, 356500}, 4},
    {"laser defense standard flag", {460508, 374396, 356388}, 14},
    {"missile defense strength low byte", {460456, 374344, 356336}, 500 & 0xFF},
    {"missile defense strength high byte", {460457, 374345, 356337}, 500 >> 8},
    {"access lift record position 4", {460358, 374246, 356238}, -1},
    {"last name 0, first letter", {452328, 389104, 371096}, 'B'},
    {"last name 119, twelfth byte", {453767, 390543, 372535}, 0},
    {"first name 0, first letter", {453768, 390544, 372536}, 'A'},
    {"first name 119, eleventh byte", {455087, 391863, 373855}, 0},
    {"just past the first names", {455088, 391864, 373856}, -1},
};

struct SampleBuild {
    GameVersion version;
    qint64 size;
    int column;
    const char* exe;  // relative to the install folder
};

void PrintTo(const SampleBuild& build, std::ostream* os)
{
    *os << gameversion::ShortName(build.version).toStdString();
}

class SampleEachBuild : public testing::TestWithParam<SampleBuild> {};

TEST_P(SampleEachBuild, ExecutableHoldsPlausibleValuesAtTheDocumentedOffsets)
{
    const SampleBuild build = GetParam();
    const QByteArray exe = sample::Executable(build.version);
    ASSERT_EQ(exe.size(), build.size);
    EXPECT_EQ(sample::Executable(build.version), exe);
    for (const ExeValue& value : ExeValues) {
        const qsizetype offset = value.offsets[std::size_t(build.column)];
        const int expected = value.value < 0 ? sample::PatternByte(offset) : value.value;
        EXPECT_EQ(At(exe, offset), expected) << value.what << " at " << offset;
    }
    const std::array<qsizetype, 3> firstNames = {453768, 390544, 372536};
    const std::array<qsizetype, 3> lastNames = {452328, 389104, 371096};
    EXPECT_EQ(exe.mid(firstNames[std::size_t(build.column)], 11), QByteArrayLiteral("Aaron\0\0\0\0\0\0"));
    EXPECT_EQ(exe.mid(lastNames[std::size_t(build.column)], 12), QByteArrayLiteral("Becker\0\0\0\0\0\0"));
}

TEST_P(SampleEachBuild, InstallPutsTheExecutableWhereItsBuildKeepsIt)
{
    const SampleBuild build = GetParam();
    for (const bool upper : {false, true}) {
        const InstallFixture install(build.version, {.upperCaseNames = upper});
        ASSERT_TRUE(install.IsValid());
        const QString exe = upper ? QString::fromLatin1(build.exe).toUpper() : QString::fromLatin1(build.exe);
        const QString geodata = upper ? QStringLiteral("GEODATA/") : QStringLiteral("geodata/");
        const QString dat = upper ? QStringLiteral(".DAT") : QStringLiteral(".dat");
        const auto name = [&](const char* base) { return geodata + QString::fromLatin1(base) + dat; };
        const QStringList expected = {name(upper ? "ENGLISH" : "english"), name(upper ? "ENGLISH2" : "english2"),
                                      name(upper ? "OBDATA" : "obdata"), exe};

        const testfiles::Snapshot files = testfiles::Take(install.Paths().dataRoot);
        QStringList found;
        for (const auto& [path, bytes] : files)
            found.append(path);
        EXPECT_EQ(found, expected);
        EXPECT_EQ(files.at(exe).size(), build.size);
        EXPECT_EQ(QDir(install.Paths().dataRoot).filePath(exe), install.Paths().exePath);
    }
}

INSTANTIATE_TEST_SUITE_P(Builds, SampleEachBuild,
                         testing::Values(SampleBuild{GameVersion::CollectorsEdition, 495616, 0, "ufo.exe"},
                                         SampleBuild{GameVersion::Dos12, 415271, 1, "ufo/ufo.exe"},
                                         SampleBuild{GameVersion::Dos14, 382957, 2, "ufo/ufo.exe"}));

TEST(SampleItems, EightyNamedRecordsOverThePattern)
{
    const QByteArray items = sample::ItemFile();
    ASSERT_EQ(items.size(), 4320);
    EXPECT_EQ(items.left(20), QByteArrayLiteral("PISTOL\0\0\0\0\0\0\0\0\0\0\0\0\0\0"));
    EXPECT_EQ(items.mid(4266, 20), QByteArrayLiteral("civilian F\0\0\0\0\0\0\0\0\0\0"));
    EXPECT_EQ(At(items, 22), 0);           // pistol damage: the clip carries it
    EXPECT_EQ(At(items, 54 + 22), 26);     // pistol clip damage
    EXPECT_EQ(At(items, 26), 1);           // pistol takes record 1
    EXPECT_EQ(At(items, 27), 255);
    EXPECT_EQ(At(items, 31), 255);
    EXPECT_EQ(At(items, 2 * 54 + 34), 110);  // rifle aimed accuracy
    for (const qsizetype unused : {20, 21, 23, 24, 25, 29, 30, 38, 53, 4266 + 53})
        EXPECT_EQ(At(items, unused), sample::PatternByte(unused)) << unused;
}

TEST(SampleStrings, ZeroTerminatedEntriesOfOurOwnWithTheAwkwardCases)
{
    const QByteArray english = sample::EnglishFile();
    const QByteArray english2 = sample::English2File();
    for (const QByteArray& table : {english, english2}) {
        EXPECT_GE(table.count('\0'), 200);
        EXPECT_TRUE(table.contains(QByteArrayLiteral("\0\0"))) << "an empty entry";
        const auto high = [](char c) { return static_cast<unsigned char>(c) >= 0x80; };
        EXPECT_TRUE(std::any_of(table.begin(), table.end(), high)) << "a byte of 0x80 or more";
    }
    EXPECT_TRUE(english.endsWith('\0'));
    EXPECT_TRUE(english.contains(QByteArrayLiteral("caf\xE9")));
    EXPECT_FALSE(english2.endsWith('\0'));
    EXPECT_EQ(english2.size() - english2.lastIndexOf('\0') - 1, 3) << "bytes after the last entry";
}

// Every language numbers its entries as English does, and uses its own letters.
TEST(SampleStrings, GermanAndFrenchPairsLineUpWithTheEnglish)
{
    const struct {
        QByteArray first;
        QByteArray second;
        const char* letters;  // Windows-1252
    } languages[] = {
        {sample::GermanFile(), sample::German2File(), "\xE4\xF6\xFC\xDF"},
        {sample::FrenchFile(), sample::French2File(), "\xE9\xE8\xE0\xE7\x9C"},
    };
    for (const auto& language : languages) {
        EXPECT_EQ(language.first.count('\0'), sample::EnglishFile().count('\0'));
        EXPECT_EQ(language.second.count('\0'), sample::English2File().count('\0'));
        EXPECT_TRUE(language.second.endsWith(QByteArrayLiteral("\0\x1A\xC4\x45")));
        for (const char* letter = language.letters; *letter; ++letter)
            EXPECT_TRUE(language.first.contains(*letter)) << int(static_cast<unsigned char>(*letter));
    }
}

} // namespace
