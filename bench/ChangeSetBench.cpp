// Figures for change sets and tables: applying a change to every field of every table
// with the save, and exporting every table.
#include "BenchSupport.h"
#include "core/GameDocument.h"
#include "core/GameSaver.h"
#include "exchange/ChangeSet.h"
#include "exchange/TableCsv.h"
#include "sample/SampleInstall.h"
#include "tables/Catalogue.h"
#include "tables/Plausibility.h"
#include "ui/ChangesModel.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A value for every field that differs from most sample values and passes every rule.
QJsonValue NewValue(const catalogue::Table& table, const catalogue::Slot& slot)
{
    switch (slot.field->kind) {
    case catalogue::Kind::Flag: return QStringLiteral("Yes");
    case catalogue::Kind::DamageType: return QStringLiteral("HE");
    case catalogue::Kind::BaseFacility: return QStringLiteral("Workshop");
    case catalogue::Kind::Name: return QStringLiteral("N%1").arg(slot.record);
    case catalogue::Kind::StringEntry: return QStringLiteral("String number %1").arg(slot.record);
    case catalogue::Kind::Bravery: return 70;
    default: return table.Name() == QStringLiteral("items") && slot.field->Name().startsWith(QStringLiteral("Ammo")) ? 3 : 7;
    }
}

std::vector<changeset::Entry> EveryField(const GameDocument& document)
{
    std::vector<changeset::Entry> entries;
    for (const catalogue::Table& table : catalogue::Tables()) {
        for (const catalogue::Slot& slot : catalogue::Slots(table, document.Version(), document.Working(table.file))) {
            const QJsonValue record = table.Numbered() ? QJsonValue(slot.record)
                                                     : QJsonValue(catalogue::RecordName(table, slot.record));
            entries.push_back({table.Name(), record, slot.field->Name(), std::nullopt, NewValue(table, slot), {}});
        }
    }
    return entries;
}

void BM_ApplyEveryFieldAndSave(benchmark::State& state)
{
    QTemporaryDir dir;
    const std::optional<SamplePaths> paths = sample::WriteInstall(dir.path(), GameVersion::CollectorsEdition);
    GameDocument document;
    SilentReporter reporter;
    (void)document.Load([&]() -> std::optional<QString> { return paths->exePath; }, reporter, plausibility::Gate());
    const std::vector<changeset::Entry> entries = EveryField(document);
    const GameFileSet loaded = document.Files();
    SilentAsker asker;
    std::size_t changes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        document.Adopt(loaded);
        state.ResumeTiming();
        const changeset::Resolved resolved = changeset::Resolve(document, entries, {}, QStringLiteral("bench"));
        if (!resolved.problems.isEmpty() || !document.Apply(resolved.edit)
            || !saving::Save(document.FilesToSave(), true, asker)) {
            state.SkipWithError(resolved.problems.value(0, QStringLiteral("apply or save failed")).toUtf8().constData());
            return;
        }
        changes = resolved.edit.changes.size();
    }
    state.counters["entries"] = double(entries.size());
    state.counters["changes"] = double(changes);
}
BENCHMARK(BM_ApplyEveryFieldAndSave)->Unit(benchmark::kMillisecond);

void BM_ExportEveryTable(benchmark::State& state)
{
    GameDocument document;
    document.Adopt(sample::LoadedFiles(GameVersion::CollectorsEdition));
    const bool csv = state.range(0) == 1;
    qsizetype bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        if (csv) {
            for (const catalogue::Table& table : catalogue::Tables())
                bytes += tablecsv::Export(document, table.Name()).size();
        } else {
            bytes = changeset::Write(changeset::WholeTables(document, {})).size();
        }
    }
    state.SetLabel(csv ? "CSV, one file per table" : "JSON change set");
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(BM_ExportEveryTable)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The Changes panel's lines recomputed after one edit, with every field of every table
// already changed (about 3,000 lines).
void BM_ChangesPanelRefresh(benchmark::State& state)
{
    EnsureApplication();
    GameDocument document;
    document.Adopt(sample::LoadedFiles(GameVersion::CollectorsEdition));
    const changeset::Resolved every = changeset::Resolve(document, EveryField(document), {}, QStringLiteral("all"));
    if (!every.problems.isEmpty() || !document.Apply(every.edit)) {
        state.SkipWithError(every.problems.value(0, QStringLiteral("the every-field change set did not apply"))
                                .toUtf8()
                                .constData());
        return;
    }
    ChangesModel model(document);
    const Change one = document.ChangeTo(GameFile::Executable, 480421, QByteArray(1, 9),
                                         {QStringLiteral("units"), 7, QStringLiteral("Time Units")});
    bool forth = true;
    for (auto _ : state) {
        const Edit edit{QStringLiteral("one"), {forth ? one : one.Inverse()}};
        forth = !forth;
        if (!document.Apply(edit))
            state.SkipWithError("the edit did not apply");
        document.Settle();  // the model refreshes on the document's signal
    }
    state.counters["lines"] = model.rowCount();
}
BENCHMARK(BM_ChangesPanelRefresh)->Unit(benchmark::kMillisecond);

} // namespace
