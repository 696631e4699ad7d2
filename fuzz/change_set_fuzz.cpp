// Fuzz target for change-set files: reading, checking against a loaded install, and
// applying. Whatever the input, a change set either is refused with reasons and changes
// nothing, or applies and undoes back to the bytes as loaded.
#include "core/GameDocument.h"
#include "exchange/ChangeSet.h"
#include "sample/SampleInstall.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Require(bool holds, const char* what)
{
    if (holds)
        return;
    std::fprintf(stderr, "change-set property violated: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const GameFileSet files = sample::LoadedFiles(GameVersion::CollectorsEdition);
    const changeset::Parsed parsed =
        changeset::Parse(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!parsed.problems.isEmpty())
        return 0;
    GameDocument document;
    document.Adopt(files);
    for (const bool force : {false, true}) {
        const changeset::Resolved resolved = changeset::Resolve(document, parsed.entries, {.force = force}, QStringLiteral("fuzz"));
        if (!resolved.problems.isEmpty()) {
            Require(resolved.edit.changes.empty(), "a refused change set carries no change");
            continue;
        }
        Require(document.Apply(resolved.edit), "a checked change set applies");
        Require(document.Apply(resolved.edit.Inverse()), "an applied change set undoes");
        for (const GameFile file : {GameFile::Executable, GameFile::Items, GameFile::English, GameFile::English2})
            Require(document.Working(file) == document.Pristine(file), "undo restores every byte");
    }
    return 0;
}
