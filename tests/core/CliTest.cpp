// kestrel-cli as a script sees it: exit statuses, what goes to stdout and stderr, the
// backups, and every file left byte for byte when anything is refused.
#include "support/HostileFiles.h"
#include "support/InstallFixture.h"
#include "support/LoadRun.h"
#include "support/TestFiles.h"

#include "core/GameSaver.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct CliRun {
    int status;
    QString out;
    QString err;
};

CliRun Cli(const QStringList& arguments, const QByteArray& input = {})
{
    QProcess process;
    process.start(QStringLiteral(KESTREL_CLI), arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

const QByteArray Mod = R"({"format": "x-com-kestrel-changes", "version": 1, "changes": [
  {"table": "units", "record": "Sectoid Soldier", "field": "Time Units", "was": 54, "value": 80},
  {"table": "stores", "record": "Pistols", "field": "Amount", "value": 300},
  {"table": "english.dat", "record": 12, "field": "Text", "value": "Laser Rifle"},
  {"table": "german.dat", "record": 12, "field": "Text", "value": "Ein Lasergewehr, länger als zuvor"}
]})";

class CliTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(install.IsValid());
        modPath = QDir(install.Root()).filePath(u"mod.json"_s);
        ASSERT_TRUE(testfiles::Overwrite(modPath, Mod));
    }
    QString Exe() const { return install.Paths().exePath; }

    InstallFixture install{GameVersion::CollectorsEdition, {.german = true}};
    QString modPath;
};

TEST_F(CliTest, UsageAndVersion)
{
    EXPECT_EQ(Cli({u"--version"_s}).status, 0);
    EXPECT_TRUE(Cli({u"--version"_s}).out.startsWith(u"kestrel-cli "_s));
    EXPECT_TRUE(Cli({u"--help"_s}).out.contains(u"kestrel-cli apply UFO_EXE CHANGES.json"_s));
    for (const QStringList& wrong : {QStringList{}, QStringList{u"frobnicate"_s, Exe()}, QStringList{u"apply"_s, Exe()},
                                     QStringList{u"info"_s, Exe(), u"--dry-run"_s}, QStringList{u"info"_s, Exe(), u"--force"_s},
                                     QStringList{u"schema"_s, u"units"_s}, QStringList{u"help"_s, u"frobnicate"_s},
                                     QStringList{u"diff"_s, Exe()}, QStringList{u"export"_s, Exe(), u"--format"_s, u"xml"_s}}) {
        const CliRun run = Cli(wrong);
        EXPECT_EQ(run.status, 2) << wrong.join(u' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.contains(u"Usage:"_s));
    }
}

// The names a modder needs, without an install: the tables, one command's options, the schema.
TEST_F(CliTest, FieldsSchemaAndHelpPerCommand)
{
    const CliRun fields = Cli({u"fields"_s, u"units"_s});
    EXPECT_EQ(fields.status, 0);
    EXPECT_TRUE(fields.out.contains(u"\n  Strength: a number 0 to 255 (the form allows up to 100)\n"_s)) << fields.out.toStdString();
    EXPECT_FALSE(fields.out.contains(u"items"_s));
    EXPECT_EQ(Cli({u"fields"_s, u"unit"_s}).status, 1);
    EXPECT_TRUE(Cli({u"fields"_s, u"--format"_s, u"json"_s}).out.contains(u"\"formMaximum\": 28671"_s));
    for (const QStringList& help : {QStringList{u"help"_s, u"apply"_s}, QStringList{u"apply"_s, u"--help"_s}}) {
        const CliRun run = Cli(help);
        EXPECT_EQ(run.status, 0);
        EXPECT_TRUE(run.out.contains(u"--strict"_s) && run.out.contains(u"--load-anyway"_s)) << run.out.toStdString();
    }
    const CliRun schema = Cli({u"schema"_s});
    EXPECT_EQ(schema.status, 0);
    EXPECT_TRUE(schema.out.contains(u"\"https://json-schema.org/draft/2020-12/schema\""_s));
}

TEST_F(CliTest, ApplySavesWithBackupsAndDiffGivesTheModBack)
{
    const testfiles::Snapshot before = testfiles::Take(install.Root());
    const CliRun dry = Cli({u"apply"_s, Exe(), modPath, u"--dry-run"_s});
    EXPECT_EQ(dry.status, 0);
    EXPECT_TRUE(dry.out.contains(u"units / Sectoid Soldier / Time Units: 54 -> 80"_s)) << dry.out.toStdString();
    EXPECT_EQ(testfiles::Take(install.Root()), before);

    const CliRun applied = Cli({u"apply"_s, Exe(), modPath});
    EXPECT_EQ(applied.status, 0) << applied.err.toStdString();
    EXPECT_EQ(testfiles::Read(Exe() + u".bak"_s), before.at(QDir(install.Root()).relativeFilePath(Exe())));
    EXPECT_EQ(testfiles::Read(Exe()).value_or(QByteArray()).at(480421), char(80));

    const CliRun diff = Cli({u"diff"_s, Exe(), u"--against-backups"_s});
    EXPECT_EQ(diff.status, 0);
    EXPECT_EQ(Cli({u"diff"_s, Exe(), u"--against-backups"_s, u"--exit-code"_s}).status, 1);
    EXPECT_TRUE(diff.out.contains(
        uR"({"table":"units", "record":"Sectoid Soldier", "field":"Time Units", "was":54, "value":80})"_s))
        << diff.out.toStdString();
    // Applied again, the stale "was" does not matter: the value already stands.
    const testfiles::Snapshot afterApply = testfiles::Take(install.Root());
    const CliRun again = Cli({u"apply"_s, Exe(), u"-"_s}, Mod);
    EXPECT_EQ(again.status, 0) << again.err.toStdString();
    EXPECT_EQ(again.out, u"Already applied: 4 values already in place; nothing was written.\n"_s);
    EXPECT_EQ(testfiles::Take(install.Root()), afterApply);
}

TEST_F(CliTest, RefusalsWriteNothingAndSayWhy)
{
    ASSERT_TRUE(testfiles::Overwrite(modPath, QByteArray(Mod).replace("\"value\": 80", "\"value\": 800")));
    const testfiles::Snapshot before = testfiles::Take(install.Root());
    const CliRun refused = Cli({u"apply"_s, Exe(), modPath});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_TRUE(refused.err.contains(u"change 1 (units / Sectoid Soldier / Time Units): 800 is above 255, the most the field can hold"_s))
        << refused.err.toStdString();
    EXPECT_EQ(Cli({u"apply"_s, Exe(), u"/nonexistent/mod.json"_s}).status, 1);
    EXPECT_EQ(Cli({u"export"_s, Exe(), u"--table"_s, u"unit"_s}).status, 1);
    ASSERT_TRUE(testfiles::Truncate(install.Paths().items, 4000));
    EXPECT_EQ(Cli({u"apply"_s, Exe(), modPath}).status, 1);
    testfiles::Snapshot damaged = before;
    damaged[QDir(install.Root()).relativeFilePath(install.Paths().items)].truncate(4000);
    EXPECT_EQ(testfiles::Take(install.Root()), damaged);
}

// Several change sets in an order: the later wins, each shared field named on standard
// error; on the master backup a change set left out has its values taken out.
TEST_F(CliTest, ChangeSetsStackInTheOrderGivenAndOnTheMasterBackup)
{
    GameFileSet loaded;
    ASSERT_TRUE(LoadWithOneEdit(loaded, Exe()));
    ASSERT_FALSE(saving::WriteAll(saving::MasterBackupWrites(loaded)).has_value());
    const QByteArray master = testfiles::Read(Exe()).value_or(QByteArray());
    const std::pair<QString, QByteArray> mods[] = {
        {u"a.json"_s, R"({"table": "items", "record": 17, "field": "Damage", "value": 90},
                        {"table": "units", "record": "Sectoid Soldier", "field": "Time Units", "was": 54, "value": 80})"},
        {u"b.json"_s, R"({"table": "items", "record": "17", "field": "Damage", "value": 120})"},
        {u"c.json"_s, R"({"table": "units", "record": "Sectoid Soldier", "field": "Strength", "value": 40})"},
    };
    QStringList paths;
    for (const auto& [name, changes] : mods) {
        paths.append(QDir(install.Root()).filePath(name));
        ASSERT_TRUE(testfiles::Overwrite(paths.back(), R"({"format": "x-com-kestrel-changes", "version": 1, "changes": [)"
                                                           + changes + "]}"));
    }
    const CliRun stacked = Cli(QStringList{u"apply"_s, Exe()} + paths);
    EXPECT_EQ(stacked.status, 0) << stacked.err.toStdString();
    EXPECT_TRUE(stacked.err.startsWith(u"conflict: items / 17 "_s)) << stacked.err.toStdString();
    EXPECT_TRUE(stacked.err.endsWith(u" / Damage: a.json 90, b.json 120 -> b.json\n"_s)) << stacked.err.toStdString();
    EXPECT_EQ(testfiles::Read(Exe()).value_or(QByteArray()).at(480421), char(80));

    const CliRun conflicts = Cli({u"conflicts"_s, paths[0], paths[1], paths[2]});
    EXPECT_EQ(conflicts.status, 1);
    EXPECT_EQ(conflicts.out, u"conflict: items / 17 / Damage: a.json 90, b.json 120 -> b.json\n"_s);
    EXPECT_EQ(Cli({u"conflicts"_s, paths[0], paths[2]}).status, 0);

    const CliRun withoutA = Cli({u"apply"_s, Exe(), paths[1], paths[2], u"--from-master-backup"_s});
    EXPECT_EQ(withoutA.status, 0) << withoutA.err.toStdString();
    EXPECT_TRUE(withoutA.out.contains(u"units / Sectoid Soldier / Time Units: 80 -> 54"_s)) << withoutA.out.toStdString();
    const CliRun restored = Cli({u"apply"_s, Exe(), u"--from-master-backup"_s});
    EXPECT_EQ(restored.status, 0) << restored.err.toStdString();
    EXPECT_EQ(testfiles::Read(Exe()), master);

    // One refusal among them writes nothing.
    ASSERT_TRUE(testfiles::Overwrite(paths[2], QByteArray(R"({"format": "x-com-kestrel-changes", "version": 1, "changes": [
        {"table": "units", "record": "Sectoid Soldier", "field": "Bravery", "value": 120}]})")));
    const testfiles::Snapshot before = testfiles::Take(install.Root());
    const CliRun refused = Cli(QStringList{u"apply"_s, Exe()} + paths);
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains(u"c.json: change 1 (units / Sectoid Soldier / Bravery)"_s)) << refused.err.toStdString();
    EXPECT_EQ(testfiles::Take(install.Root()), before);
}

// A device, a pipe, a folder or a huge file in place of the change set: refused at once by
// what it is, never read, and nothing written; a huge name is quoted cut.
TEST_F(CliTest, HostileChangeSetsAreRefusedUnread)
{
    const HostileFiles hostile(
        u"mod.json"_s,
        R"({"format": "x-com-kestrel-changes", "version": 1, "changes": [{"table": ")" + HugeName().toUtf8()
            + R"(", "record": 1, "field": "Text", "value": "x"}]})",
        u"change 1: no table \""_s + HugeNameQuoted() + u"\""_s);
    ASSERT_TRUE(hostile.IsValid());
    const testfiles::Snapshot before = testfiles::Take(install.Root());
    for (const HostileFile& file : hostile.Cases()) {
        SCOPED_TRACE(file.what);
        const CliRun run = Cli({u"apply"_s, Exe(), file.path});
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.contains(file.message)) << run.err.toStdString();
        EXPECT_LT(run.err.size(), 400);
    }
    EXPECT_EQ(testfiles::Take(install.Root()), before);
}

TEST_F(CliTest, ExportedTablesApplyBackToNothing)
{
    const CliRun info = Cli({u"info"_s, Exe()});
    EXPECT_EQ(info.status, 0);
    EXPECT_TRUE(info.out.startsWith(u"build: Collector's Edition (ce)\n"_s)) << info.out.toStdString();
    EXPECT_TRUE(info.out.contains(u"\nlanguages: English (english.dat, english2.dat), German (german.dat, german2.dat)\n"_s))
        << info.out.toStdString();
    const CliRun exported = Cli({u"export"_s, Exe()});
    ASSERT_EQ(exported.status, 0);
    ASSERT_TRUE(testfiles::Overwrite(modPath, exported.out.toUtf8()));
    const testfiles::Snapshot before = testfiles::Take(install.Root());
    const CliRun applied = Cli({u"apply"_s, Exe(), modPath, u"--no-backups"_s});
    EXPECT_EQ(applied.status, 0) << applied.err.toStdString();
    EXPECT_TRUE(applied.out.startsWith(u"Already applied: "_s)) << applied.out.toStdString();
    EXPECT_EQ(testfiles::Take(install.Root()), before);
    const CliRun csv = Cli({u"export"_s, Exe(), u"--table"_s, u"units"_s, u"--format"_s, u"csv"_s});
    EXPECT_TRUE(csv.out.startsWith(u"record,Time Units,Health,"_s));
}

// Everything a FIFO received while the command ran; the reader opens first, so the
// command's open for writing never waits.
QByteArray ReadFifoWhile(QProcess& process, const QString& fifo)
{
    QByteArray got;
    const int fd = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return got;
    char buffer[65536];
    for (int round = 0; round < 60000; ++round) {
        const ssize_t read = ::read(fd, buffer, sizeof buffer);
        if (read > 0) {
            got.append(buffer, read);
            continue;
        }
        if (read == 0 && process.state() == QProcess::NotRunning)
            break;
        process.waitForFinished(5);
    }
    ::close(fd);
    return got;
}

TEST_F(CliTest, ExportWritesIntoAPipeOrStandardOutputAndNeverOverTheInstall)
{
    const CliRun plain = Cli({u"export"_s, Exe()});
    ASSERT_EQ(plain.status, 0);
    const CliRun dash = Cli({u"export"_s, Exe(), u"--output"_s, u"-"_s});
    EXPECT_EQ(dash.status, 0);
    EXPECT_EQ(dash.out, plain.out);

    const QString fifo = QDir(install.Root()).filePath(u"export.fifo"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QProcess process;
    process.start(QStringLiteral(KESTREL_CLI), {u"export"_s, Exe(), u"--output"_s, fifo});
    EXPECT_EQ(QString::fromUtf8(ReadFifoWhile(process, fifo)), plain.out);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    struct stat status {};
    ASSERT_EQ(::lstat(QFile::encodeName(fifo).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));

    const QString alias = QDir(install.Root()).filePath(u"alias.json"_s);
    ASSERT_TRUE(QFile::link(Exe(), alias));
    const testfiles::Snapshot before = testfiles::Take(install.Root());
    for (const QString& own : {install.Paths().english, Exe() + u"(MASTER).bak"_s, alias}) {
        const CliRun refused = Cli({u"export"_s, Exe(), u"--output"_s, own});
        EXPECT_EQ(refused.status, 1) << own.toStdString();
        EXPECT_TRUE(refused.err.contains(u"is one of the game files or their backups; nothing was written."_s))
            << refused.err.toStdString();
    }
    EXPECT_EQ(testfiles::Take(install.Root()), before);
}

TEST_F(CliTest, AStandardOutputThatCannotBeWrittenFailsTheCommand)
{
    QProcess process;
    process.setStandardOutputFile(u"/dev/full"_s);
    process.start(QStringLiteral(KESTREL_CLI), {u"export"_s, Exe()});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError())
                    .contains(u"kestrel-cli: standard output could not be written: No space left on device"_s));
}

} // namespace
