// The loaded game files as the editor's one document: views read its bytes, and Apply is
// the only way they change. Listeners hear of every change and of every load and close;
// views hear of changes once per turn of the event loop.
#pragma once

#include "core/Asker.h"
#include "core/Change.h"
#include "core/GameFileSet.h"
#include "core/GameLoader.h"
#include "core/GameSaver.h"

#include <QObject>

enum class FilesState { None, ExecutableOnly, Complete };

class GameDocument final : public QObject {
    Q_OBJECT
public:
    explicit GameDocument(QObject* parent = nullptr);

    [[nodiscard]] const GameFileSet& Files() const { return m_files; }
    [[nodiscard]] GameVersion Version() const { return m_files.Version; }
    [[nodiscard]] bool HasExecutable() const { return m_files.HasExecutable(); }
    [[nodiscard]] bool IsLoaded(GameFile file) const { return m_files.Buffer(file).IsLoaded(); }
    [[nodiscard]] const QByteArray& Working(GameFile file) const { return m_files.Buffer(file).working; }
    [[nodiscard]] const QByteArray& Pristine(GameFile file) const { return m_files.Buffer(file).pristine; }
    [[nodiscard]] FilesState State() const;

    // A change of the bytes at offset into after, with what the file holds there now as
    // its bytes before.
    [[nodiscard]] Change ChangeTo(GameFile file, qsizetype offset, const QByteArray& after, FieldRef ref = {}) const;

    // Applies every change of the edit in order, or none: a change whose bytes before are
    // not what the file holds there (or lie outside it) refuses the whole edit.
    [[nodiscard]] bool Apply(const Edit& edit);

    // The load of "L&oad Files", on the document's own files. A load that accepted an
    // executable is announced once it has ended, before the reporter hears of skipped files.
    LoadOutcome Load(const ExeChooser& chooseExe, LoadReporter& reporter, const ContentsGate& gate = {});
    // Drops every buffer: nothing of this load can be saved any more.
    void Close();
    // Takes a whole file set as loaded elsewhere (tests, benchmarks, the command-line tool).
    void Adopt(GameFileSet files);

    // Saving writes the document's buffers; it never changes them.
    [[nodiscard]] const GameFileSet& FilesToSave() const { return m_files; }
    // After a save: the game files among the writes now hold the working buffers on disk.
    // The pristine copies stay as loaded.
    void NoteSaved(const std::vector<FileWrite>& written);

    // Tells the views now of the changes not yet settled, rather than when the event loop
    // comes round: after a user's own edit, whose handler may go on to read a view.
    void Settle();

signals:
    void Changed(const Edit& edit);
    // Every change since the last, as one edit, once per turn of the event loop (or at
    // Settle): views refresh from this, so undoing 10,000 steps at once refreshes each
    // view once instead of 10,000 times. A load or Close drops what was not yet told.
    void Settled(const Edit& changes);
    // The files were loaded, closed or replaced: every view rebuilds.
    void Reset();
    // Follows every Reset: what is loaded now, so the views know what they may offer.
    void FilesStateChanged(FilesState state);

private:
    [[nodiscard]] bool ApplyOne(const Change& change);
    void NoteUnsettled(const Edit& edit);
    void DropUnsettled() { m_unsettled = {}; }
    void AnnounceReset();

    GameFileSet m_files;
    Edit m_unsettled;
    bool m_settlePosted = false;
};
