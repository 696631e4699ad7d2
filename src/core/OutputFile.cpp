// Output files: refused over the install's own files, written in place when not regular.
#include "core/OutputFile.h"

#include "core/DataFiles.h"
#include "core/GameFiles.h"
#include "core/GameSaver.h"

#include <QDir>
#include <QFileInfo>

namespace outputfile {
namespace {

// A name that is not there yet is placed by its folder's canonical path.
QString CanonicalPlace(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    const QString folder = info.absoluteDir().canonicalPath();
    return folder.isEmpty() ? info.absoluteFilePath() : QDir(folder).filePath(info.fileName());
}

} // namespace

bool IsGameFileOrBackup(const GameFileSet& files, const QString& path)
{
    const QString place = CanonicalPlace(path);
    for (const GameFile file : datafiles::SaveOrder) {
        const GameBuffer& buffer = files.Buffer(file);
        if (!buffer.IsLoaded())
            continue;
        for (const QString& own : {buffer.sourcePath, saving::BackupPath(files, file, false),
                                   saving::BackupPath(files, file, true)}) {
            if (CanonicalPlace(own) == place)
                return true;
        }
    }
    return false;
}

std::optional<QString> Write(const GameFileSet& files, const QString& path, const QByteArray& bytes)
{
    using gamefiles::FileKind;
    if (IsGameFileOrBackup(files, path))
        return QStringLiteral("is one of the game files or their backups; nothing was written. Choose another name.");
    switch (gamefiles::Examine(path)) {
    case FileKind::Absent:
    case FileKind::Regular:
    case FileKind::LinkToRegular: {
        const std::optional<QString> error = gamefiles::ReplaceFile(path, bytes);
        return error ? std::optional(QStringLiteral("could not be written: %1").arg(*error)) : std::nullopt;
    }
    case FileKind::Folder: return QStringLiteral("is a folder; nothing was written.");
    case FileKind::LinkToOther:
    case FileKind::Device:
    case FileKind::Fifo:
    case FileKind::Other: break;
    }
    const std::optional<QString> error = gamefiles::WriteInPlace(path, bytes);
    return error ? std::optional(QStringLiteral("could not be written: %1").arg(*error)) : std::nullopt;
}

} // namespace outputfile
