// Applying edits to the loaded files, all or nothing.
#include "core/GameDocument.h"

#include "core/ByteAccess.h"
#include "core/DataFiles.h"
#include "core/DiskCheck.h"

#include <utility>

GameDocument::GameDocument(QObject* parent)
    : QObject(parent)
{
}

FilesState GameDocument::State() const
{
    if (!m_files.HasExecutable())
        return FilesState::None;
    for (const GameFile file : {GameFile::Items, GameFile::English, GameFile::English2}) {
        if (!IsLoaded(file))
            return FilesState::ExecutableOnly;
    }
    return FilesState::Complete;
}

Change GameDocument::ChangeTo(GameFile file, qsizetype offset, const QByteArray& after, FieldRef ref) const
{
    return {file, offset, Working(file).mid(offset, after.size()), after, std::move(ref)};
}

bool GameDocument::ApplyOne(const Change& change)
{
    GameBuffer& buffer = m_files.Buffer(change.file);
    if (!buffer.IsLoaded() || !bytes::InRange(buffer.working, change.offset, change.before.size()))
        return false;
    if (QByteArrayView(buffer.working).sliced(change.offset, change.before.size()) != change.before)
        return false;
    // Only a string entry changes length; an executable or item file never does.
    if (change.before.size() != change.after.size() && !datafiles::IsStringTable(change.file))
        return false;
    buffer.working.replace(change.offset, change.before.size(), change.after);
    return true;
}

bool GameDocument::Apply(const Edit& edit)
{
    std::size_t applied = 0;
    for (; applied < edit.changes.size(); ++applied) {
        if (!ApplyOne(edit.changes[applied]))
            break;
    }
    if (applied < edit.changes.size()) {
        // Put back what this edit already changed, last first.
        while (applied > 0)
            (void)ApplyOne(edit.changes[--applied].Inverse());
        return false;
    }
    emit Changed(edit);
    NoteUnsettled(edit);
    return true;
}

void GameDocument::NoteUnsettled(const Edit& edit)
{
    m_unsettled.text = edit.text;
    m_unsettled.changes.insert(m_unsettled.changes.end(), edit.changes.begin(), edit.changes.end());
    if (m_settlePosted)
        return;
    m_settlePosted = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_settlePosted = false;
            Settle();
        },
        Qt::QueuedConnection);
}

void GameDocument::Settle()
{
    if (m_unsettled.changes.empty())
        return;
    const Edit changes = std::exchange(m_unsettled, Edit());
    emit Settled(changes);
}

namespace {

// Holds back the message about skipped language files, so that the views already show the
// files that were read while the user reads what was left out.
class SkippedFilesLater final : public LoadReporter {
public:
    explicit SkippedFilesLater(LoadReporter& reporter) : m_reporter(reporter) {}

    void Begin() override { m_reporter.Begin(); }
    void Append(const QString& text) override { m_reporter.Append(text); }
    void SetStatus(const QString& text) override { m_reporter.SetStatus(text); }
    void Finish() override { m_reporter.Finish(); }
    void ShowSkippedFiles(const QStringList& messages) override { m_skipped = messages; }

    void Tell() const
    {
        if (!m_skipped.isEmpty())
            m_reporter.ShowSkippedFiles(m_skipped);
    }

private:
    LoadReporter& m_reporter;
    QStringList m_skipped;
};

} // namespace

LoadOutcome GameDocument::Load(const ExeChooser& chooseExe, LoadReporter& reporter, const ContentsGate& gate)
{
    const int acceptedBefore = m_files.AcceptedLoads;
    SkippedFilesLater held(reporter);
    const LoadOutcome outcome = loading::LoadGameFiles(m_files, chooseExe, held, gate);
    // A load that stopped before accepting an executable changed nothing.
    if (m_files.AcceptedLoads != acceptedBefore)
        AnnounceReset();
    held.Tell();
    return outcome;
}

void GameDocument::AnnounceReset()
{
    DropUnsettled();
    emit Reset();
    emit FilesStateChanged(State());
}

void GameDocument::NoteSaved(const std::vector<FileWrite>& written)
{
    for (const FileWrite& write : written) {
        GameBuffer& buffer = m_files.Buffer(write.file);
        if (!write.isBackup && m_files.BelongsToCurrentInstall(buffer))
            buffer.onDisk = diskcheck::StampOf(buffer.sourcePath, buffer.working);
    }
}

void GameDocument::Close()
{
    m_files = GameFileSet();
    AnnounceReset();
}

void GameDocument::Adopt(GameFileSet files)
{
    m_files = std::move(files);
    AnnounceReset();
}
