// The checks of the tables' contents, one row per table.
#include "tables/Plausibility.h"

#include "core/ByteAccess.h"
#include "core/TableText.h"
#include "tables/Items.h"
#include "tables/SoldierNames.h"

#include <algorithm>
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
    // Not every slot is all zero bytes. Any byte may stand anywhere in a slot: the code page
    // holds every byte but zero, and a rename writes a character it cannot hold as a zero
    // byte, so "A", 0, "B" (or 0, "B") is a name an editor wrote.
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

constexpr std::array<TableCheck, 4> Checks = {{
    Of(KESTREL_TR_NOOP("Plausibility", "soldier last names"), soldiernames::LastNames, 0,
       soldiernames::WrittenNameLength, Rule::SomeText),
    Of(KESTREL_TR_NOOP("Plausibility", "soldier first names"), soldiernames::FirstNames, 0,
       soldiernames::WrittenNameLength, Rule::SomeText),
    Of(KESTREL_TR_NOOP("Plausibility", "item names of obdata.dat"), items::Layout, items::NamePosition,
       items::NameLength, Rule::SomeText),
    Of(KESTREL_TR_NOOP("Plausibility", "ammo references of obdata.dat"), items::Layout, items::AmmoPositions[0],
       std::size(items::AmmoPositions), Rule::ItemReferences),
}};

// Every DOS and Windows executable begins with "MZ", a few old DOS ones with "ZM"; a text
// file or any other file that merely has the right size does not.
bool HasExecutableSignature(const QByteArray& bytes)
{
    const QByteArrayView start = QByteArrayView(bytes).first(std::min<qsizetype>(2, bytes.size()));
    return start == "MZ" || start == "ZM";
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
        for (qsizetype i = 0; i < check.width; ++i) {
            const std::uint8_t value = bytes::ReadU8(bytes, offset + i);
            allEmpty = allEmpty && value == 0;
            references += IsItemReference(value) ? 1 : 0;
        }
    }
    if (check.rule == Rule::ItemReferences)
        return 2 * references > check.count * check.width ? QString() : Text::tr("mostly name no item");
    return allEmpty ? Text::tr("are all empty") : QString();
}

} // namespace

QStringList Reasons(GameFile file, GameVersion version, const QByteArray& bytes)
{
    QStringList reasons;
    if (file == GameFile::Executable && !HasExecutableSignature(bytes))
        reasons.append(QStringLiteral("ufo.exe does not begin with \"MZ\" as every DOS and Windows program does."));
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
