// Figures for the edit history: undo and redo of one step of each kind with the views
// that show it refreshed, and a history of 10,000 steps.
#include "BenchSupport.h"
#include "core/GameDocument.h"
#include "sample/SampleInstall.h"
#include "ui/EditHistory.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <functional>
#include <memory>

namespace {

// The heap in use now, in kilobytes: resident memory moves in whole pages the allocator
// may already hold, so it would hide what the steps cost.
double HeapKilobytes()
{
    return static_cast<double>(mallinfo2().uordblks) / 1024.0;
}


struct Kind {
    const char* name;
    std::function<void(MainWindow&, AlternatingAsker&)> edit;
};

using bench::Choose;
using bench::DoubleClickRow;
using bench::Find;
using bench::ShowTab;

const Kind Kinds[] = {
    {"unit value", [](MainWindow& w, AlternatingAsker& a) { ShowTab(w, 3); Choose(w, "cmbUnit", 7); a.SetAnswers(QStringLiteral("80"), QStringLiteral("80")); Find<QPushButton>(w, "cmdTU")->click(); }},
    {"facility word", [](MainWindow& w, AlternatingAsker& a) { ShowTab(w, 1); Choose(w, "cmbType", 16); a.SetAnswers(QStringLiteral("1500"), QStringLiteral("1500")); Find<QPushButton>(w, "cmdPrice")->click(); }},
    {"item rename", [](MainWindow& w, AlternatingAsker& a) {
         ShowTab(w, 4);
         DoubleClickRow(w, "lstItem", 2);
         a.SetAnswers(QStringLiteral("Rifle"), QStringLiteral("Rifle"));
         Find<QPushButton>(w, "cmdName")->click(); }},
    {"soldier rename", [](MainWindow& w, AlternatingAsker& a) {
         ShowTab(w, 2);
         a.SetAnswers(QStringLiteral("Ada"), QStringLiteral("Ada"));
         DoubleClickRow(w, "lstFirst", 5); }},
    {"grid cell", [](MainWindow& w, AlternatingAsker&) {
         ShowTab(w, 0);
         Find<QPushButton>(w, "Command7")->click();
         Choose(w, "Combo1", 3);
         Find<QPushButton>(w, "cmdApply")->click(); }},
    {"stores amount", [](MainWindow& w, AlternatingAsker& a) {
         ShowTab(w, 0);
         auto* list = Find<QListWidget>(w, "lstItems");
         list->setCurrentRow(17);
         a.SetAnswers(QStringLiteral("300"), QStringLiteral("300"));
         QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(17)).center()); }},
    {"string", [](MainWindow& w, AlternatingAsker&) {
         ShowTab(w, 5);
         auto* list = Find<QListView>(w, "lstEng1");
         const QModelIndex index = list->model()->index(12, 0);
         list->setCurrentIndex(index);
         emit list->doubleClicked(index);
         Find<QLineEdit>(w, "Text1")->setText(QStringLiteral("A replacement of another length"));
         Find<QPushButton>(w, "cmdApplyStr")->click(); }},
};

class HistoryFixture : public WindowFixture {
public:
    void SetUp(const benchmark::State&) override { OpenWindow(GameVersion::CollectorsEdition); }
};

// Alternately undoes and redoes one step of the kind, each with its views refreshed and
// the tab that shows it brought to the front.
BENCHMARK_DEFINE_F(HistoryFixture, BM_UndoRedoStep)(benchmark::State& state)
{
    const Kind& kind = Kinds[state.range(0)];
    state.SetLabel(kind.name);
    kind.edit(*m_window, m_asker);
    QApplication::processEvents();
    QUndoStack& stack = m_window->History().Stack();
    if (stack.count() != 1) {
        state.SkipWithError("the edit made no step");
        return;
    }
    for (auto _ : state) {
        if (stack.canUndo())
            stack.undo();
        else
            stack.redo();
        QApplication::processEvents();
    }
}
BENCHMARK_REGISTER_F(HistoryFixture, BM_UndoRedoStep)->DenseRange(0, std::size(Kinds) - 1)->Unit(benchmark::kMillisecond);

// 10,000 unit values edited through the history: the memory the steps hold, and the
// time to undo them all at once.
BENCHMARK_DEFINE_F(HistoryFixture, BM_TenThousandSteps)(benchmark::State& state)
{
    EditHistory& history = m_window->History();
    const GameDocument& document = m_window->Document();
    const qsizetype start = 480147;  // Collector's Edition unit table
    for (auto _ : state) {
        state.PauseTiming();
        history.Stack().clear();
        const double before = HeapKilobytes();
        for (int step = 0; step < 10000; ++step) {
            const qsizetype offset = start + 1 + (step % 33) * 39;
            const char value = char(step % 200 + (document.Working(GameFile::Executable).at(offset) == char(step % 200)));
            history.Submit({QStringLiteral("step %1").arg(step),
                            {document.ChangeTo(GameFile::Executable, offset, QByteArray(1, value),
                                               {QStringLiteral("units"), step % 33, QStringLiteral("Time Units")})}});
        }
        state.counters["steps"] = history.Stack().count();
        state.counters["growth_MB"] = (HeapKilobytes() - before) / 1024.0;
        state.ResumeTiming();
        history.Stack().setIndex(0);
        QApplication::processEvents();
    }
}
BENCHMARK_REGISTER_F(HistoryFixture, BM_TenThousandSteps)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
