// Save, backups and master backups, staged and committed with QSaveFile.
#include "core/GameSaver.h"

#include "core/DataFiles.h"
#include "core/GameFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <memory>

namespace {

// The texts the window shows, in the interface's language (kestrel-cli never installs a translator).
struct Text {
    Q_DECLARE_TR_FUNCTIONS(GameSaver)
};

} // namespace

namespace saving {
namespace {

// Backups in the order of Save: executable, english, english2, obdata, then the other
// languages' string files that were read.
void AppendBackups(const GameFileSet& files, bool master, std::vector<FileWrite>& writes)
{
    for (const GameFile file : datafiles::SaveOrder) {
        const GameBuffer& buffer = files.Buffer(file);
        if (files.BelongsToCurrentInstall(buffer))
            writes.push_back({BackupPath(files, file, master), buffer.pristine, true, file});
    }
}

// What a file held before this write, to put back should a later commit fail. Read from
// disk rather than taken from the buffers: after the user chose to overwrite another
// program's change, that change is what the file held before.
struct Before {
    bool existed = false;
    std::optional<QByteArray> bytes;  // nullopt for a file that existed but could not be read
};

// A file staged in a temporary file beside its target, not yet visible.
struct StagedFile {
    std::unique_ptr<QSaveFile> file;
    QString path;
    Before before;
    bool isBackup = false;
};

// The system's reason for the failure just met. QFile words some failures, a short write
// among them, only as "Unknown error"; errno still holds the reason then.
QString Reason(const QFileDevice& file, int systemError)
{
    static const QString unknown = QFile().errorString();
    const QString reason = file.errorString();
    if ((file.error() == QFileDevice::NoError || reason.isEmpty() || reason == unknown) && systemError != 0)
        return qt_error_string(systemError);
    return reason;
}

WriteFailure Failed(const QString& path, const QFileDevice& file)
{
    return WriteFailure{path, Reason(file, errno), {}, false, {}};
}

// A write the system cut short is not an error to QFile; writing the rest makes the
// system say why it cannot go on (a full disk: "No space left on device").
bool WriteEvery(QFileDevice& file, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        errno = 0;
        const qint64 written = file.write(bytes.data(), bytes.size());
        if (written <= 0)
            return false;
        bytes = bytes.sliced(written);
    }
    return true;
}

Before ReadBefore(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    if (!info.isFile())
        return {true, std::nullopt};
    return {true, gamefiles::ReadWhole(path, info.size())};
}

// A backup is the program's own file and only ever a regular one; a game file may be a
// link the user made to keep it elsewhere, and is written through it.
std::optional<WriteFailure> RefusedTarget(const QString& path, bool isBackup)
{
    using gamefiles::FileKind;
    const FileKind kind = gamefiles::Examine(path);
    if (kind == FileKind::Absent || kind == FileKind::Regular || (kind == FileKind::LinkToRegular && !isBackup))
        return std::nullopt;
    const bool link = kind == FileKind::LinkToRegular || kind == FileKind::LinkToOther;
    const QString what = isBackup && link ? QStringLiteral("is a symbolic link") : gamefiles::KindText(kind);
    const QString advice = isBackup ? QStringLiteral("Remove or rename it.")
                                    : QStringLiteral("Put the game's file back in its place, then load the files again.");
    return WriteFailure{path, what, {}, true, advice};
}

std::optional<WriteFailure> RefusedTargets(const std::vector<FileWrite>& writes)
{
    for (const FileWrite& write : writes) {
        if (auto refused = RefusedTarget(write.path, write.isBackup))
            return refused;
    }
    return std::nullopt;
}

int Sync(QFileDevice& file, const SyncFile& sync)
{
    errno = 0;
    return sync ? sync(file) : gamefiles::SyncToDisk(file);
}

std::optional<WriteFailure> Stage(const QString& path, const QByteArray& bytes, bool isBackup, const SyncFile& sync,
                                  std::vector<StagedFile>& staged)
{
    auto file = std::make_unique<QSaveFile>(path);
    // Unbuffered, so every write reaches the system at once and its failure is the system's.
    errno = 0;
    if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Failed(path, *file);
    if (!WriteEvery(*file, bytes))
        return Failed(path, *file);
    errno = 0;
    if (!gamefiles::KeepOwnerAndMode(path, *file))
        return WriteFailure{path, qt_error_string(errno), {}, false, {}};
    // QSaveFile syncs as it commits but never says whether the sync worked.
    if (const int error = Sync(*file, sync))
        return WriteFailure{path, qt_error_string(error), {}, false, {}};
    staged.push_back({std::move(file), path, {}, isBackup});
    return std::nullopt;
}

std::optional<WriteFailure> Commit(StagedFile& staged, const BeforeCommit& beforeCommit)
{
    if (beforeCommit)
        beforeCommit(staged.path);
    // Looked at once more as late as can be: something put there since the staging began
    // must not be renamed over.
    if (auto refused = RefusedTarget(staged.path, staged.isBackup))
        return refused;
    errno = 0;
    if (!staged.file->commit())
        return WriteFailure{staged.path, Reason(*staged.file, errno), {}, false, {}};
    return std::nullopt;
}

// Why the file could not be given back what it held, or empty when it was.
QString PutBack(const StagedFile& committed, const BeforeCommit& beforeCommit, const SyncFile& sync)
{
    if (!committed.before.existed) {
        QFile file(committed.path);
        return file.remove() ? QString() : file.errorString();
    }
    if (!committed.before.bytes)
        return Text::tr("what it held before could not be read");
    std::vector<StagedFile> again;
    std::optional<WriteFailure> failure = Stage(committed.path, *committed.before.bytes, committed.isBackup, sync, again);
    if (!failure)
        failure = Commit(again.front(), beforeCommit);
    return failure ? failure->reason : QString();
}

// A game file nobody may write to was made so by the user on purpose; Save leaves it,
// and everything else, as it is. Backups are not asked: they are the program's own.
std::optional<WriteFailure> ReadOnlyGameFile(const std::vector<FileWrite>& writes)
{
    constexpr QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    for (const FileWrite& write : writes) {
        const QFileInfo info(write.path);
        if (!write.isBackup && info.exists() && !(info.permissions() & anyWrite)) {
            return WriteFailure{write.path,
                                Text::tr("The file is read-only (no one may write to it), so it is left as "
                                         "it is. Make it writable to save it."),
                                {},
                                false,
                                {}};
        }
    }
    return std::nullopt;
}

} // namespace

QString BackupPath(const GameFileSet& files, GameFile file, bool master)
{
    if (file == GameFile::Executable) {
        return files.ExePath
            + QString::fromUtf16(master ? datafiles::ExeMasterBackupSuffix : datafiles::ExeBackupSuffix);
    }
    const DataFileSpec* dataFile = datafiles::Find(file);
    const QString folder = QFileInfo(files.Buffer(file).sourcePath).absolutePath();
    return QDir(folder).filePath(master ? dataFile->masterBackupName : dataFile->backupName);
}

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
            writes.push_back({buffer.sourcePath, buffer.working, false, file});
    }
    return writes;
}

std::vector<FileWrite> MasterBackupWrites(const GameFileSet& files)
{
    std::vector<FileWrite> writes;
    AppendBackups(files, true, writes);
    return writes;
}

std::optional<WriteFailure> WriteAll(const std::vector<FileWrite>& writes, const BeforeCommit& beforeCommit,
                                     const SyncFile& sync)
{
    if (auto refused = RefusedTargets(writes))
        return refused;
    if (auto failure = ReadOnlyGameFile(writes))
        return failure;
    std::vector<StagedFile> staged;
    staged.reserve(writes.size());
    for (const FileWrite& write : writes) {
        if (auto failure = Stage(write.path, write.bytes, write.isBackup, sync, staged))
            return failure;  // the staged temporary files are removed as they go out of scope
        staged.back().before = ReadBefore(write.path);
    }
    for (std::size_t next = 0; next < staged.size(); ++next) {
        std::optional<WriteFailure> failure = Commit(staged[next], beforeCommit);
        if (!failure)
            continue;
        for (std::size_t done = next; done-- > 0;) {
            const QString reason = PutBack(staged[done], beforeCommit, sync);
            if (!reason.isEmpty())
                failure->notPutBack.emplace_back(staged[done].path, reason);
        }
        return failure;
    }
    return std::nullopt;
}

std::optional<WriteFailure> WriteInstall(const GameFileSet& files, const std::vector<FileWrite>& writes)
{
    for (const GameFile file : datafiles::SaveOrder) {
        const GameBuffer& buffer = files.Buffer(file);
        if (!files.BelongsToCurrentInstall(buffer))
            continue;
        if (auto refused = RefusedTarget(buffer.sourcePath, false))
            return refused;
    }
    return WriteAll(writes);
}

QString FailureMessage(const WriteFailure& failure, const QString& root)
{
    if (failure.refused && failure.notPutBack.empty()) {
        const QString relative = root.isEmpty() ? QString() : QDir(root).relativeFilePath(failure.path);
        const bool below = !relative.isEmpty() && !relative.startsWith(QStringLiteral("../"))
                           && !QDir::isAbsolutePath(relative);
        return Text::tr("%1 %2; nothing was written. %3")
            .arg(QDir::toNativeSeparators(below ? relative : failure.path), failure.reason, failure.advice);
    }
    QString text = Text::tr("The file %1 could not be written:\n%2\n\n")
                       .arg(QDir::toNativeSeparators(failure.path), failure.reason);
    if (failure.notPutBack.empty())
        return text + Text::tr("No file was changed.");
    text += Text::tr("These files hold what this save wrote, because what they held before could not be put "
                     "back:");
    for (const auto& [path, reason] : failure.notPutBack)
        text += QStringLiteral("\n%1 (%2)").arg(QDir::toNativeSeparators(path), reason);
    return text + Text::tr("\n\nEvery other file is as it was before.");
}

bool Save(const GameFileSet& files, bool makeBackups, Asker& asker)
{
    return Save(files, SaveWrites(files, makeBackups), asker);
}

bool Save(const GameFileSet& files, const std::vector<FileWrite>& writes, Asker& asker)
{
    const std::optional<WriteFailure> failure = WriteInstall(files, writes);
    if (failure)
        asker.ShowError(Text::tr("Save failed"), FailureMessage(*failure, files.DataRoot)
                                                     + Text::tr("\n\nYour edits are kept; you can save again."));
    return !failure;
}

bool MakeMasterBackup(const GameFileSet& files, Asker& asker)
{
    return ConfirmMasterBackup(asker) && WriteMasterBackup(files, asker);
}

bool ConfirmMasterBackup(Asker& asker)
{
    return asker.AskYesNo(Text::tr("Make master backup?"),
                          Text::tr("Are you sure you want to make a master back up? This will overwrite any "
                                   "other master backup of your executable."));
}

bool WriteMasterBackup(const GameFileSet& files, Asker& asker)
{
    const std::optional<WriteFailure> failure = WriteInstall(files, MasterBackupWrites(files));
    if (failure)
        asker.ShowError(Text::tr("Master backup failed"), FailureMessage(*failure, files.DataRoot));
    return !failure;
}

} // namespace saving
