// A test's run of the load.
#include "support/LoadRun.h"

#include "tables/Plausibility.h"

LoadRun::LoadRun(GameFileSet& files, const std::optional<QString>& exePath, const LoadAnyway& loadAnyway)
    : m_outcome(loading::LoadGameFiles(
          files, [exePath] { return exePath; }, m_reporter, m_views, plausibility::Gate(loadAnyway)))
{
}
