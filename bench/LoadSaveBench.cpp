// kestrel-bench: how long loading and saving a whole Collector's Edition install takes.
#include "BenchSupport.h"
#include "core/GameLoader.h"
#include "core/GameSaver.h"
#include "sample/SampleInstall.h"
#include "tables/Plausibility.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Install {
    QTemporaryDir dir;
    SamplePaths paths;
};

// One install for all runs: measuring the generator is not the point.
const Install& SharedInstall()
{
    static Install install = [] {
        Install made;
        made.paths = sample::WriteInstall(made.dir.path(), GameVersion::CollectorsEdition).value();
        return made;
    }();
    return install;
}

bool Load(GameFileSet& files)
{
    SilentReporter reporter;
    const QString exe = SharedInstall().paths.exePath;
    return loading::LoadGameFiles(files, [&] { return std::optional(exe); }, reporter, plausibility::Gate())
           == LoadOutcome::Complete;
}

void BM_Load(benchmark::State& state)
{
    for (auto _ : state) {
        GameFileSet files;
        if (!Load(files))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(files.ExeImage.working.data());
    }
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

// Argument 1: with the four backups, as the menu's default; 0: the game files only.
void BM_Save(benchmark::State& state)
{
    GameFileSet files;
    if (!Load(files)) {
        state.SkipWithError("load failed");
        return;
    }
    SilentAsker asker;
    for (auto _ : state) {
        if (!saving::Save(files, state.range(0) != 0, asker))
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_Save)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_GenerateExecutable(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(sample::Executable(GameVersion::CollectorsEdition).size());
}
BENCHMARK(BM_GenerateExecutable)->Unit(benchmark::kMillisecond);

} // namespace
