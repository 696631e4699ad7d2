// Change sets and CSV tables from the window.
#include "ui/ModCommands.h"

#include "core/Asker.h"
#include "core/GameDocument.h"
#include "core/GameFiles.h"
#include "core/OutputFile.h"
#include "core/OutsideFile.h"
#include "core/TextRoutines.h"
#include "exchange/ChangeSet.h"
#include "exchange/TableCsv.h"
#include "tables/Catalogue.h"
#include "ui/EditHistory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <optional>

using namespace Qt::StringLiterals;

namespace modcommands {
namespace {

// The commands are free functions; their texts take a context of their own.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ModCommands)
};

std::optional<QByteArray> ReadFile(const QString& path, Asker& asker, const QString& title)
{
    QString error;
    std::optional<QByteArray> bytes = ReadOutsideFile(path, outsidefile::SizeLimit, &error);
    if (!bytes)
        asker.ShowError(title, error);
    return bytes;
}

bool WriteFile(const GameDocument& document, const QString& path, const QByteArray& bytes, Asker& asker,
               const QString& title)
{
    const std::optional<QString> error = outputfile::Write(document.Files(), path, bytes);
    if (error)
        asker.ShowError(title, QDir::toNativeSeparators(path) + u' ' + *error);
    return !error;
}

QString ApplyEntries(const GameDocument& document, EditHistory& history, Asker& asker,
                     const std::vector<changeset::Entry>& entries, const QString& title, const QString& stepText,
                     const QString& name)
{
    const changeset::Resolved resolved = changeset::Resolve(document, entries, {}, stepText);
    if (!resolved.problems.isEmpty()) {
        asker.ShowError(title, Text::tr("Nothing was changed:\n\n") + modEdit::Listed(resolved.problems));
        return {};
    }
    if (resolved.edit.changes.empty()) {
        asker.ShowMessage(title, Text::tr("Every value is already as the file gives it; nothing was changed."));
        return {};
    }
    // The game itself holds such values, so a revert needs them; but a typo looks the same.
    if (!resolved.warnings.isEmpty()
        && !asker.AskYesNo(title,
                           Text::tr("Some values are past the limits the form allows:\n\n%1\n\nApply them anyway?")
                               .arg(modEdit::Listed(resolved.warnings))))
        return {};
    const auto count = qsizetype(resolved.edit.changes.size());
    if (!history.Submit(resolved.edit))
        return {};
    return count == 1 ? Text::tr("Imported %1: one change; Undo takes it back").arg(name)
                      : Text::tr("Imported %1: %2 changes as one step; Undo takes them back").arg(name).arg(count);
}

} // namespace

QString ImportChanges(const GameDocument& document, EditHistory& history, Asker& asker)
{
    if (const std::optional<QString> path = asker.AskOpenFile(Text::tr("Import Changes"), Text::tr("Change sets (*.json)|*.json")))
        return ImportChangesFrom(*path, document, history, asker);
    return {};
}

QString ImportChangesFrom(const QString& path, const GameDocument& document, EditHistory& history, Asker& asker)
{
    const QString title = Text::tr("Import Changes");
    const std::optional<QByteArray> bytes = ReadFile(path, asker, title);
    if (!bytes)
        return {};
    const QString name = modEdit::Excerpt(QFileInfo(path).fileName());
    const changeset::Parsed parsed = changeset::Parse(*bytes);
    if (!parsed.problems.isEmpty()) {
        asker.ShowError(title, Text::tr("%1 was not applied:\n\n%2").arg(name, modEdit::Listed(parsed.problems)));
        return {};
    }
    return ApplyEntries(document, history, asker, parsed.entries, title, Text::tr("Import %1").arg(name), name);
}

QString ExportChanges(const GameDocument& document, Asker& asker)
{
    const QString title = Text::tr("Export Changes");
    std::optional<QString> path = asker.AskSaveFile(title, Text::tr("Change sets (*.json)|*.json"));
    if (!path)
        return {};
    if (QFileInfo(*path).suffix().isEmpty())
        *path += u".json"_s;
    const std::vector<changeset::Entry> entries = changeset::SinceLoad(document);
    if (!WriteFile(document, *path, changeset::Write(entries), asker, title))
        return {};
    const QString shownPath = QDir::toNativeSeparators(*path);
    return entries.size() == 1 ? Text::tr("Exported one change to %1").arg(shownPath)
                               : Text::tr("Exported %1 changes to %2").arg(qsizetype(entries.size())).arg(shownPath);
}

QString ExportTables(const GameDocument& document, Asker& asker)
{
    const QString title = Text::tr("Export Tables");
    const std::optional<QString> folder = asker.AskFolder(title);
    if (!folder)
        return {};
    QStringList existing;
    for (const catalogue::Table& table : catalogue::Tables()) {
        if (document.IsLoaded(table.file) && QFileInfo::exists(QDir(*folder).filePath(tablecsv::FileName(table.Name()))))
            existing.append(tablecsv::FileName(table.Name()));
    }
    const QString shownFolder = QDir::toNativeSeparators(*folder);
    const QString question =
        existing.size() == 1
            ? Text::tr("This file is already in %1:\n\n%2\n\nReplace them?").arg(shownFolder, modEdit::Listed(existing))
            : Text::tr("These %1 files are already in %2:\n\n%3\n\nReplace them?")
                  .arg(QString::number(existing.size()), shownFolder, modEdit::Listed(existing));
    if (!existing.isEmpty() && !asker.AskYesNo(title, question))
        return {};
    int written = 0;
    for (const catalogue::Table& table : catalogue::Tables()) {
        if (!document.IsLoaded(table.file))
            continue;
        if (!WriteFile(document, QDir(*folder).filePath(tablecsv::FileName(table.Name())),
                       tablecsv::Export(document, table.Name()), asker, title))
            return written == 0 ? QString() : Text::tr("Exported %1 tables to %2, then stopped").arg(written).arg(shownFolder);
        ++written;
    }
    return Text::tr("Exported %1 tables to %2").arg(written).arg(shownFolder);
}

QString ImportTable(const GameDocument& document, EditHistory& history, Asker& asker)
{
    if (const std::optional<QString> path = asker.AskOpenFile(Text::tr("Import Table"), Text::tr("Tables (*.csv)|*.csv")))
        return ImportTableFrom(*path, document, history, asker);
    return {};
}

QString ImportTableFrom(const QString& path, const GameDocument& document, EditHistory& history, Asker& asker)
{
    const QString title = Text::tr("Import Table");
    const std::optional<QByteArray> bytes = ReadFile(path, asker, title);
    if (!bytes)
        return {};
    const tablecsv::Imported imported = tablecsv::Import(document, tablecsv::TableOf(path), *bytes);
    if (!imported.problems.isEmpty()) {
        asker.ShowError(title, Text::tr("Nothing was changed:\n\n") + modEdit::Listed(imported.problems));
        return {};
    }
    const QString name = modEdit::Excerpt(QFileInfo(path).fileName());
    if (!imported.note.isEmpty())
        asker.ShowMessage(title, u"%1: %2."_s.arg(name, imported.note));
    return ApplyEntries(document, history, asker, imported.entries, title,
                        Text::tr("Import table %1").arg(imported.table), name);
}

} // namespace modcommands
