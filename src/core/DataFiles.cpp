// The rows of the game file table.
#include "core/DataFiles.h"

#include <array>

using namespace Qt::StringLiterals;

namespace datafiles {
namespace {

const std::array<DataFileSpec, 3>& Rows()
{
    static const std::array<DataFileSpec, 3> rows = {{
        {GameFile::English, u"english.dat"_s, u"ENGLISH.DAT...  "_s, u"Unable to load english.dat"_s,
         LoadOutcome::EnglishMissing, std::nullopt, loading::StringFileLimit, u"english.bak"_s, u"ENGLISH(MASTER).bak"_s},
        {GameFile::English2, u"english2.dat"_s, u"ENGLISH2.DAT...  "_s, u"Unable to load english2.dat"_s,
         LoadOutcome::English2Missing, std::nullopt, loading::StringFileLimit, u"english2.bak"_s, u"ENGLISH2(MASTER).bak"_s},
        {GameFile::Items, u"obdata.dat"_s, u"OBDATA.DAT...  "_s, u"Unable to load obdata.dat"_s,
         LoadOutcome::ItemsMissing, loading::ItemFileSize, std::nullopt, u"obdata.bak"_s, u"OBDATA(MASTER).bak"_s},
    }};
    return rows;
}

} // namespace

std::span<const DataFileSpec> All()
{
    return Rows();
}

std::span<const DataFileSpec* const> LoadOrder()
{
    static const std::array<const DataFileSpec*, 3> order = {&Rows()[2], &Rows()[0], &Rows()[1]};
    return order;
}

const DataFileSpec* Find(GameFile file)
{
    for (const DataFileSpec& spec : Rows()) {
        if (spec.file == file)
            return &spec;
    }
    return nullptr;
}

QString DisplayName(GameFile file)
{
    if (file == GameFile::Executable)
        return u"ufo.exe"_s;
    const DataFileSpec* spec = Find(file);
    return spec ? spec->fileName.toUpper() : QString();
}

} // namespace datafiles
