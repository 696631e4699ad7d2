// Every way a load can stop, over a set already loaded from another install: the texts
// shown, and which parts of the set were replaced and which stayed.
#include "core/GameLoader.h"
#include "support/InstallFixture.h"
#include "support/LoadRun.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>

#include <functional>
#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

const QString Exe = QStringLiteral("UFO.EXE...  ");
const QString Done = QStringLiteral("DONE!    ");
const QString Items = QStringLiteral("OBDATA.DAT...  ");
const QString English = QStringLiteral("ENGLISH.DAT...  ");
const QString English2 = QStringLiteral("ENGLISH2.DAT...  ");

// How far a load got: the executable and data files up to this point are the new install's.
enum class Reached { Nothing, Executable, Items, English };

struct FailureCase {
    const char* name;
    std::function<bool(const SamplePaths&)> damage;
    // The path given in place of the dialog's answer; nullopt cancels.
    std::function<std::optional<QString>(const SamplePaths&)> choose;
    QString lblLoad;
    QString lblComp;
    LoadOutcome outcome;
    Reached reached;
};

void PrintTo(const FailureCase& failure, std::ostream* os)
{
    *os << failure.name;
}

bool Untouched(const SamplePaths&)
{
    return true;
}

std::optional<QString> TheExecutable(const SamplePaths& paths)
{
    return paths.exePath;
}

bool MakeFifo(const QString& path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

bool Resize(const QString& path, qint64 delta)
{
    return testfiles::Truncate(path, QFileInfo(path).size() + delta);
}

// The previous install is a DOS 1.4 one with data files of its own, so every buffer
// tells which install it came from.
class LoadFailure : public testing::TestWithParam<FailureCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_install.IsValid());
        m_old = m_install.AddInstall(QStringLiteral("old"), GameVersion::Dos14);
        ASSERT_TRUE(m_old);
        ASSERT_TRUE(testfiles::Overwrite(m_old->english, QByteArrayLiteral("old english\0")));
        ASSERT_TRUE(testfiles::Overwrite(m_old->english2, QByteArrayLiteral("old english2\0")));
        ASSERT_TRUE(testfiles::Overwrite(m_old->items, QByteArray(4320, '\x77')));
        // Marker bytes are no item table of the game's, so they are loaded anyway.
        const LoadRun previous(m_files, m_old->exePath, [](const QStringList&) { return true; });
        ASSERT_EQ(previous.Outcome(), LoadOutcome::Complete);
    }

    // A data file the new load did not reach is dropped, never kept from the old install.
    void ExpectBuffer(const GameBuffer& buffer, bool fromNew, const QString& newPath, const QString& oldPath,
                      const char* what, bool exeNew = false) const
    {
        if (exeNew && !fromNew) {
            EXPECT_FALSE(buffer.IsLoaded()) << what;
            EXPECT_TRUE(buffer.working.isEmpty() && buffer.pristine.isEmpty()) << what;
            return;
        }
        const QString path = fromNew ? newPath : oldPath;
        EXPECT_EQ(buffer.sourcePath, path) << what;
        EXPECT_EQ(buffer.working, testfiles::Read(path).value_or(QByteArray())) << what;
        EXPECT_EQ(buffer.pristine, buffer.working) << what;
    }

    InstallFixture m_install{GameVersion::CollectorsEdition};
    std::optional<SamplePaths> m_old;
    GameFileSet m_files;
};

TEST_P(LoadFailure, ShowsItsTextsAndReplacesOnlyWhatItReached)
{
    const FailureCase& failure = GetParam();
    const SamplePaths& fresh = m_install.Paths();
    ASSERT_TRUE(failure.damage(fresh));

    const LoadRun run(m_files, failure.choose(fresh));

    EXPECT_EQ(run.Outcome(), failure.outcome);
    EXPECT_EQ(run.Reporter().LoadText(), failure.lblLoad);
    EXPECT_EQ(run.Reporter().CompText(), failure.lblComp);
    EXPECT_TRUE(run.Reporter().Finished());

    const bool exeNew = failure.reached != Reached::Nothing;
    EXPECT_EQ(m_files.Version, exeNew ? GameVersion::CollectorsEdition : GameVersion::Dos14);
    EXPECT_EQ(m_files.ExePath, exeNew ? fresh.exePath : m_old->exePath);
    EXPECT_EQ(m_files.DataRoot, exeNew ? fresh.dataRoot : m_old->dataRoot);
    ExpectBuffer(m_files.ExeImage, exeNew, fresh.exePath, m_old->exePath, "executable");
    ExpectBuffer(m_files.ItemTable, failure.reached >= Reached::Items, fresh.items, m_old->items, "obdata", exeNew);
    ExpectBuffer(m_files.EnglishTable, failure.reached >= Reached::English, fresh.english, m_old->english,
                 "english", exeNew);
    ExpectBuffer(m_files.English2Table, false, fresh.english2, m_old->english2, "english2", exeNew);

}

const QString NotTheVersion =
    QStringLiteral("Not correct executable file version, currently this only works for Collector's Edition of X-Com.");

const FailureCase FailureCases[] = {
    {"CancelledDialog", Untouched, [](const SamplePaths&) { return std::optional<QString>(); }, Exe, QString(),
     LoadOutcome::Failed, Reached::Nothing},
    {"FolderChosenAsExecutable", Untouched, [](const SamplePaths& p) { return std::optional(p.geodata); }, Exe,
     QStringLiteral("The file geodata could not be read: it is a folder."), LoadOutcome::Failed, Reached::Nothing},
    {"ExecutableMissing", [](const SamplePaths& p) { return testfiles::Remove(p.exePath); }, TheExecutable, Exe,
     QStringLiteral("Unable to load ufo.exe"), LoadOutcome::ExeMissing, Reached::Nothing},
    {"ExecutableEmpty", [](const SamplePaths& p) { return testfiles::Truncate(p.exePath, 0); }, TheExecutable, Exe,
     QStringLiteral("Unable to load ufo.exe"), LoadOutcome::ExeMissing, Reached::Nothing},
    {"ExecutableOneByteLonger", [](const SamplePaths& p) { return Resize(p.exePath, 1); }, TheExecutable, Exe,
     NotTheVersion, LoadOutcome::ExeWrongSize, Reached::Nothing},
    {"ExecutableOneByteShorter", [](const SamplePaths& p) { return Resize(p.exePath, -1); }, TheExecutable, Exe,
     NotTheVersion, LoadOutcome::ExeWrongSize, Reached::Nothing},
    // Files of the right size that do not look like the game's, and no one to say load
    // them anyway: the load ends before it replaces anything, as a cancelled dialog does.
    {"ExecutableOfZeros", [](const SamplePaths& p) { return testfiles::Overwrite(p.exePath, QByteArray(495616, 0)); },
     TheExecutable, Exe, QString(), LoadOutcome::Failed, Reached::Nothing},
    {"ItemsOfZeros", [](const SamplePaths& p) { return testfiles::Overwrite(p.items, QByteArray(4320, 0)); },
     TheExecutable, Exe, QString(), LoadOutcome::Failed, Reached::Nothing},
    {"ItemsMissing", [](const SamplePaths& p) { return testfiles::Remove(p.items); }, TheExecutable,
     Exe + Done + Items, QStringLiteral("Unable to load obdata.dat"), LoadOutcome::ItemsMissing, Reached::Executable},
    {"ItemsEmpty", [](const SamplePaths& p) { return testfiles::Truncate(p.items, 0); }, TheExecutable,
     Exe + Done + Items, QStringLiteral("Unable to load obdata.dat"), LoadOutcome::ItemsMissing, Reached::Executable},
    {"ItemsOneByteShorter", [](const SamplePaths& p) { return Resize(p.items, -1); }, TheExecutable,
     Exe + Done + Items, QStringLiteral("The file obdata.dat is not the right size"), LoadOutcome::ItemsWrongSize,
     Reached::Executable},
    {"ItemsOneByteLonger", [](const SamplePaths& p) { return Resize(p.items, 1); }, TheExecutable,
     Exe + Done + Items, QStringLiteral("The file obdata.dat is not the right size"), LoadOutcome::ItemsWrongSize,
     Reached::Executable},
    {"ItemsAFolder", [](const SamplePaths& p) { return testfiles::Remove(p.items) && QDir().mkdir(p.items); },
     TheExecutable, Exe + Done + Items, QStringLiteral("The file obdata.dat could not be read: it is a folder."),
     LoadOutcome::Failed, Reached::Executable},
    // Opening a FIFO would wait for a writer for ever: the test would hang.
    {"EnglishAFifo", [](const SamplePaths& p) { return testfiles::Remove(p.english) && MakeFifo(p.english); },
     TheExecutable, Exe + Done + Items + Done + English,
     QStringLiteral("The file english.dat could not be read: it is a named pipe (FIFO)."), LoadOutcome::Failed,
     Reached::Items},
    {"English2ADevice",
     [](const SamplePaths& p) {
         return testfiles::Remove(p.english2) && QFile::link(QStringLiteral("/dev/null"), p.english2);
     },
     TheExecutable, Exe + Done + Items + Done + English + Done + English2,
     QStringLiteral("The file english2.dat could not be read: it is a device."), LoadOutcome::Failed,
     Reached::English},
    // Sparse, so the test costs no disk; it must be refused before it is read.
    {"EnglishOneByteOverTheLimit", [](const SamplePaths& p) { return testfiles::Truncate(p.english, 16777217); },
     TheExecutable, Exe + Done + Items + Done + English,
     QStringLiteral("The file english.dat is too large to load: it is 16,777,217 bytes, and a string file can be "
                    "at most 16,777,216 bytes (16 MiB)."),
     LoadOutcome::Failed, Reached::Items},
    {"EnglishMissing", [](const SamplePaths& p) { return testfiles::Remove(p.english); }, TheExecutable,
     Exe + Done + Items + Done + English, QStringLiteral("Unable to load english.dat"), LoadOutcome::EnglishMissing,
     Reached::Items},
    {"English2Missing", [](const SamplePaths& p) { return testfiles::Remove(p.english2); }, TheExecutable,
     Exe + Done + Items + Done + English + Done + English2, QStringLiteral("Unable to load english2.dat"),
     LoadOutcome::English2Missing, Reached::English},
    {"English2Empty", [](const SamplePaths& p) { return testfiles::Truncate(p.english2, 0); }, TheExecutable,
     Exe + Done + Items + Done + English + Done + English2, QStringLiteral("Unable to load english2.dat"),
     LoadOutcome::English2Missing, Reached::English},
};

INSTANTIATE_TEST_SUITE_P(Rows, LoadFailure, testing::ValuesIn(FailureCases),
                         [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST(LoadFailureOnAFreshSet, ARejectedExecutableLeavesNothingLoaded)
{
    const InstallFixture install;
    ASSERT_TRUE(install.IsValid());
    ASSERT_TRUE(Resize(install.Paths().exePath, 1));
    GameFileSet files;
    const LoadRun run(files, install.Paths().exePath);
    EXPECT_EQ(files.Version, GameVersion::None);
    EXPECT_TRUE(files.ExePath.isEmpty());
    EXPECT_FALSE(files.ExeImage.IsLoaded());
    EXPECT_TRUE(files.ExeImage.working.isEmpty());
}

} // namespace
