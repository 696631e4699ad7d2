// Figures for the "String Editor" tab on the sample tables and on tables 100 times their
// size: Apply (one entry replaced, both lists refilled, laid out and painted) and one
// keystroke in the filter box (both lists filtered, laid out and painted).
#include "BenchSupport.h"
#include "core/Asker.h"
#include "core/GameFileSet.h"
#include "sample/SampleInstall.h"
#include "ui/EditorContext.h"
#include "ui/tabs/StringEditorTab.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The table's entries repeated, its bytes after the last zero kept once at the end.
QByteArray Scaled(const QByteArray& table, int times)
{
    const qsizetype entriesEnd = table.lastIndexOf('\0') + 1;
    return table.first(entriesEnd).repeated(times) + table.sliced(entriesEnd);
}

class StringEditorFixture : public benchmark::Fixture {
public:
    void SetUp(const benchmark::State& state) override
    {
        EnsureApplication();
        const int times = static_cast<int>(state.range(0));
        GameFileSet files;
        files.EnglishTable.Accept(Scaled(sample::EnglishFile(), times), QStringLiteral("english.dat"), {});
        files.English2Table.Accept(Scaled(sample::English2File(), times), QStringLiteral("english2.dat"), {});
        m_document.Adopt(files);
        m_tab = std::make_unique<StringEditorTab>(m_context);
        m_tab->resize(1000, 700);
        m_tab->show();
        m_tab->FillStringLists();
        QApplication::processEvents();
    }

    void TearDown(const benchmark::State&) override { m_tab.reset(); }

protected:
    template <typename T>
    T* Find(const char* name) const
    {
        return m_tab->findChild<T*>(QString::fromLatin1(name));
    }

    GameDocument m_document;
    EditHistory m_history{m_document};
    SilentAsker m_asker;
    EditorContext m_context{m_document, m_history, m_asker, {}, {}};
    std::unique_ptr<StringEditorTab> m_tab;
};

BENCHMARK_DEFINE_F(StringEditorFixture, BM_StringEditorApply)(benchmark::State& state)
{
    auto* list = Find<QListView>("lstEng1");
    auto* text = Find<QLineEdit>("Text1");
    auto* apply = Find<QPushButton>("cmdApplyStr");
    const int middle = list->model()->rowCount() / 2;
    int round = 0;
    for (auto _ : state) {
        const QModelIndex index = list->model()->index(middle, 0);
        list->setCurrentIndex(index);
        emit list->doubleClicked(index);
        text->setText(QStringLiteral("A replacement of another length, round %1").arg(++round));
        apply->click();
        QApplication::processEvents();
    }
    state.counters["entries"] = list->model()->rowCount() + Find<QListView>("lstEng2")->model()->rowCount();
}
BENCHMARK_REGISTER_F(StringEditorFixture, BM_StringEditorApply)->Arg(1)->Arg(100)->Arg(180)->Unit(benchmark::kMillisecond);

// Each round is one keystroke: a letter typed or taken back. Case 0 narrows "lase" to
// "laser" and back (about a tenth of the entries stay); case 1 types "a" into the empty box
// and takes it back, so nearly every row leaves and returns: the most a keystroke moves.
BENCHMARK_DEFINE_F(StringEditorFixture, BM_StringFilterKeystroke)(benchmark::State& state)
{
    auto* find = Find<QLineEdit>("txtFind");
    const QString queries[2][2] = {{QStringLiteral("lase"), QStringLiteral("laser")},
                                   {QString(), QStringLiteral("a")}};
    const auto& pair = queries[state.range(1)];
    find->setText(pair[0]);
    QApplication::processEvents();
    int round = 0;
    for (auto _ : state) {
        find->setText(pair[++round % 2]);
        QApplication::processEvents();
    }
    state.counters["entries"] = m_document.Working(GameFile::English).count('\0')
                                + m_document.Working(GameFile::English2).count('\0');
}
BENCHMARK_REGISTER_F(StringEditorFixture, BM_StringFilterKeystroke)
    ->Args({1, 0})
    ->Args({1, 1})
    ->Args({100, 0})
    ->Args({100, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace
