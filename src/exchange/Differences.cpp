// Comparing the working bytes with the bytes as loaded, field by field.
#include "exchange/Differences.h"

#include "core/ByteAccess.h"
#include "core/DataFiles.h"
#include "core/GameDocument.h"
#include "tables/Catalogue.h"
#include "tables/StringTable.h"

#include <algorithm>
#include <cstring>

using namespace Qt::StringLiterals;

namespace differences {
namespace {

QString FileName(GameFile file)
{
    if (file == GameFile::Executable)
        return u"ufo.exe"_s;
    const DataFileSpec* dataFile = datafiles::Find(file);
    return dataFile ? dataFile->fileName : QString();
}

// A file never edited still shares its bytes with the copy as loaded: nothing to compare.
bool Unchanged(const QByteArray& working, const QByteArray& pristine)
{
    return working.size() == pristine.size() && (working.constData() == pristine.constData() || working == pristine);
}

QString Hex(std::uint8_t byte)
{
    return u"0x"_s + QString::number(byte, 16).rightJustified(2, u'0').toUpper();
}

// Fields of a file that never changes size: same offsets in both copies.
void CompareFixed(const GameDocument& document, GameFile file, std::vector<Difference>& lines)
{
    const QByteArray& pristine = document.Pristine(file);
    const QByteArray& working = document.Working(file);
    if (working.size() != pristine.size() || working.constData() == pristine.constData())
        return;
    // The blocks holding a difference, found at the speed of memcmp: a file with none ends
    // here, and the byte-by-byte net below looks at these blocks alone.
    constexpr qsizetype Block = 512;
    std::vector<qsizetype> differing;
    for (qsizetype start = 0; start < working.size(); start += Block) {
        const std::size_t length = std::size_t(std::min(Block, working.size() - start));
        if (std::memcmp(working.constData() + start, pristine.constData() + start, length) != 0)
            differing.push_back(start);
    }
    if (differing.empty())
        return;
    std::vector<bool> covered(std::size_t(working.size()), false);
    const GameVersion version = document.Version();
    for (const catalogue::Table& table : catalogue::Tables()) {
        if (table.file != file)
            continue;
        for (const catalogue::Slot& slot : catalogue::Slots(table, version, working)) {
            std::fill_n(covered.begin() + slot.offset, slot.width, true);
            const QByteArrayView now = QByteArrayView(working).sliced(slot.offset, slot.width);
            const QByteArrayView then = QByteArrayView(pristine).sliced(slot.offset, slot.width);
            if (now == then)
                continue;
            lines.push_back({table.Name(), catalogue::RecordName(table, slot.record),
                             catalogue::RecordCaption(table, slot.record, version, working), slot.field->Name(),
                             catalogue::Show(slot, pristine), catalogue::Show(slot, working),
                             {file, slot.offset, now.toByteArray(), then.toByteArray(), catalogue::RefOf(slot)}});
        }
    }
    // A safety net: the editor never writes outside a field, so these lines should never show.
    for (const qsizetype start : differing) {
        for (qsizetype offset = start; offset < std::min(start + Block, working.size()); ++offset) {
            if (covered[std::size_t(offset)] || working.at(offset) == pristine.at(offset))
                continue;
            const std::uint8_t before = bytes::ReadU8(pristine, offset);
            const std::uint8_t after = bytes::ReadU8(working, offset);
            const QString record = u"byte %1"_s.arg(offset);
            lines.push_back({FileName(file), record, record, {}, Hex(before), Hex(after),
                             {file, offset, QByteArray(1, char(after)), QByteArray(1, char(before)), {}}});
        }
    }
}

void CompareStrings(const GameDocument& document, const catalogue::Table& table, std::vector<Difference>& lines)
{
    const QByteArray& pristine = document.Pristine(table.file);
    const QByteArray& working = document.Working(table.file);
    if (Unchanged(working, pristine))
        return;
    const strings::StringTable before(pristine);
    const strings::StringTable after(working);
    if (before.Count() != after.Count() || before.Trailing() != after.Trailing()) {
        // Edits keep the number of entries and the bytes after the last one; the whole
        // file is the only honest line for anything else.
        const QString record = u"whole file"_s;
        lines.push_back({FileName(table.file), record, record, {}, u"%1 bytes"_s.arg(pristine.size()),
                         u"%1 bytes"_s.arg(working.size()), {table.file, 0, working, pristine, {}}});
        return;
    }
    const catalogue::Field& field = table.fields.front();
    for (qsizetype index = 0; index < after.Count(); ++index) {
        if (before.Text(index) == after.Text(index))
            continue;
        const QString record = QString::number(index);
        const strings::StringEntry& entry = after.Entries()[std::size_t(index)];
        const catalogue::Slot now{&table, int(index), &field, entry.start, entry.length, entry.length};
        const strings::StringEntry& old = before.Entries()[std::size_t(index)];
        const catalogue::Slot then{&table, int(index), &field, old.start, old.length, old.length};
        lines.push_back({table.Name(), record, record, field.Name(), catalogue::Show(then, pristine),
                         catalogue::Show(now, working),
                         {table.file, entry.start, after.Text(index).toByteArray(), before.Text(index).toByteArray(),
                          catalogue::RefOf(now)}});
    }
}

} // namespace

std::vector<Difference> Between(const GameDocument& document)
{
    std::vector<Difference> lines;
    for (const GameFile file : {GameFile::Executable, GameFile::Items}) {
        if (document.IsLoaded(file))
            CompareFixed(document, file, lines);
    }
    for (const catalogue::Table& table : catalogue::Tables()) {
        if (table.IsStringTable() && document.IsLoaded(table.file))
            CompareStrings(document, table, lines);
    }
    return lines;
}

} // namespace differences
