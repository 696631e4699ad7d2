// Stamps of the game files on disk and the check against them before a write.
#include "core/DiskCheck.h"

#include "core/DataFiles.h"
#include "core/GameFiles.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
namespace {

// The texts the window shows, in the interface's language (kestrel-cli never installs a translator).
struct Text {
    Q_DECLARE_TR_FUNCTIONS(DiskCheck)
};

} // namespace

namespace diskcheck {
namespace {

// Buffers that were never edited share their bytes with the stamp: no byte is compared.
bool SameBytes(const QByteArray& one, const QByteArray& other)
{
    return one.size() == other.size() && (one.constData() == other.constData() || one == other);
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
    return bytes && SameBytes(*bytes, stamp.contents) ? FileState::Same : FileState::Changed;
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
    return {bytes.size(), QFileInfo(path).lastModified(), bytes};
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

bool HoldsUnsavedEdit(const GameBuffer& buffer)
{
    return !SameBytes(buffer.working, buffer.onDisk.contents);
}

bool IsStale(const GameFileSet& files, GameFile file)
{
    const GameBuffer& buffer = files.Buffer(file);
    return files.BelongsToCurrentInstall(buffer) && !HoldsUnsavedEdit(buffer)
           && StateOf(buffer.sourcePath, buffer.onDisk, Depth::Full) != FileState::Same;
}

SavePlan PlanSave(const GameFileSet& files, bool makeBackups, const std::vector<GameFile>& overwrite)
{
    SavePlan plan;
    std::vector<GameFile> skipped;
    for (const ChangedFile& changed : ChangedFiles(files, Depth::Full)) {
        if (!HoldsUnsavedEdit(files.Buffer(changed.file))) {
            plan.leftAlone.push_back(changed);
            skipped.push_back(changed.file);
        } else if (std::find(overwrite.begin(), overwrite.end(), changed.file) == overwrite.end()) {
            plan.conflicts.push_back(changed);
        }
    }
    for (FileWrite& write : saving::SaveWrites(files, makeBackups)) {
        if (std::find(skipped.begin(), skipped.end(), write.file) == skipped.end())
            plan.writes.push_back(std::move(write));
    }
    return plan;
}

Decision Confirm(const GameFileSet& files, Command command, Asker& asker)
{
    return Ask(ChangedFiles(files, Depth::Full), command, asker);
}

Decision Ask(const std::vector<ChangedFile>& changed, Command command, Asker& asker)
{
    if (changed.empty())
        return Decision::Write;
    const QString text = Text::tr("These files changed on disk after they were loaded or last saved, perhaps "
                                  "by another program:\n\n")
                         + NamesOf(changed).join(QLatin1Char('\n'));
    const QString overwrite = command == Command::Save
                                  ? Text::tr("They hold edits of yours that are not saved. Overwrite replaces "
                                             "the other program's version of them with yours.")
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

QString Notice(const GameFileSet& files, const std::vector<ChangedFile>& changed)
{
    std::vector<ChangedFile> leftAlone;
    std::vector<ChangedFile> edited;
    for (const ChangedFile& file : changed)
        (HoldsUnsavedEdit(files.Buffer(file.file)) ? edited : leftAlone).push_back(file);
    QStringList sentences;
    if (!leftAlone.empty()) {
        const QString names = NamesOf(leftAlone).join(QStringLiteral(", "));
        sentences.append(leftAlone.size() == 1
                             ? Text::tr("Changed on disk by another program: %1. Save leaves it as it is; "
                                        "reload to see or edit it.")
                                   .arg(names)
                             : Text::tr("Changed on disk by another program: %1. Save leaves them as they are; "
                                        "reload to see or edit them.")
                                   .arg(names));
    }
    if (!edited.empty()) {
        sentences.append(Text::tr("Changed on disk since loaded or saved: %1. Save will ask before writing over "
                                  "them.")
                             .arg(NamesOf(edited).join(QStringLiteral(", "))));
    }
    return sentences.join(u' ');
}

} // namespace diskcheck
