// The texts of record table cells.
#include "tables/CellText.h"

#include "core/NumberReader.h"
#include "core/TableText.h"
#include "core/TextRoutines.h"
#include "tables/DamageTypes.h"
#include "tables/Items.h"

#include <QCoreApplication>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The texts the window shows, in the interface's language (kestrel-cli never installs a translator).
struct Text {
    Q_DECLARE_TR_FUNCTIONS(CellText)
};

} // namespace

namespace cells {
namespace {

constexpr std::uint8_t NoAmmo = 255;

// An ammo field holds the index of another record of the item file.
bool IsAmmo(const catalogue::Slot& slot)
{
    return slot.table->file == GameFile::Items && slot.field->kind == catalogue::Kind::Byte
           && std::ranges::find(items::AmmoPositions, slot.field->position) != std::end(items::AmmoPositions);
}

QString AmmoText(int value, const catalogue::Table& table, const QByteArray& fileBytes, GameVersion version)
{
    if (value == NoAmmo)
        return u"%1 none"_s.arg(value);
    if (value < catalogue::RecordCount(table, fileBytes))
        return catalogue::RecordCaption(table, value, version, fileBytes);
    return QString::number(value);
}

// "3 RIFLE CLIP" as an ammo cell shows it stands for 3, whatever the name: a name that
// began with digits would otherwise join them to the number.
std::optional<int> AmmoNumber(const QString& text, const catalogue::Table& table, const QByteArray& fileBytes,
                              GameVersion version)
{
    const qsizetype space = text.indexOf(u' ');
    if (space <= 0)
        return std::nullopt;
    bool isNumber = false;
    const int value = text.first(space).toInt(&isNumber);
    if (!isNumber || value < 0 || value > 255 || AmmoText(value, table, fileBytes, version) != text)
        return std::nullopt;
    return value;
}

catalogue::Reading ReadAmmo(const catalogue::Slot& slot, const QString& text, const QByteArray& fileBytes,
                            GameVersion version, catalogue::Limits limits)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(u"none"_s, Qt::CaseInsensitive) == 0 || trimmed == AmmoText(NoAmmo, *slot.table, fileBytes, version)
        || trimmed == QString::number(NoAmmo))
        return {QByteArray(1, char(NoAmmo)), {}, {}};  // a named value, not past any limit
    if (const std::optional<int> value = AmmoNumber(trimmed, *slot.table, fileBytes, version))
        return catalogue::Read(slot, QString::number(*value), limits);
    if (const numbers::WholeNumber number = numbers::ReadWholeNumber(trimmed); number.value || number.fraction)
        return catalogue::Read(slot, trimmed, limits);
    if (const std::optional<int> item = RecordNamed(*slot.table, trimmed, fileBytes, version))
        return catalogue::Read(slot, QString::number(*item), limits);
    return {std::nullopt, Text::tr("\"%1\" names no single item").arg(text), {}};
}

} // namespace

QString Text(const catalogue::Slot& slot, const QByteArray& fileBytes, GameVersion version)
{
    const QString shown = catalogue::Show(slot, fileBytes);
    if (IsAmmo(slot))
        return AmmoText(shown.toInt(), *slot.table, fileBytes, version);
    if (slot.width == 2 && catalogue::IsNumeric(slot.field->kind))
        return modEdit::GroupThousands(shown);
    return shown;
}

catalogue::Reading Read(const catalogue::Slot& slot, const QString& text, const QByteArray& fileBytes,
                        GameVersion version, catalogue::Limits limits)
{
    const bool isText = slot.field->kind == catalogue::Kind::Name || slot.field->kind == catalogue::Kind::StringEntry;
    const QString asGiven = isText ? text : text.trimmed();
    if (asGiven == Text(slot, fileBytes, version) || asGiven == catalogue::Show(slot, fileBytes))
        return {fileBytes.mid(slot.offset, slot.width), {}, {}};
    if (IsAmmo(slot))
        return ReadAmmo(slot, asGiven, fileBytes, version, limits);
    return catalogue::Read(slot, asGiven, limits);
}

std::optional<int> RecordNamed(const catalogue::Table& table, const QString& text, const QByteArray& fileBytes,
                             GameVersion version)
{
    const catalogue::Field* name = catalogue::FindField(table, u"Name"_s);
    if (!name)
        return std::nullopt;
    std::optional<int> found;
    for (int record = 0; record < catalogue::RecordCount(table, fileBytes); ++record) {
        const std::optional<catalogue::Slot> slot = catalogue::Locate(table, record, *name, version, fileBytes);
        if (!slot || catalogue::Show(*slot, fileBytes).compare(text.trimmed(), Qt::CaseInsensitive) != 0)
            continue;
        if (found)
            return std::nullopt;
        found = record;
    }
    return found;
}

bool IsNumber(const catalogue::Slot& slot)
{
    return catalogue::IsNumeric(slot.field->kind) && !IsAmmo(slot);
}

QStringList Choices(const catalogue::Field& field)
{
    switch (field.kind) {
    case catalogue::Kind::Flag: return {u"Yes"_s, u"No"_s};
    case catalogue::Kind::DamageType: {
        QStringList names;
        for (const DamageTypeOption& option : damagetypes::All)
            names.append(ToQString(option.caption));
        return names;
    }
    default: return {};
    }
}

} // namespace cells
