// Figures for the record tables: the 80-record item table filled from a load, one cell
// accepted with every view of it refreshed, and an 80 × 6 block pasted; each with the
// events it posted handled, the repaint included.
#include "BenchSupport.h"
#include "core/GameDocument.h"
#include "core/GameLoader.h"
#include "sample/SampleInstall.h"
#include "tables/Plausibility.h"
#include "ui/EditHistory.h"
#include "ui/EditorContext.h"
#include "ui/MainWindow.h"
#include "ui/RecordTableModel.h"
#include "ui/RecordTableView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QUndoStack>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The item tab of a loaded main window, switched to its table.
class TableFixture : public WindowFixture {
public:
    void SetUp(const benchmark::State&) override
    {
        OpenWindow(GameVersion::CollectorsEdition);
        m_window->resize(1200, 900);
        ShowTab(4);
        Find<QAbstractButton>("optItemTable")->click();
        m_table = Find<RecordTableView>("tblItems");
        QApplication::processEvents();
    }

protected:
    QModelIndex Cell(int row, int column) const { return m_table->model()->index(row, column); }

    // Fails the benchmark unless every round made one step.
    void ExpectSteps(benchmark::State& state) const
    {
        if (m_window->History().Stack().count() != int(state.iterations()))
            state.SkipWithError("a round made no step");
    }

    RecordTableView* m_table = nullptr;
};

// A table of its own over a document that takes the loaded files anew each round, so
// only this table is rebuilt: its rows, its column widths, and its repaint.
void BM_FillItemTable(benchmark::State& state)
{
    EnsureApplication();
    QTemporaryDir dir;
    const std::optional<SamplePaths> paths = sample::WriteInstall(dir.path(), GameVersion::CollectorsEdition);
    GameFileSet files;
    SilentReporter reporter;
    if (!paths || loading::LoadGameFiles(files, [&] { return std::optional(paths->exePath); }, reporter, plausibility::Gate())
                      != LoadOutcome::Complete) {
        state.SkipWithError("the sample did not load");
        return;
    }
    GameDocument document;
    EditHistory history(document);
    SilentAsker asker;
    EditorContext context{document, history, asker, [] {}, [] {}};
    RecordTableView view(context, QStringLiteral("items"), QStringLiteral("Index"));
    view.resize(1200, 800);
    view.show();
    QApplication::processEvents();
    for (auto _ : state) {
        document.Adopt(files);
        QApplication::processEvents();
    }
    if (view.model()->rowCount() != 80)
        state.SkipWithError("the table was not filled");
}
BENCHMARK(BM_FillItemTable)->Unit(benchmark::kMillisecond);

// Alternately 40 and 41 into one accuracy cell, through the model as the cell editor
// commits it: the step, the form and the table refreshed.
BENCHMARK_DEFINE_F(TableFixture, BM_EditCell)(benchmark::State& state)
{
    const QModelIndex cell = Cell(2, 7);
    int round = 0;
    for (auto _ : state) {
        m_table->model()->setData(cell, QString::number(40 + round++ % 2));
        QApplication::processEvents();
    }
    ExpectSteps(state);
}
BENCHMARK_REGISTER_F(TableFixture, BM_EditCell)->Unit(benchmark::kMillisecond);

// Every item's three accuracies and three TU percentages, two blocks in turn.
BENCHMARK_DEFINE_F(TableFixture, BM_Paste80x6)(benchmark::State& state)
{
    QString blocks[2];
    for (int block = 0; block < 2; ++block) {
        for (int row = 0; row < 80; ++row) {
            for (int column = 0; column < 6; ++column)
                blocks[block] += QString::number(10 + block + column * 10) + (column < 5 ? u'\t' : u'\n');
        }
    }
    const QModelIndex start = Cell(0, 6);  // Autoshot Accuracy
    int round = 0;
    for (auto _ : state) {
        QGuiApplication::clipboard()->setText(blocks[round++ % 2]);
        m_table->selectionModel()->setCurrentIndex(start, QItemSelectionModel::ClearAndSelect);
        m_table->Paste();
        QApplication::processEvents();
    }
    ExpectSteps(state);
}
BENCHMARK_REGISTER_F(TableFixture, BM_Paste80x6)->Unit(benchmark::kMillisecond);

} // namespace
