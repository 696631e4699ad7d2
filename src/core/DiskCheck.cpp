// Stamps of the game files on disk and the check against them before a write.
#include "core/DiskCheck.h"

#include "core/DataFiles.h"
#include "core/GameFiles.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QStringList>

namespace {

// The texts the window shows, in the interface's language (kestrel-cli never installs a translator).
struct Text {
    Q_DECLARE_TR_FUNCTIONS(DiskCheck)
};

} // namespace

namespace diskcheck {
namespace {

QByteArray HashOf(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

enum class FileState { Same, Changed, Missing };

FileState StateOf(const QString& path, const DiskStamp& stamp, Depth depth)
{
    const QFileInfo info(path);
    if (!info.exists())
        return FileState::Missing;
    if (!info.isFile() || info.size() != stamp.size)
        return FileState::Changed;
    // The time alone never counts as a change: a file saved again with the same bytes
    // loses nothing when it is written over.
    if (depth == Depth::Quick && info.lastModified() == stamp.modified)
        return FileState::Same;
    const std::optional<QByteArray> bytes = gamefiles::ReadWhole(path, stamp.size);
    return bytes && HashOf(*bytes) == stamp.hash ? FileState::Same : FileState::Changed;
}

QString NameOf(const ChangedFile& changed)
{
    const QString name = QFileInfo(changed.path).fileName();
    return changed.missing ? Text::tr("%1 (no longer there)").arg(name) : name;
}

QStringList NamesOf(const std::vector<ChangedFile>& changed)
{
    QStringList names;
    for (const ChangedFile& file : changed)
        names.append(NameOf(file));
    return names;
}

} // namespace

DiskStamp StampOf(const QString& path, const QByteArray& bytes)
{
    return {bytes.size(), QFileInfo(path).lastModified(), HashOf(bytes)};
}

std::vector<ChangedFile> ChangedFiles(const GameFileSet& files, Depth depth)
{
    std::vector<ChangedFile> changed;
    for (const GameFile file : datafiles::SaveOrder) {
        const GameBuffer& buffer = files.Buffer(file);
        if (!files.BelongsToCurrentInstall(buffer))
            continue;
        const FileState state = StateOf(buffer.sourcePath, buffer.onDisk, depth);
        if (state != FileState::Same)
            changed.push_back({file, buffer.sourcePath, state == FileState::Missing});
    }
    return changed;
}

Decision Confirm(const GameFileSet& files, Command command, Asker& asker)
{
    const std::vector<ChangedFile> changed = ChangedFiles(files, Depth::Full);
    if (changed.empty())
        return Decision::Write;
    const QString text = Text::tr("These files changed on disk after they were loaded or last saved, perhaps "
                                  "by another program:\n\n")
                         + NamesOf(changed).join(QLatin1Char('\n'));
    const QString overwrite = command == Command::Save
                                  ? Text::tr("Overwrite saves your edits over them.")
                                  : Text::tr("Overwrite makes the master backup from the files as they were "
                                             "loaded.");
    const QString informative = overwrite + Text::tr(" Reload loads the files from disk again. Cancel writes nothing.");
    switch (asker.AskThreeWay(Text::tr("Files Changed on Disk"), text, informative,
                              {Text::tr("Overwrite"), Text::tr("Reload"), Text::tr("Cancel")})) {
    case 0: return Decision::Write;
    case 1: return Decision::Reload;
    default: return Decision::Cancel;
    }
}

QString Notice(const std::vector<ChangedFile>& changed)
{
    return Text::tr("Changed on disk since loaded or saved: %1. Save will ask before writing over them.")
        .arg(NamesOf(changed).join(QStringLiteral(", ")));
}

} // namespace diskcheck
