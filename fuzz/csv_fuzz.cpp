// Fuzz target for importing a table from CSV. Input: one byte choosing the table the file
// name would hint at, then the file. Imported cells either are refused or apply; exporting after that and
// importing the export again finds nothing left to change.
#include "core/GameDocument.h"
#include "exchange/ChangeSet.h"
#include "exchange/TableCsv.h"
#include "sample/SampleInstall.h"
#include "tables/Catalogue.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Require(bool holds, const char* what)
{
    if (holds)
        return;
    std::fprintf(stderr, "CSV import property violated: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const GameFileSet files = sample::LoadedFiles(GameVersion::Dos14);
    if (size < 1)
        return 0;
    const auto& tables = catalogue::Tables();
    const QString table = tables[data[0] % tables.size()].Name();
    GameDocument document;
    document.Adopt(files);
    const tablecsv::Imported imported = tablecsv::Import(
        document, table, QByteArray(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1)));
    if (!imported.problems.isEmpty())
        return 0;
    const changeset::Resolved resolved = changeset::Resolve(document, imported.entries, {}, QStringLiteral("fuzz"));
    if (!resolved.problems.isEmpty())
        return 0;
    Require(document.Apply(resolved.edit), "checked cells apply");
    // The header decides the table; the chosen one is only a hint.
    const tablecsv::Imported again =
        tablecsv::Import(document, imported.table, tablecsv::Export(document, imported.table));
    Require(again.problems.isEmpty(), "an exported table imports");
    Require(again.entries.empty(), "an exported table imports without a change");
    return 0;
}
