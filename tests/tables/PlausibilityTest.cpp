// Whether a file of the right size looks like the game's: every real-like install passes,
// odd values included, and so does every install the editor's edits can make; random
// bytes, zeros and text fail, each saying where.
#include "core/ByteAccess.h"
#include "core/CodePage.h"
#include "core/GameLoader.h"
#include "core/ValuePrompt.h"
#include "sample/SampleInstall.h"
#include "support/InstallFixture.h"
#include "support/LoadRun.h"
#include "support/ScriptedAsker.h"
#include "support/TestFiles.h"
#include "tables/Catalogue.h"
#include "tables/Plausibility.h"

#include <QRandomGenerator>


#include <gtest/gtest.h>

namespace {

struct Build {
    GameVersion version;
    qsizetype exeSize;
    qsizetype lastNames;   // where each table starts in this build
    qsizetype firstNames;
    qsizetype baseGrid;
    qsizetype facilities;
};

void PrintTo(const Build& build, std::ostream* os)
{
    *os << gameversion::ShortName(build.version).toStdString();
}

const Build Builds[] = {
    {GameVersion::CollectorsEdition, 495616, 452328, 453768, 455134, 460354},
    {GameVersion::Dos12, 415271, 389104, 390544, 391894, 374242},
    {GameVersion::Dos14, 382957, 371096, 372536, 373886, 356234},
};

QByteArray RandomBytes(qsizetype size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = static_cast<char>(random.bounded(256));
    return bytes;
}

class PlausibleInstall : public testing::TestWithParam<Build> {
protected:
    [[nodiscard]] QStringList ExeReasons(const QByteArray& exe) const
    {
        return plausibility::Reasons(GameFile::Executable, GetParam().version, exe);
    }
    [[nodiscard]] QStringList ItemReasons(const QByteArray& items) const
    {
        return plausibility::Reasons(GameFile::Items, GetParam().version, items);
    }

    QByteArray m_exe = sample::Executable(GetParam().version);
    QByteArray m_items = sample::ItemFile();
};

// Values a real install may hold though the editor never offers them, and the bytes it
// never writes, all at once.
TEST_P(PlausibleInstall, PassesAsGeneratedAndWithOddButPossibleValues)
{
    const Build& build = GetParam();
    EXPECT_EQ(ExeReasons(m_exe), QStringList());
    EXPECT_EQ(ItemReasons(m_items), QStringList());

    bytes::WriteU8(m_exe, build.facilities + 10, 6);           // a standard flag neither Yes nor No
    bytes::WriteU8(m_exe, build.baseGrid, 20);                 // a facility code past the choice list
    bytes::WriteU8(m_exe, build.lastNames + 11, 'Q');          // the twelfth byte of a last-name slot
    bytes::WriteFieldPadded(m_exe, build.firstNames, 11, "Abcdefghijk");  // a name filling its slot
    bytes::WriteFieldPadded(m_exe, build.firstNames + 33, 11, {});       // an empty name
    // A rename writes a character the code page cannot hold as a zero byte.
    bytes::WriteFieldPadded(m_exe, build.firstNames + 44, 11, QByteArray("A\0B", 3));
    bytes::WriteFieldPadded(m_exe, build.lastNames + 12, 11, QByteArray("\0\0Smith", 7));
    bytes::WriteU8(m_exe, 0, 'Z');                             // the older DOS signature "ZM"
    bytes::WriteU8(m_exe, 1, 'M');
    bytes::WriteU8(m_items, 31, 7);                            // damage type without an option
    bytes::WriteU8(m_items, 54 + 26, 100);                     // an ammo reference past the items
    bytes::WriteU8(m_items, 54 + 15, 'x');                     // a byte after the end of a name
    bytes::WriteFieldPadded(m_items, 2 * 54, 20, {});          // an empty item name
    EXPECT_EQ(ExeReasons(m_exe), QStringList());
    EXPECT_EQ(ItemReasons(m_items), QStringList());
}

const QString NotAProgram = QStringLiteral("ufo.exe does not begin with \"MZ\" as every DOS and Windows program does.");

TEST_P(PlausibleInstall, RandomBytesZerosAndTextFail)
{
    const Build& build = GetParam();
    const auto at = [](const char* what, qsizetype offset, const char* verdict) {
        return QStringLiteral("The %1 at byte %2 %3.").arg(QLatin1String(what)).arg(offset).arg(QLatin1String(verdict));
    };
    QByteArray text;
    while (text.size() < build.exeSize)
        text += "Every soldier has a first and a last name.\r\n";
    EXPECT_EQ(ExeReasons(text.first(build.exeSize)), QStringList{NotAProgram});
    EXPECT_EQ(ExeReasons(QByteArray(build.exeSize, 'A')), QStringList{NotAProgram});
    EXPECT_EQ(ExeReasons(RandomBytes(build.exeSize, 18)), QStringList{NotAProgram});
    EXPECT_EQ(ExeReasons(QByteArray(build.exeSize, '\0')),
              QStringList({NotAProgram, at("soldier last names", build.lastNames, "are all empty"),
                           at("soldier first names", build.firstNames, "are all empty")}));
    EXPECT_EQ(ItemReasons(RandomBytes(4320, 18)),
              QStringList({at("ammo references of obdata.dat", 26, "mostly name no item")}));
    EXPECT_EQ(ItemReasons(QByteArray(4320, '\0')),
              QStringList({at("item names of obdata.dat", 0, "are all empty")}));
}

// What one edit through a prompt, an option or a list can write into a slot: names are
// whatever the rename accepts, bytes up to the field's limit. Every other kind gets any
// bytes at all, more than the editor writes.
QByteArray EditorValue(const catalogue::Slot& slot, QRandomGenerator& random)
{
    QByteArray value(slot.width, Qt::Uninitialized);
    if (slot.field->kind == catalogue::Kind::Name) {
        QString name;
        const int length = random.bounded(int(slot.field->rename->writtenWidth) + 1);
        for (int i = 0; i < length; ++i)
            name.append(codepage::ToChar(std::uint8_t(1 + random.bounded(255))));
        return prompt::AcceptName(name, *slot.field->rename).value_or(QByteArray());
    }
    const int limit = slot.field->kind == catalogue::Kind::Byte ? slot.field->prompt.limit : 255;
    for (char& byte : value)
        byte = static_cast<char>(random.bounded(limit + 1));
    return value;
}

TEST_P(PlausibleInstall, NoSequenceOfEditsMakesItFail)
{
    std::vector<std::pair<catalogue::Slot, QByteArray*>> editable;
    for (const catalogue::Table& table : catalogue::Tables()) {
        QByteArray* file = table.file == GameFile::Executable ? &m_exe : table.file == GameFile::Items ? &m_items
                                                                                                        : nullptr;
        if (!file)
            continue;
        for (const catalogue::Slot& slot : catalogue::Slots(table, GetParam().version, *file))
            editable.emplace_back(slot, file);
    }
    ASSERT_GT(editable.size(), 1000u);

    QRandomGenerator random(7);
    for (int edit = 0; edit < 20000; ++edit) {
        const auto& [slot, file] = editable[std::size_t(random.bounded(int(editable.size())))];
        const QByteArray value = EditorValue(slot, random);
        ASSERT_EQ(value.size(), slot.width);
        bytes::WriteFieldPadded(*file, slot.offset, slot.width, value);
        if (edit % 500 == 0 || edit == 19999) {
            ASSERT_EQ(ExeReasons(m_exe), QStringList()) << "after edit " << edit;
            ASSERT_EQ(ItemReasons(m_items), QStringList()) << "after edit " << edit;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Builds, PlausibleInstall, testing::ValuesIn(Builds),
                         [](const testing::TestParamInfo<Build>& info) {
                             return gameversion::ShortName(info.param.version).toStdString();
                         });

// The load asks once, with the reasons for the executable and for the data files it is
// about to read; Yes loads them as they are. (No is a row of the load failures.)
TEST(UnexpectedContents, AsksOnceWithEveryReasonAndYesLoads)
{
    const InstallFixture install(GameVersion::Dos12);
    ASSERT_TRUE(install.IsValid());
    const QByteArray zeros(415271, '\0');
    ASSERT_TRUE(testfiles::Overwrite(install.Paths().exePath, zeros));
    ASSERT_TRUE(testfiles::Overwrite(install.Paths().items, QByteArray(4320, '\0')));
    ScriptedAsker asker;
    asker.AnswerWarningYesNo(true);
    GameFileSet files;

    const LoadRun run(files, install.Paths().exePath,
                      [&asker](const QStringList& reasons) { return loading::AskLoadAnyway(asker, reasons); });

    EXPECT_EQ(run.Outcome(), LoadOutcome::Complete);
    EXPECT_EQ(files.ExeImage.working, zeros);
    ASSERT_EQ(asker.ShownDialogs().size(), 1u);
    EXPECT_EQ(asker.ShownDialogs()[0].title, QStringLiteral("Unexpected File Contents"));
    EXPECT_EQ(asker.ShownDialogs()[0].text,
              QStringLiteral("The chosen files do not look like this game's:\n\n"
                             "ufo.exe does not begin with \"MZ\" as every DOS and Windows program does.\n"
                             "The soldier last names at byte 389104 are all empty.\n"
                             "The soldier first names at byte 390544 are all empty.\n"
                             "The item names of obdata.dat at byte 0 are all empty.\n\nLoad anyway?"));
}

} // namespace
