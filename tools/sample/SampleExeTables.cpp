// The tables of a sample executable, written over the pattern at each build's offsets.
#include "sample/SampleExeTables.h"

#include "core/ByteAccess.h"
#include "sample/SampleFacts.h"
#include "tables/BaseGrid.h"
#include "tables/Facilities.h"
#include "tables/SoldierNames.h"
#include "tables/Stores.h"
#include "tables/Units.h"

#include <algorithm>

namespace sample {
namespace {

constexpr std::uint8_t BuiltDays = 0;

bool IsUnlistedAmountField(int field)
{
    return std::ranges::find(facts::UnlistedAmountFields, field) != facts::UnlistedAmountFields.end();
}

// Where each statistic sits in a unit record; the record layout is fixed by the game and
// the sample deliberately states it on its own, so the tables are checked against it.
void WriteUnit(QByteArray& exe, qsizetype record, const facts::UnitFacts& unit)
{
    const std::uint8_t plain[] = {unit.timeUnits, unit.health, unit.energy, unit.reactions,
                                  unit.strength, unit.firing, unit.throwing};
    bytes::WriteU8(exe, record + units::FlyingPosition, unit.flying);
    for (qsizetype i = 0; i < qsizetype(std::size(plain)); ++i)
        bytes::WriteU8(exe, record + 1 + i, plain[i]);
    for (qsizetype i = 0; i < qsizetype(unit.armour.size()); ++i)
        bytes::WriteU8(exe, record + 9 + i, unit.armour[std::size_t(i)]);
    bytes::WriteU8(exe, record + 25, unit.psiSkill);
    bytes::WriteU8(exe, record + 26, unit.psiStrength);
    bytes::WriteU8(exe, record + units::BraveryPosition, unit.braveryCode);
}

QByteArray Combined(const std::array<const char*, 40>& names, int slot, qsizetype headLength)
{
    if (slot < int(names.size()))
        return QByteArray(names[std::size_t(slot)]);
    const QByteArray head(names[std::size_t(slot % 40)]);
    const QByteArray tail(names[std::size_t((slot * 7 + 3) % 40)]);
    return head.left(headLength) + tail.right(std::min<qsizetype>(headLength, tail.size() - 1)).toLower();
}

} // namespace

void WriteBaseGrid(QByteArray& exe, GameVersion version)
{
    for (int cell = 0; cell < basegrid::CellCount; ++cell) {
        const std::uint8_t code = facts::BaseFacilities[std::size_t(cell)];
        bytes::WriteU8(exe, basegrid::Start.For(version) + cell, code);
        const std::uint8_t days = code == facts::EmptyCell ? facts::EmptyCell : BuiltDays;
        bytes::WriteU8(exe, basegrid::Start.For(version) + basegrid::CellCount + cell, days);
    }
}

void WriteStores(QByteArray& exe, GameVersion version)
{
    const qsizetype start = stores::BlockStart.For(version);
    bytes::WriteU8(exe, start + stores::EngineersPosition, facts::Engineers);
    bytes::WriteU8(exe, start + stores::ScientistsPosition, facts::Scientists);
    for (int field = 0; field < stores::AmountFieldCount; ++field) {
        if (!IsUnlistedAmountField(field))
            bytes::WriteU16LE(exe, start + stores::AmountPosition(field), 0);
    }
    for (const facts::StoredAmount& stored : facts::StoredAmounts)
        bytes::WriteU16LE(exe, start + stores::AmountPosition(stored.field), stored.amount);
}

void WriteFacilities(QByteArray& exe, GameVersion version)
{
    for (int type = 0; type < facilities::RecordCount; ++type) {
        const facts::FacilityFacts& facility = facts::Facilities[std::size_t(type)];
        const qsizetype record = facilities::Start.For(version) + facilities::RecordSize * type;
        bytes::WriteU16LE(exe, record + facilities::CostPosition, facility.costThousands);
        bytes::WriteU8(exe, record + facilities::DaysPosition, facility.days);
        bytes::WriteU8(exe, record + facilities::UpkeepPosition, facility.upkeepThousands);
        bytes::WriteU16LE(exe, record + facilities::StrengthPosition, facility.defence);
        bytes::WriteU8(exe, record + facilities::RatioPosition, facility.hitRatio);
        bytes::WriteU8(exe, record + facilities::StandardFlagPosition, facility.standardFlag);
    }
}

void WriteUnits(QByteArray& exe, GameVersion version)
{
    for (int unit = 0; unit < units::RecordCount; ++unit)
        WriteUnit(exe, units::Start.For(version) + units::RecordSize * unit, facts::Units[std::size_t(unit)]);
}

QByteArray FirstName(int slot)
{
    return Combined(facts::FirstNames, slot, 3);
}

QByteArray LastName(int slot)
{
    return Combined(facts::LastNames, slot, 4);
}

void WriteSoldierNames(QByteArray& exe, GameVersion version)
{
    for (int slot = 0; slot < soldiernames::SlotCount; ++slot) {
        bytes::WriteFieldPadded(exe, soldiernames::LastNameStart.For(version) + soldiernames::LastNameSlotSize * slot,
                                soldiernames::LastNameSlotSize, LastName(slot));
        bytes::WriteFieldPadded(exe,
                                soldiernames::FirstNameStart.For(version) + soldiernames::FirstNameSlotSize * slot,
                                soldiernames::FirstNameSlotSize, FirstName(slot));
    }
}

} // namespace sample
