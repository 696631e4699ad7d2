// info, export, diff and apply: load an install as the window does, then work on its
// document through the same core routines.
#include "cli/CliCommands.h"

#include "core/DataFiles.h"
#include "core/DiskCheck.h"
#include "core/GameDocument.h"
#include "core/GameFiles.h"
#include "core/GameSaver.h"
#include "core/OutputFile.h"
#include "core/OutsideFile.h"
#include "exchange/ChangeSet.h"
#include "exchange/FieldGuide.h"
#include "exchange/TableCsv.h"
#include "tables/Catalogue.h"
#include "tables/Plausibility.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace cli {
namespace {

constexpr int Refused = 1;

// Keeps the load's last status text: it says why a load stopped.
class StatusReporter final : public LoadReporter {
public:
    void Begin() override {}
    void Append(const QString&) override {}
    void SetStatus(const QString& text) override { status = text; }
    void Finish() override {}
    QString status;
};

// Files whose contents do not look like the game's are refused with the reasons, unless
// the user asks to load them anyway.
LoadAnyway Plausibility(bool loadAnyway, QTextStream& err)
{
    return [loadAnyway, &err](const QStringList& reasons) {
        for (const QString& reason : reasons)
            err << "kestrel-cli: " << reason << '\n';
        if (!loadAnyway)
            err << "kestrel-cli: refused; --load-anyway loads such files anyway\n";
        return loadAnyway;
    };
}

struct Loaded {
    LoadOutcome outcome;
    QString status;  // the load's last words: why it stopped
};

Loaded LoadInstall(const QString& exePath, GameDocument& document, QTextStream& err, bool loadAnyway)
{
    StatusReporter reporter;
    const LoadOutcome outcome = document.Load([&exePath]() -> std::optional<QString> { return exePath; }, reporter,
                                              plausibility::Gate(Plausibility(loadAnyway, err)));
    return {outcome, reporter.status};
}

// Loads the install of exePath; false, with the reason on err, unless every file was read.
bool LoadComplete(const QString& exePath, GameDocument& document, QTextStream& err, bool loadAnyway)
{
    const Loaded loaded = LoadInstall(exePath, document, err, loadAnyway);
    if (loaded.outcome == LoadOutcome::Complete)
        return true;
    err << "kestrel-cli: " << QDir::toNativeSeparators(exePath) << ": "
        << (loaded.status.isEmpty() ? u"the game files could not be read"_s : loaded.status) << '\n';
    return false;
}

void PrintFile(QTextStream& out, const QString& name, const GameBuffer& buffer)
{
    if (buffer.IsLoaded())
        out << name << ": " << QDir::toNativeSeparators(buffer.sourcePath) << ", " << buffer.working.size() << " bytes\n";
    else
        out << name << ": not read\n";
}

int Info(const CliOptions& options, QTextStream& out, QTextStream& err)
{
    GameDocument document;
    const Loaded loaded = LoadInstall(options.exePath, document, err, options.loadAnyway);
    if (!document.HasExecutable()) {
        err << "kestrel-cli: " << QDir::toNativeSeparators(options.exePath) << ": "
            << (loaded.status.isEmpty() ? u"not a game executable"_s : loaded.status) << '\n';
        return Refused;
    }
    const GameFileSet& files = document.Files();
    out << "build: " << gameversion::Caption(files.Version).section(u": "_s, 1) << " ("
        << gameversion::ShortName(files.Version) << ")\n";
    out << "data root: " << QDir::toNativeSeparators(files.DataRoot) << '\n';
    PrintFile(out, u"ufo.exe"_s, files.ExeImage);
    for (const DataFileSpec* dataFile : datafiles::LoadOrder())
        PrintFile(out, dataFile->fileName, files.Buffer(dataFile->file));
    QStringList languages;
    for (const StringLanguage& language : datafiles::Languages()) {
        if (files.Buffer(language.first).IsLoaded() && files.Buffer(language.second).IsLoaded()) {
            languages.append(u"%1 (%2, %3)"_s.arg(language.name, datafiles::Find(language.first)->fileName,
                                                 datafiles::Find(language.second)->fileName));
        }
    }
    out << "languages: " << (languages.isEmpty() ? u"none"_s : languages.join(u", "_s)) << '\n';
    if (loaded.outcome != LoadOutcome::Complete)
        out << "load stopped: " << loaded.status << '\n';
    return 0;
}

bool WriteFile(const GameDocument& document, const QString& path, const QByteArray& bytes, QTextStream& err)
{
    const std::optional<QString> error = outputfile::Write(document.Files(), path, bytes);
    if (error)
        err << "kestrel-cli: " << QDir::toNativeSeparators(path) << ' ' << *error << '\n';
    return !error;
}

// "-" is standard output, as it is to most tools.
bool ToStandardOutput(const CliOptions& options)
{
    return options.output.isEmpty() || options.output == u"-"_s;
}

bool Emit(const CliOptions& options, const GameDocument& document, const QByteArray& bytes, QTextStream& out,
          QTextStream& err)
{
    if (!ToStandardOutput(options))
        return WriteFile(document, options.output, bytes, err);
    out << QString::fromUtf8(bytes);
    return true;
}

bool KnownTables(const QStringList& tables, const GameDocument& document, QTextStream& err)
{
    for (const QString& name : tables) {
        const catalogue::Table* table = catalogue::FindTable(name);
        if (!table || !document.IsLoaded(table->file)) {
            err << "kestrel-cli: no table \"" << name << "\" in this install\n";
            return false;
        }
    }
    return true;
}

int Export(const CliOptions& options, QTextStream& out, QTextStream& err)
{
    GameDocument document;
    if (!LoadComplete(options.exePath, document, err, options.loadAnyway) || !KnownTables(options.tables, document, err))
        return Refused;
    if (options.format == u"json"_s)
        return Emit(options, document, changeset::Write(changeset::WholeTables(document, options.tables)), out, err)
                   ? 0
                   : Refused;
    QStringList tables = options.tables;
    if (tables.isEmpty()) {
        for (const catalogue::Table& table : catalogue::Tables()) {
            if (document.IsLoaded(table.file))
                tables.append(table.Name());
        }
    }
    if (ToStandardOutput(options)) {
        out << QString::fromUtf8(tablecsv::Export(document, tables.front()));
        return 0;
    }
    if (!QDir().mkpath(options.output)) {
        err << "kestrel-cli: " << QDir::toNativeSeparators(options.output) << ": cannot make the folder\n";
        return Refused;
    }
    for (const QString& table : tables) {
        if (!WriteFile(document, QDir(options.output).filePath(tablecsv::FileName(table)),
                       tablecsv::Export(document, table), err))
            return Refused;
    }
    return 0;
}

// The files as the backups beside the install hold them, for the tables whose backup exists.
bool LoadBackups(const GameDocument& current, GameDocument& backups, QTextStream& err)
{
    const GameFileSet& files = current.Files();
    GameFileSet set;
    set.Version = files.Version;
    set.ExePath = files.ExePath;
    set.DataRoot = files.DataRoot;
    for (const GameFile file : datafiles::SaveOrder) {
        if (!files.Buffer(file).IsLoaded())
            continue;
        const QString path = saving::BackupPath(files, file, false);
        const std::optional<qint64> size = gamefiles::Measure(path);
        const std::optional<QByteArray> bytes =
            size && *size > 0 ? gamefiles::ReadWhole(path, *size) : std::optional<QByteArray>();
        if (!bytes) {
            if (file == GameFile::Executable) {
                err << "kestrel-cli: " << QDir::toNativeSeparators(path) << ": no backup to compare with\n";
                return false;
            }
            continue;
        }
        // A string file's entries may have changed length since its backup was made.
        if (bytes->size() != files.Buffer(file).pristine.size() && !datafiles::IsStringTable(file)) {
            err << "kestrel-cli: " << QDir::toNativeSeparators(path) << ": not the size of the file it backs up\n";
            return false;
        }
        set.Buffer(file).Accept(*bytes, path, files.DataRoot);
    }
    backups.Adopt(set);
    return true;
}

int Diff(const CliOptions& options, QTextStream& out, QTextStream& err)
{
    GameDocument current;
    GameDocument other;
    if (!LoadComplete(options.exePath, current, err, options.loadAnyway))
        return Refused;
    if (options.againstBackups ? !LoadBackups(current, other, err) : !LoadComplete(options.againstExe, other, err, options.loadAnyway))
        return Refused;
    QStringList notes;
    const std::vector<changeset::Entry> entries = changeset::Between(current, other, &notes);
    for (const QString& note : notes)
        err << "kestrel-cli: " << note << '\n';
    out << QString::fromUtf8(changeset::Write(entries));
    return options.exitCode && !entries.empty() ? 1 : 0;
}

int Fields(const CliOptions& options, QTextStream& out, QTextStream& err)
{
    if (!options.table.isEmpty() && !catalogue::FindTable(options.table)) {
        err << "kestrel-cli: no table \"" << options.table << '"' << '\n';
        return Refused;
    }
    if (options.format == u"json"_s)
        out << QString::fromUtf8(fieldguide::ListingJson(options.table));
    else
        out << fieldguide::Listing(options.table);
    return 0;
}

void PrintChanges(const Edit& edit, const GameDocument& document, QTextStream& out)
{
    for (const Change& change : edit.changes) {
        const catalogue::Table* table = catalogue::FindTable(change.table);
        const catalogue::Field* field = table ? catalogue::FindField(*table, change.field) : nullptr;
        const QByteArray& bytes = document.Working(change.file);
        const std::optional<int> record = table ? catalogue::FindRecord(*table, change.record, bytes) : std::nullopt;
        const std::optional<catalogue::Slot> slot =
            record ? catalogue::Locate(*table, *record, *field, document.Version(), bytes) : std::nullopt;
        QString after = QString::fromLatin1(change.after.toHex());
        if (slot)
            after = fields::ShownValue(*field, *record, change.after);
        out << change.table << " / " << change.record << " / " << change.field << ": "
            << (slot ? catalogue::Show(*slot, bytes) : QString()) << " -> " << after << '\n';
    }
}

// There is no one to ask: a file that changed on disk since the load and holds changes to
// write refuses the whole save; one without changes is left as the other program left it.
bool Save(const GameFileSet& files, bool makeBackups, QTextStream& err)
{
    const diskcheck::SavePlan plan = diskcheck::PlanSave(files, makeBackups);
    for (const ChangedFile& changed : plan.conflicts) {
        err << "kestrel-cli: " << QDir::toNativeSeparators(changed.path)
            << ": changed on disk while this command ran; nothing was written\n";
    }
    if (!plan.conflicts.empty())
        return false;
    for (const ChangedFile& changed : plan.leftAlone) {
        err << "kestrel-cli: " << QDir::toNativeSeparators(changed.path)
            << ": changed on disk while this command ran; left as it is\n";
    }
    if (const std::optional<WriteFailure> failure = saving::WriteInstall(files, plan.writes)) {
        err << "kestrel-cli: " << saving::FailureMessage(*failure, files.DataRoot) << '\n';
        return false;
    }
    return true;
}

// A change set piped in: read to the same cap as a file, so /dev/zero cannot exhaust memory.
std::optional<QByteArray> ReadStandardInput(QString& error)
{
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly)) {
        error = in.errorString();
        return std::nullopt;
    }
    std::optional<QByteArray> bytes = ReadUpTo(in, outsidefile::SizeLimit);
    if (!bytes)
        error = u"larger than 16 MiB; a change set of every field is about 300 KB"_s;
    return bytes;
}

QString Counted(std::size_t count, const QString& one, const QString& many)
{
    return count == 1 ? u"1 "_s + one : u"%1 %2"_s.arg(count).arg(many);
}

// "2 changes made, 1 value already in place."; a mod applied before says so.
QString Summary(const changeset::Resolved& resolved, bool dryRun)
{
    const std::size_t made = resolved.edit.changes.size();
    const QString inPlace = Counted(std::size_t(resolved.unchanged), u"value already in place"_s,
                                    u"values already in place"_s);
    if (made == 0 && resolved.unchanged > 0)
        return u"Already applied: %1; nothing was written."_s.arg(inPlace);
    if (dryRun)
        return u"%1, %2; nothing was written."_s.arg(Counted(made, u"change would be made"_s, u"changes would be made"_s),
                                                  inPlace);
    return u"%1, %2."_s.arg(Counted(made, u"change made"_s, u"changes made"_s), inPlace);
}

int Apply(const CliOptions& options, QTextStream& out, QTextStream& err)
{
    QString error;
    const bool piped = options.changesPath == u"-"_s;
    const std::optional<QByteArray> changes = piped ? ReadStandardInput(error)
                                                    : ReadOutsideFile(options.changesPath, outsidefile::SizeLimit, &error);
    if (!changes) {
        // A file's refusal names the file itself.
        err << "kestrel-cli: " << (piped ? u"-: "_s : QString()) << error << '\n';
        return Refused;
    }
    const QString source = QDir::toNativeSeparators(options.changesPath);
    const bool isTable = options.changesPath.endsWith(u".csv"_s, Qt::CaseInsensitive);
    changeset::Parsed parsed;
    if (!isTable)
        parsed = changeset::Parse(*changes);
    for (const QString& problem : parsed.problems)
        err << "kestrel-cli: " << source << ": " << problem << '\n';
    if (!parsed.problems.isEmpty())
        return Refused;
    GameDocument document;
    if (!LoadComplete(options.exePath, document, err, options.loadAnyway))
        return Refused;
    if (isTable) {
        // A table's cells can only be read against the loaded files.
        const tablecsv::Imported imported = tablecsv::Import(document, tablecsv::TableOf(options.changesPath), *changes);
        for (const QString& problem : imported.problems)
            err << "kestrel-cli: " << source << ": " << problem << '\n';
        if (!imported.problems.isEmpty())
            return Refused;
        if (!imported.note.isEmpty())
            err << "kestrel-cli: " << source << ": " << imported.note << '\n';
        parsed.entries = imported.entries;
    }
    const changeset::Resolved resolved =
        changeset::Resolve(document, parsed.entries, {options.force, options.strict},
                           u"Apply %1"_s.arg(QFileInfo(options.changesPath).fileName()));
    for (const QString& problem : resolved.problems)
        err << "kestrel-cli: " << QDir::toNativeSeparators(options.changesPath) << ": " << problem << '\n';
    if (!resolved.problems.isEmpty())
        return Refused;
    for (const QString& warning : resolved.warnings)
        err << "kestrel-cli: warning: " << warning << '\n';
    if (options.dryRun) {
        PrintChanges(resolved.edit, document, out);
        out << Summary(resolved, true) << '\n';
        return 0;
    }
    PrintChanges(resolved.edit, document, out);
    if (!resolved.edit.changes.empty()) {
        if (!document.Apply(resolved.edit)) {
            err << "kestrel-cli: the changes could not be applied\n";
            return Refused;
        }
        if (!Save(document.FilesToSave(), !options.noBackups, err))
            return Refused;
    }
    out << Summary(resolved, false) << '\n';
    return 0;
}

} // namespace

int Run(const CliOptions& options, QTextStream& out, QTextStream& err)
{
    switch (options.command) {
    case CliOptions::Command::Help:
    case CliOptions::Command::Version: out << options.text; return 0;
    case CliOptions::Command::WrongUsage: err << options.text; return 2;
    case CliOptions::Command::Info: return Info(options, out, err);
    case CliOptions::Command::Export: return Export(options, out, err);
    case CliOptions::Command::Diff: return Diff(options, out, err);
    case CliOptions::Command::Apply: return Apply(options, out, err);
    case CliOptions::Command::Fields: return Fields(options, out, err);
    case CliOptions::Command::Schema: out << QString::fromUtf8(fieldguide::Schema()); return 0;
    }
    return 2;
}

} // namespace cli
