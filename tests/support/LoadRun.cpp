// A test's run of the load.
#include "support/LoadRun.h"

#include "tables/Plausibility.h"

LoadRun::LoadRun(GameFileSet& files, const std::optional<QString>& exePath, const LoadAnyway& loadAnyway)
    : m_outcome(loading::LoadGameFiles(
          files, [exePath] { return exePath; }, m_reporter, plausibility::Gate(loadAnyway)))
{
}

bool LoadWithOneEdit(GameFileSet& files, const QString& exePath)
{
    const LoadRun run(files, exePath);
    if (run.Outcome() != LoadOutcome::Complete)
        return false;
    files.ExeImage.working[480421] = char(80);
    return true;
}
