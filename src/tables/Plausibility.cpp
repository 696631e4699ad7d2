// The checks of the tables' contents, one row per table.
#include "tables/Plausibility.h"

#include "core/ByteAccess.h"
#include "core/TableText.h"
#include "tables/Items.h"
#include "tables/SoldierNames.h"

#include <QCoreApplication>
#include <array>
#include <string_view>

namespace {

// The texts the window shows, in the interface's language (kestrel-cli never installs a translator).
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Plausibility)
};

} // namespace

namespace plausibility {
namespace {

enum class Rule {
    // Every slot holds text followed by zero bytes only, as the editor writes it, and not
    // every slot is empty. Random bytes put a zero before other bytes somewhere; a table
    // that lies in another build's padding is all zeros.
    PaddedText,
    // Not every slot is empty. Whatever follows the end of a name is left alone.
    SomeText,
    // Most bytes name an item record (0 to 79) or no item (255). Only most: a record the
    // game never uses may hold anything, while random bytes hit that range a third of the
    // time.
    ItemReferences,
};

struct TableCheck {
    std::u16string_view what;
    GameFile file;
    VersionOffsets start;
    qsizetype stride;  // from one record or slot to the next
    int count;
    qsizetype width;   // the bytes checked at the start of each
    Rule rule;
};

// The bytes from position to position + width of every record of a table.
constexpr TableCheck Of(std::u16string_view what, const TableLayout& table, qsizetype position, qsizetype width,
                        Rule rule)
{
    const VersionOffsets start = {table.start.collectorsEdition + position, table.start.dos12 + position,
                                  table.start.dos14 + position};
    return {what, table.file, start, table.recordSize, table.recordCount, width, rule};
}

// The twelfth byte of a last-name slot is never written, so it is never checked.
constexpr std::array<TableCheck, 4> Checks = {{
    Of(KESTREL_TR_NOOP("Plausibility", "soldier last names"), soldiernames::LastNames, 0,
       soldiernames::WrittenNameLength, Rule::PaddedText),
    Of(KESTREL_TR_NOOP("Plausibility", "soldier first names"), soldiernames::FirstNames, 0,
       soldiernames::WrittenNameLength, Rule::PaddedText),
    Of(KESTREL_TR_NOOP("Plausibility", "item names of obdata.dat"), items::Layout, items::NamePosition,
       items::NameLength, Rule::SomeText),
    Of(KESTREL_TR_NOOP("Plausibility", "ammo references of obdata.dat"), items::Layout, items::AmmoPositions[0],
       std::size(items::AmmoPositions), Rule::ItemReferences),
}};

bool IsPaddedText(const QByteArray& bytes, qsizetype offset, qsizetype width)
{
    bool ended = false;
    for (qsizetype i = 0; i < width; ++i) {
        const bool zero = bytes::ReadU8(bytes, offset + i) == 0;
        if (ended && !zero)
            return false;
        ended = ended || zero;
    }
    return true;
}

bool IsItemReference(std::uint8_t value)
{
    return value <= items::HighestIndex || value == 255;
}

// What is wrong with the table, ending a sentence; empty when nothing is.
QString Verdict(const TableCheck& check, qsizetype start, const QByteArray& bytes)
{
    const qsizetype end = start + check.stride * (check.count - 1) + check.width;
    if (start < 0 || !bytes::InRange(bytes, start, end - start))
        return Text::tr("lie past the end of the file");
    bool allEmpty = true;
    int references = 0;
    for (int record = 0; record < check.count; ++record) {
        const qsizetype offset = start + check.stride * record;
        allEmpty = allEmpty && bytes::ReadU8(bytes, offset) == 0;
        if (check.rule == Rule::PaddedText && !IsPaddedText(bytes, offset, check.width))
            return Text::tr("are not text");
        for (qsizetype i = 0; check.rule == Rule::ItemReferences && i < check.width; ++i)
            references += IsItemReference(bytes::ReadU8(bytes, offset + i)) ? 1 : 0;
    }
    if (check.rule == Rule::ItemReferences)
        return 2 * references > check.count * check.width ? QString() : Text::tr("mostly name no item");
    return allEmpty ? Text::tr("are all empty") : QString();
}

} // namespace

QStringList Reasons(GameFile file, GameVersion version, const QByteArray& bytes)
{
    QStringList reasons;
    for (const TableCheck& check : Checks) {
        if (check.file != file)
            continue;
        const qsizetype start = check.start.For(version);
        const QString verdict = Verdict(check, start, bytes);
        if (!verdict.isEmpty()) {
            reasons.append(
                Text::tr("The %1 at byte %2 %3.").arg(Translated("Plausibility", check.what)).arg(start).arg(verdict));
        }
    }
    return reasons;
}

bool HasChecks(GameFile file)
{
    for (const TableCheck& check : Checks) {
        if (check.file == file)
            return true;
    }
    return false;
}

ContentsGate Gate(LoadAnyway loadAnyway)
{
    return {&Reasons, &HasChecks, std::move(loadAnyway)};
}

} // namespace plausibility
