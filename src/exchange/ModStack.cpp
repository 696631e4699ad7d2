// Stacking change sets: each checked against the base, then applied in order over the
// ones before it.
#include "exchange/ModStack.h"

#include "core/DataFiles.h"
#include "core/GameDocument.h"
#include "core/GameSaver.h"
#include "core/OutsideFile.h"
#include "tables/Catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <map>

using namespace Qt::StringLiterals;

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ModStack)
};

} // namespace

namespace modstack {

QString Mod::Name() const
{
    return about.name.isEmpty() ? QFileInfo(path).fileName() : about.name;
}

QString Mod::Title() const
{
    return about.version.isEmpty() ? Name() : u"%1 %2"_s.arg(Name(), about.version);
}

Mod Read(const QString& path)
{
    Mod mod;
    mod.path = path;
    if (!QFileInfo::exists(path)) {
        mod.problem = Text::tr("missing");
        return mod;
    }
    QString error;
    const std::optional<QByteArray> bytes = ReadOutsideFile(path, outsidefile::SizeLimit, &error);
    if (!bytes) {
        mod.problem = error;
        return mod;
    }
    changeset::Parsed parsed = changeset::Parse(*bytes);
    if (!parsed.problems.isEmpty()) {
        mod.problem = parsed.problems.join(u"; "_s);
        return mod;
    }
    mod.about = std::move(parsed.about);
    mod.entries = std::move(parsed.entries);
    return mod;
}

FieldKey KeyOf(const changeset::Entry& entry, const GameDocument* document)
{
    const catalogue::Table* table = document ? catalogue::FindTable(entry.table) : nullptr;
    const catalogue::Field* field = table ? catalogue::FindField(*table, entry.field) : nullptr;
    const std::optional<int> record =
        field && document->IsLoaded(table->file) ? changeset::RecordIndex(*table, entry.record, *document) : std::nullopt;
    if (!record)
        return {entry.table, changeset::RecordText(entry.record), entry.field};
    return {table->Name(), catalogue::RecordCaption(*table, *record, document->Version(), document->Working(table->file)),
            field->Name()};
}

std::vector<Setting> Settings(const Mod& mod, const GameDocument* document)
{
    std::vector<Setting> settings;
    settings.reserve(mod.entries.size());
    for (const changeset::Entry& entry : mod.entries)
        settings.push_back({KeyOf(entry, document), changeset::ValueText(entry.value)});
    return settings;
}

std::vector<Conflict> Conflicts(const std::vector<std::vector<Setting>>& settings)
{
    std::vector<Conflict> fields;
    std::map<FieldKey, std::size_t> seen;
    for (std::size_t mod = 0; mod < settings.size(); ++mod) {
        for (const Setting& setting : settings[mod]) {
            const auto [it, added] = seen.emplace(setting.key, fields.size());
            if (added)
                fields.push_back({setting.key, {}});
            fields[it->second].values.emplace_back(int(mod), setting.value);
        }
    }
    std::vector<Conflict> conflicts;
    for (Conflict& field : fields) {
        if (field.values.size() > 1)
            conflicts.push_back(std::move(field));
    }
    return conflicts;
}

QString ValuesText(const Conflict& conflict, const QStringList& names)
{
    QStringList values;
    for (const auto& [mod, value] : conflict.values)
        values.append(u"%1 %2"_s.arg(names.value(mod), value));
    return values.join(u", "_s);
}

QString ConflictLine(const Conflict& conflict, const QStringList& names)
{
    return u"%1 / %2 / %3: %4 -> %5"_s.arg(conflict.key.table, conflict.key.record, conflict.key.field,
                                           ValuesText(conflict, names), names.value(conflict.Winner()));
}

bool HasMasterBackup(const GameFileSet& files)
{
    return files.HasExecutable() && QFileInfo(saving::BackupPath(files, GameFile::Executable, true)).isFile();
}

bool ReadMasterBackup(const GameFileSet& loaded, GameFileSet& backup, QString* error)
{
    backup = loaded;
    for (const GameFile file : datafiles::SaveOrder) {
        GameBuffer& buffer = backup.Buffer(file);
        if (!buffer.IsLoaded())
            continue;
        const QString path = saving::BackupPath(loaded, file, true);
        // Only a regular file, and capped: a folder or a pipe at a backup's name is no backup.
        QString refusal;
        const std::optional<QByteArray> bytes = ReadOutsideFile(path, outsidefile::SizeLimit, &refusal);
        if (!bytes || bytes->isEmpty()) {
            *error = Text::tr("%1: no master backup").arg(QDir::toNativeSeparators(path));
            return false;
        }
        // A string file's entries may have changed length since its master backup was made.
        if (bytes->size() != buffer.pristine.size() && !datafiles::IsStringTable(file)) {
            *error = Text::tr("%1: not the size of the file it backs up").arg(QDir::toNativeSeparators(path));
            return false;
        }
        buffer.working = *bytes;
    }
    return true;
}

Base BaseOf(const GameFileSet& loaded)
{
    Base base;
    QString error;
    if (HasMasterBackup(loaded) && ReadMasterBackup(loaded, base.files, &error)) {
        base.masterBackup = true;
        return base;
    }
    base.files = loaded;
    for (const GameFile file : datafiles::SaveOrder)
        base.files.Buffer(file).working = base.files.Buffer(file).pristine;
    return base;
}

std::unique_ptr<GameDocument> DocumentOf(const GameFileSet& files)
{
    auto document = std::make_unique<GameDocument>();
    document->Adopt(files);
    return document;
}

Stacked Stack(const GameFileSet& base, const std::vector<const Mod*>& mods, changeset::Options options)
{
    Stacked stacked;
    std::unique_ptr<GameDocument> result = DocumentOf(base);
    const std::unique_ptr<GameDocument> unchanged = DocumentOf(base);
    for (const Mod* mod : mods) {
        const QString name = mod->Name();
        if (!mod->problem.isEmpty()) {
            stacked.problems.append(u"%1: %2"_s.arg(name, mod->problem));
            continue;
        }
        stacked.values += int(mod->entries.size());
        const changeset::Resolved checked = changeset::Resolve(*unchanged, mod->entries, options, name);
        for (const QString& problem : checked.problems)
            stacked.problems.append(u"%1: %2"_s.arg(name, problem));
        for (const QString& warning : checked.warnings)
            stacked.warnings.append(u"%1: %2"_s.arg(name, warning));
        if (!stacked.problems.isEmpty())
            continue;
        // An earlier mod may have set the field already: the "was" was checked against the base.
        changeset::Options over = options;
        over.force = true;
        const changeset::Resolved resolved = changeset::Resolve(*result, mod->entries, over, name);
        if (!resolved.problems.isEmpty() || !result->Apply(resolved.edit)) {
            for (const QString& problem : resolved.problems)
                stacked.problems.append(u"%1: %2"_s.arg(name, problem));
            if (resolved.problems.isEmpty())
                stacked.problems.append(Text::tr("%1: the changes could not be applied").arg(name));
        }
    }
    if (stacked.problems.isEmpty())
        stacked.result = std::move(result);
    return stacked;
}

Step Toward(const GameDocument& document, const GameDocument& target, const QString& text)
{
    Step step;
    step.lines = changeset::Between(target, document, nullptr);
    const changeset::Resolved resolved = changeset::Resolve(document, step.lines, {}, text);
    step.problems = resolved.problems;
    step.edit = resolved.edit;
    return step;
}

} // namespace modstack
