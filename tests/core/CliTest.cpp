// kestrel-cli as a script sees it: exit statuses, what goes to stdout and stderr, the
// backups, and every file left byte for byte when anything is refused.
#include "support/InstallFixture.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QProcess>

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

} // namespace
