// Figures for splitting, reading and editing a string table of 100,000 entries (about
// 4.6 MB), and for the largest table a load accepts: 16 MiB of zero bytes, an entry each.
#include "tables/StringFilter.h"
#include "tables/StringTable.h"

#include <QString>

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

QByteArray LargeTable()
{
    QByteArray table;
    table.reserve(4'700'000);
    for (int i = 0; i < 100'000; ++i) {
        table += "A text of the kind a game shows, number ";
        table += QByteArray::number(i);
        table += '\0';
    }
    return table;
}

const QByteArray& Table()
{
    static const QByteArray table = LargeTable();
    return table;
}

void BM_StringTableSplit(benchmark::State& state)
{
    for (auto _ : state) {
        strings::StringTable table(Table());
        benchmark::DoNotOptimize(table.Count());
    }
    state.SetBytesProcessed(state.iterations() * Table().size());
}
BENCHMARK(BM_StringTableSplit)->Unit(benchmark::kMillisecond);

// Entries looked up by index in a scattered order, as a list view asks for its rows.
void BM_StringTableLookup(benchmark::State& state)
{
    const strings::StringTable table(Table());
    qsizetype index = 0;
    for (auto _ : state) {
        index = (index + 7919) % table.Count();
        benchmark::DoNotOptimize(table.Text(index));
    }
}
BENCHMARK(BM_StringTableLookup);

std::size_t HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void BM_StringTableSplitZeros16MiB(benchmark::State& state)
{
    const QByteArray zeros(16 * 1024 * 1024, '\0');
    std::size_t indexBytes = 0;
    for (auto _ : state) {
        const std::size_t before = HeapInUse();
        strings::StringTable table(zeros);
        indexBytes = HeapInUse() - before;
        benchmark::DoNotOptimize(table.Count());
    }
    state.counters["index_MiB"] = static_cast<double>(indexBytes) / (1024.0 * 1024.0);
}
BENCHMARK(BM_StringTableSplitZeros16MiB)->Unit(benchmark::kMillisecond);

void BM_StringTableReplaceMiddle(benchmark::State& state)
{
    for (auto _ : state) {
        std::optional<QByteArray> edited = strings::ReplaceEntry(Table(), 50'000, "A longer replacement text");
        benchmark::DoNotOptimize(edited);
    }
    state.SetBytesProcessed(state.iterations() * Table().size());
}
BENCHMARK(BM_StringTableReplaceMiddle)->Unit(benchmark::kMillisecond);

// The filter's share of a keystroke: every entry of the table tested against a text
// that is in none of them, so each byte is looked at.
void BM_StringFilterScan(benchmark::State& state)
{
    const strings::StringTable table(Table());
    const strings::EntryFilter filter(QStringLiteral("Laser"));
    for (auto _ : state) {
        qsizetype found = 0;
        for (qsizetype entry = 0; entry < table.Count(); ++entry)
            found += filter.Accepts(entry, table.Text(entry)) ? 1 : 0;
        benchmark::DoNotOptimize(found);
    }
    state.SetBytesProcessed(state.iterations() * Table().size());
}
BENCHMARK(BM_StringFilterScan)->Unit(benchmark::kMillisecond);

} // namespace
