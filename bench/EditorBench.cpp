// Figures for what a user does in the real main window (offscreen): a whole load with
// every view filled, one accepted edit of each kind with its view refresh and repaint,
// Save with backups, and the peak resident memory after a load.
#include "BenchSupport.h"
#include "core/Asker.h"
#include "sample/SampleInstall.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <memory>

namespace {

const GameVersion Builds[] = {GameVersion::CollectorsEdition, GameVersion::Dos12, GameVersion::Dos14};

// A shown main window with a generated install of the benchmark's build loaded.
class EditorFixture : public WindowFixture {
public:
    void SetUp(const benchmark::State& state) override { OpenWindow(Builds[state.range(0)]); }

protected:
    // One user action, then the events it posted (repaints included) are handled.
    // promptsEach: the input boxes one action must show, so an action that silently did
    // nothing cannot pass for a fast one.
    template <typename Action>
    void Measure(benchmark::State& state, unsigned promptsEach, Action action)
    {
        const unsigned askedBefore = m_asker.Asked();
        for (auto _ : state) {
            action();
            QApplication::processEvents();
        }
        if (m_asker.Failed())
            state.SkipWithError("an error was reported");
        else if (m_asker.Asked() - askedBefore != promptsEach * state.iterations())
            state.SkipWithError("the action did not ask as expected");
    }
};

void ApplyBuildArgs(benchmark::internal::Benchmark* benchmark)
{
    benchmark->DenseRange(0, 2)->ArgName("build")->Unit(benchmark::kMillisecond);
}

BENCHMARK_DEFINE_F(EditorFixture, BM_LoadWithViews)(benchmark::State& state)
{
    bool complete = true;
    Measure(state, 0, [&] { complete = complete && m_window->LoadFrom(m_paths->exePath) == LoadOutcome::Complete; });
    if (!complete)
        state.SkipWithError("the load did not complete");
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK_REGISTER_F(EditorFixture, BM_LoadWithViews)->Apply(ApplyBuildArgs);

BENCHMARK_DEFINE_F(EditorFixture, BM_EditUnitByte)(benchmark::State& state)
{
    ShowTab(3);
    Choose("cmbUnit", 7);
    m_asker.SetAnswers(QStringLiteral("80"), QStringLiteral("81"));
    Measure(state, 1, [&] { Find<QPushButton>("cmdTU")->click(); });
}
BENCHMARK_REGISTER_F(EditorFixture, BM_EditUnitByte)->Apply(ApplyBuildArgs);

BENCHMARK_DEFINE_F(EditorFixture, BM_EditBravery)(benchmark::State& state)
{
    ShowTab(3);
    Choose("cmbUnit", 7);
    m_asker.SetAnswers(QStringLiteral("35"), QStringLiteral("70"));
    Measure(state, 1, [&] { Find<QPushButton>("cmdBrav")->click(); });
}
BENCHMARK_REGISTER_F(EditorFixture, BM_EditBravery)->Apply(ApplyBuildArgs);

BENCHMARK_DEFINE_F(EditorFixture, BM_EditFacilityWord)(benchmark::State& state)
{
    ShowTab(1);
    Choose("cmbType", 16);
    m_asker.SetAnswers(QStringLiteral("1,500"), QStringLiteral("28671"));
    Measure(state, 1, [&] { Find<QPushButton>("cmdPrice")->click(); });
}
BENCHMARK_REGISTER_F(EditorFixture, BM_EditFacilityWord)->Apply(ApplyBuildArgs);

BENCHMARK_DEFINE_F(EditorFixture, BM_RenameItem)(benchmark::State& state)
{
    ShowTab(4);
    DoubleClickRow("lstItem", 2);
    m_asker.SetAnswers(QStringLiteral("Rifle"), QStringLiteral("Long Rifle"));
    Measure(state, 1, [&] { Find<QPushButton>("cmdName")->click(); });
}
BENCHMARK_REGISTER_F(EditorFixture, BM_RenameItem)->Apply(ApplyBuildArgs);

BENCHMARK_DEFINE_F(EditorFixture, BM_RenameSoldier)(benchmark::State& state)
{
    ShowTab(2);
    m_asker.SetAnswers(QStringLiteral("Ada"), QStringLiteral("Grace"));
    Measure(state, 1, [&] { DoubleClickRow("lstFirst", 119); });
}
BENCHMARK_REGISTER_F(EditorFixture, BM_RenameSoldier)->Apply(ApplyBuildArgs);

BENCHMARK_DEFINE_F(EditorFixture, BM_GridCell)(benchmark::State& state)
{
    ShowTab(0);
    Measure(state, 0, [&] {
        Find<QPushButton>("Command7")->click();
        Choose("Combo1", 3);
        Find<QPushButton>("cmdApply")->click();
    });
}
BENCHMARK_REGISTER_F(EditorFixture, BM_GridCell)->Apply(ApplyBuildArgs);

BENCHMARK_DEFINE_F(EditorFixture, BM_StoresLine)(benchmark::State& state)
{
    ShowTab(0);
    m_asker.SetAnswers(QStringLiteral("300"), QStringLiteral("28671"));
    auto* list = Find<QListWidget>("lstItems");
    Measure(state, 1, [&] {
        list->setCurrentRow(17);
        const QPoint pistols = list->visualItemRect(list->item(17)).center();
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, pistols);
    });
}
BENCHMARK_REGISTER_F(EditorFixture, BM_StoresLine)->Apply(ApplyBuildArgs);

BENCHMARK_DEFINE_F(EditorFixture, BM_SaveWithBackups)(benchmark::State& state)
{
    Measure(state, 0, [&] { Find<QAction>("mnuSave")->trigger(); });
}
BENCHMARK_REGISTER_F(EditorFixture, BM_SaveWithBackups)->Apply(ApplyBuildArgs);

} // namespace
