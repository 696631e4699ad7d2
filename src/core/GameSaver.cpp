// Save, backups and master backups, staged and committed with QSaveFile.
#include "core/GameSaver.h"

#include "core/DataFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <memory>

namespace saving {
namespace {

// Where a file's backup goes: the executable's name with a suffix, a data file's backup
// beside it in the geodata folder found at load.
QString BackupPath(const GameFileSet& files, GameFile file, bool master)
{
    if (file == GameFile::Executable) {
        return files.ExePath
            + QString::fromUtf16(master ? datafiles::ExeMasterBackupSuffix : datafiles::ExeBackupSuffix);
    }
    const DataFileSpec* spec = datafiles::Find(file);
    const QString folder = QFileInfo(files.Buffer(file).sourcePath).absolutePath();
    return QDir(folder).filePath(master ? spec->masterBackupName : spec->backupName);
}

// Backups in the order of Save: executable, english, english2, obdata, then the other
// languages' string files that were read.
void AppendBackups(const GameFileSet& files, bool master, std::vector<FileWrite>& writes)
{
    for (const GameFile file : datafiles::SaveOrder) {
        const GameBuffer& buffer = files.Buffer(file);
        if (files.BelongsToCurrentInstall(buffer))
            writes.push_back({BackupPath(files, file, master), buffer.pristine, true});
    }
}

// A file staged in a temporary file beside its target, not yet visible.
struct StagedFile {
    std::unique_ptr<QSaveFile> file;
    const FileWrite* write;
};

std::optional<WriteFailure> Stage(const FileWrite& write, std::vector<StagedFile>& staged)
{
    auto file = std::make_unique<QSaveFile>(write.path);
    if (!file->open(QIODevice::WriteOnly))
        return WriteFailure{write.path, file->errorString(), {}};
    if (file->write(write.bytes) != write.bytes.size() || !file->flush())
        return WriteFailure{write.path, file->errorString(), {}};
    staged.push_back({std::move(file), &write});
    return std::nullopt;
}

} // namespace

std::vector<FileWrite> SaveWrites(const GameFileSet& files, bool makeBackups)
{
    std::vector<FileWrite> writes;
    if (makeBackups)
        AppendBackups(files, false, writes);
    // The string files go back under the names they were found under, so a case-sensitive
    // file system never ends up holding two of them.
    for (const GameFile file : datafiles::SaveOrder) {
        const GameBuffer& buffer = files.Buffer(file);
        if (files.BelongsToCurrentInstall(buffer))
            writes.push_back({buffer.sourcePath, buffer.working, false});
    }
    return writes;
}

std::vector<FileWrite> MasterBackupWrites(const GameFileSet& files)
{
    std::vector<FileWrite> writes;
    AppendBackups(files, true, writes);
    return writes;
}

std::optional<WriteFailure> WriteAll(const std::vector<FileWrite>& writes)
{
    std::vector<StagedFile> staged;
    staged.reserve(writes.size());
    for (const FileWrite& write : writes) {
        if (auto failure = Stage(write, staged))
            return failure;  // the staged temporary files are removed as they go out of scope
    }
    QStringList committed;
    for (StagedFile& file : staged) {
        if (!file.file->commit())
            return WriteFailure{file.write->path, file.file->errorString(), committed};
        committed.append(file.write->path);
    }
    return std::nullopt;
}

QString FailureMessage(const WriteFailure& failure)
{
    QString text = QStringLiteral("The file %1 could not be written:\n%2\n\n")
                       .arg(QDir::toNativeSeparators(failure.path), failure.reason);
    if (failure.committed.isEmpty()) {
        text += QStringLiteral("No file was changed.");
    } else {
        text += QStringLiteral("These files had already been written:");
        for (const QString& path : failure.committed)
            text += QLatin1Char('\n') + QDir::toNativeSeparators(path);
    }
    return text;
}

bool Save(const GameFileSet& files, bool makeBackups, Asker& asker)
{
    const std::optional<WriteFailure> failure = WriteAll(SaveWrites(files, makeBackups));
    if (failure)
        asker.ShowError(QStringLiteral("Save failed"),
                        FailureMessage(*failure) + QStringLiteral("\n\nYour edits are kept; you can save again."));
    return !failure;
}

bool MakeMasterBackup(const GameFileSet& files, Asker& asker)
{
    if (!asker.AskYesNo(QStringLiteral("Make master backup?"),
                        QStringLiteral("Are you sure you want to make a master back up? This will overwrite any other "
                                       "master backup of your executable.")))
        return false;
    const std::optional<WriteFailure> failure = WriteAll(MasterBackupWrites(files));
    if (failure)
        asker.ShowError(QStringLiteral("Master backup failed"), FailureMessage(*failure));
    return !failure;
}

} // namespace saving
