// One load of the game files as a test runs it: the chosen path and what was reported, in
// one log so its order can be checked.
#pragma once

#include "core/GameLoader.h"
#include "support/RecordingReporter.h"

#include <optional>

// The progress window's text after a load that read the four files every install has.
inline const QString CompleteProgress =
    QStringLiteral("UFO.EXE...  DONE!    OBDATA.DAT...  DONE!    ENGLISH.DAT...  DONE!    ENGLISH2.DAT...  DONE!    ");

// Loads the executable at exePath into files and edits one value (unit 7's time units, 80
// at 480421 in the Collector's Edition), so that a save has a change to write. False when
// the load was not complete.
[[nodiscard]] bool LoadWithOneEdit(GameFileSet& files, const QString& exePath);

class LoadRun {
public:
    // Runs the load at once; nullopt as the path stands for a cancelled dialog.
    LoadRun(GameFileSet& files, const std::optional<QString>& exePath, const LoadAnyway& loadAnyway = {});
    LoadRun(const LoadRun&) = delete;
    LoadRun& operator=(const LoadRun&) = delete;

    [[nodiscard]] LoadOutcome Outcome() const { return m_outcome; }
    [[nodiscard]] const RecordingReporter& Reporter() const { return m_reporter; }
    [[nodiscard]] const QStringList& Log() const { return m_log; }

private:
    QStringList m_log;
    RecordingReporter m_reporter{&m_log};
    LoadOutcome m_outcome;
};
