// The rows of the game file table.
#include "core/DataFiles.h"

#include "core/TableText.h"

#include <array>

using namespace Qt::StringLiterals;

namespace datafiles {
namespace {

// A language file never ends a load, so it has no progress or missing text of its own.
DataFileSpec LanguageFile(GameFile file, const QString& stem)
{
    return {file,         stem + u".dat"_s, {}, {}, LoadOutcome::Failed, std::nullopt, loading::StringFileLimit,
            stem + u".bak"_s, stem.toUpper() + u"(MASTER).bak"_s, true};
}

const std::array<DataFileSpec, 7>& Rows()
{
    static const std::array<DataFileSpec, 7> rows = {{
        {GameFile::English, u"english.dat"_s, u"ENGLISH.DAT...  "_s,
         ToQString(KESTREL_TR_NOOP("GameLoader", "Unable to load english.dat")),
         LoadOutcome::EnglishMissing, std::nullopt, loading::StringFileLimit, u"english.bak"_s, u"ENGLISH(MASTER).bak"_s,
         true},
        {GameFile::English2, u"english2.dat"_s, u"ENGLISH2.DAT...  "_s,
         ToQString(KESTREL_TR_NOOP("GameLoader", "Unable to load english2.dat")),
         LoadOutcome::English2Missing, std::nullopt, loading::StringFileLimit, u"english2.bak"_s,
         u"ENGLISH2(MASTER).bak"_s, true},
        {GameFile::Items, u"obdata.dat"_s, u"OBDATA.DAT...  "_s,
         ToQString(KESTREL_TR_NOOP("GameLoader", "Unable to load obdata.dat")),
         LoadOutcome::ItemsMissing, loading::ItemFileSize, std::nullopt, u"obdata.bak"_s, u"OBDATA(MASTER).bak"_s},
        LanguageFile(GameFile::German, u"german"_s),
        LanguageFile(GameFile::German2, u"german2"_s),
        LanguageFile(GameFile::French, u"french"_s),
        LanguageFile(GameFile::French2, u"french2"_s),
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

std::span<const DataFileSpec* const> StringTables()
{
    static const auto tables = [] {
        std::array<const DataFileSpec*, 6> found{};
        std::size_t next = 0;
        for (const DataFileSpec& dataFile : Rows()) {
            if (dataFile.stringTable)
                found.at(next++) = &dataFile;
        }
        return found;
    }();
    return tables;
}

std::span<const StringLanguage> Languages()
{
    static const std::array<StringLanguage, 3> languages = {{
        {ToQString(KESTREL_TR_NOOP("Languages", "English")), GameFile::English, GameFile::English2},
        {ToQString(KESTREL_TR_NOOP("Languages", "German")), GameFile::German, GameFile::German2},
        {ToQString(KESTREL_TR_NOOP("Languages", "French")), GameFile::French, GameFile::French2},
    }};
    return languages;
}

const DataFileSpec* Find(GameFile file)
{
    for (const DataFileSpec& dataFile : Rows()) {
        if (dataFile.file == file)
            return &dataFile;
    }
    return nullptr;
}

QString DisplayName(GameFile file)
{
    if (file == GameFile::Executable)
        return u"ufo.exe"_s;
    const DataFileSpec* dataFile = Find(file);
    return dataFile ? dataFile->fileName.toUpper() : QString();
}

QString TableName(GameFile file)
{
    const DataFileSpec* dataFile = Find(file);
    return dataFile ? dataFile->fileName : QString();
}

bool IsStringTable(GameFile file)
{
    const DataFileSpec* dataFile = Find(file);
    return dataFile && dataFile->stringTable;
}

} // namespace datafiles
