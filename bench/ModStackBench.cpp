// Figures for the Mods panel: ten mods of 250 changes each applied with the preview
// computed, and the conflicts view refreshed after a tick.
#include "BenchSupport.h"
#include "core/GameDocument.h"
#include "exchange/ChangeSet.h"
#include "tables/Catalogue.h"
#include "ui/ModsPanel.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QUndoStack>

#include <benchmark/benchmark.h>

namespace {

constexpr int Mods = 10;
constexpr int ChangesPerMod = 250;

// Ten mods over overlapping stretches of the numeric fields, so neighbours meet on about
// a fifth of their fields, as balance mods of one game do.
class ModsFixture : public WindowFixture {
public:
    void SetUp(const benchmark::State&) override
    {
        OpenWindow(GameVersion::CollectorsEdition);
        const GameDocument& document = m_window->Document();
        std::vector<std::pair<const catalogue::Table*, catalogue::Slot>> fields;
        for (const catalogue::Table& table : catalogue::Tables()) {
            if (!document.IsLoaded(table.file))
                continue;
            for (const catalogue::Slot& slot : catalogue::Slots(table, document.Version(), document.Working(table.file))) {
                if (catalogue::IsNumeric(slot.field->kind) && slot.field->kind != catalogue::Kind::Bravery)
                    fields.emplace_back(&table, slot);
            }
        }
        QStringList paths;
        for (int mod = 0; mod < Mods; ++mod) {
            std::vector<changeset::Entry> entries;
            for (int change = 0; change < ChangesPerMod; ++change) {
                const auto& [table, slot] = fields[std::size_t(mod * 200 + change) % fields.size()];
                entries.push_back(changeset::EntryFor(*table, slot.record, *slot.field, QString::number(1 + (mod + change) % 90)));
            }
            const QString path = QDir(m_dir.path()).filePath(QStringLiteral("mod%1.json").arg(mod));
            changeset::About about;
            about.name = QStringLiteral("Mod %1").arg(mod);
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(changeset::Write(entries, about)) < 0)
                std::abort();
            paths.append(path);
        }
        Panel().Add(paths);
    }

protected:
    ModsPanel& Panel() const { return *Find<ModsPanel>("dockMods"); }
};

BENCHMARK_DEFINE_F(ModsFixture, BM_ApplyTenModsWithPreview)(benchmark::State& state)
{
    QUndoStack& stack = m_window->History().Stack();
    for (auto _ : state) {
        Panel().ApplyMods();
        state.PauseTiming();
        if (stack.count() == 0 || m_asker.Failed())
            state.SkipWithError("Apply Mods was refused");
        stack.undo();
        state.ResumeTiming();
    }
}
BENCHMARK_REGISTER_F(ModsFixture, BM_ApplyTenModsWithPreview)->Unit(benchmark::kMillisecond);

BENCHMARK_DEFINE_F(ModsFixture, BM_ConflictsAfterATick)(benchmark::State& state)
{
    QListWidgetItem* item = Find<QListWidget>("lstMods")->item(4);
    for (auto _ : state) {
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        benchmark::DoNotOptimize(Panel().Conflicts().size());
    }
    state.counters["conflicts"] = double(Panel().Conflicts().size());
}
BENCHMARK_REGISTER_F(ModsFixture, BM_ConflictsAfterATick)->Unit(benchmark::kMillisecond);

} // namespace
