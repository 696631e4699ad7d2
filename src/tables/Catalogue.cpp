// The tables of the catalogue, built from the field descriptions each table declares.
#include "tables/Catalogue.h"

#include "core/ByteAccess.h"
#include "core/CodePage.h"
#include "core/DataFiles.h"
#include "core/TableText.h"
#include "core/NumberReader.h"
#include "core/TextRoutines.h"
#include "tables/BaseGrid.h"
#include "tables/DayCounts.h"
#include "tables/DamageTypes.h"
#include "tables/Facilities.h"
#include "tables/FacilityCodes.h"
#include "tables/FacilityTypes.h"
#include "tables/Items.h"
#include "tables/SoldierNames.h"
#include "tables/Stores.h"
#include "tables/StringTable.h"
#include "tables/UnitNames.h"
#include "tables/Units.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>

#include <map>
#include <mutex>

using namespace Qt::StringLiterals;

namespace {

// The texts the window shows, in the interface's language (kestrel-cli never installs a translator).
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Catalogue)
};

} // namespace

namespace catalogue {
namespace {

std::vector<Table> Build()
{
    std::vector<Table> tables = {
        basegrid::Layout, stores::Layout, facilities::Layout, soldiernames::FirstNames,
        soldiernames::LastNames, units::Layout, items::Layout,
    };
    for (const DataFileSpec& dataFile : datafiles::All()) {
        for (const TableLayout& strings : strings::Layouts) {
            if (dataFile.stringTable && strings.file == dataFile.file)
                tables.push_back(strings);
        }
    }
    return tables;
}

Reading Refuse(const QString& reason)
{
    return {std::nullopt, reason};
}

Reading Accept(QByteArray bytes)
{
    return {std::move(bytes), {}};
}

QString Grouped(int number)
{
    return QLocale(QLocale::English).toString(number);
}

Reading Warn(QByteArray bytes, const QString& warning)
{
    return {std::move(bytes), {}, warning};
}

// Past the form's limit: refused in a cell and under strict, a warning otherwise.
Reading PastFormLimit(QByteArray bytes, const QString& value, const QString& limit, Limits limits)
{
    if (limits == Limits::Storage)
        return Warn(std::move(bytes), Text::tr("%1 is above the limit %2 the form allows").arg(value, limit));
    return Refuse(Text::tr("%1 is above the limit %2").arg(value, limit));
}

std::optional<long long> WholeNumber(const QString& text, QString* refusal)
{
    const numbers::WholeNumber number = numbers::ReadWholeNumber(text);
    if (!number.value) {
        *refusal = number.fraction ? Text::tr("%1 is not a whole number").arg(modEdit::Excerpt(text.trimmed()))
                                   : Text::tr("\"%1\" is not a number").arg(modEdit::Excerpt(text));
    }
    return number.value;
}

int FormLimit(const Slot& slot)
{
    if (slot.field->kind == Kind::Word || (slot.field->kind == Kind::StoresAmount && slot.width == 2))
        return prompt::WordLimit;
    if (slot.field->kind == Kind::StoresAmount)
        return stores::PersonnelPrompt.limit;
    return slot.field->prompt.limit;
}

// A one- or two-byte amount: 0 to what the bytes hold, the form's limit as Limits say.
Reading ReadAmount(const Slot& slot, const QString& text, Limits limits)
{
    QString refusal;
    const std::optional<long long> number = WholeNumber(text, &refusal);
    if (!number)
        return Refuse(refusal);
    const QString shown = modEdit::Excerpt(text.trimmed());
    if (*number < 0)
        return Refuse(Text::tr("%1 is below 0").arg(shown));
    if (limits == Limits::Form && *number > FormLimit(slot))
        return Refuse(Text::tr("%1 is above the limit %2").arg(shown, Grouped(FormLimit(slot))));
    const long long most = slot.width == 2 ? 0xFFFF : 0xFF;
    if (*number > most)
        return Refuse(Text::tr("%1 is above %2, the most the field can hold").arg(shown, Grouped(int(most))));
    QByteArray bytes = slot.width == 2 ? bytes::U16LE(std::uint16_t(*number)) : QByteArray(1, char(*number));
    if (*number > FormLimit(slot))
        return PastFormLimit(std::move(bytes), shown, Grouped(FormLimit(slot)), limits);
    return Accept(std::move(bytes));
}

// Bravery is shown as 110 - 10 x its code; the form takes 0 to 110 in tens, the code
// byte holds down to -2,440.
Reading ReadBravery(const QString& text, Limits limits)
{
    QString refusal;
    const std::optional<long long> number = WholeNumber(text, &refusal);
    if (!number)
        return Refuse(refusal);
    const QString shown = modEdit::Excerpt(text.trimmed());
    if (*number > 110)
        return Refuse(Text::tr("%1 is above the limit 110").arg(shown));
    if ((110 - *number) % 10 != 0)
        return Refuse(Text::tr("%1 is not divisible by 10").arg(shown));
    const long long code = (110 - *number) / 10;
    if (code > 255)
        return Refuse(Text::tr("%1 is below -2,440, the least the field can hold").arg(shown));
    QByteArray bytes(1, char(code));
    if (*number < 0 && limits == Limits::Storage)
        return Warn(std::move(bytes), Text::tr("%1 is below 0, the least the form allows").arg(shown));
    if (*number < 0)
        return Refuse(Text::tr("%1 is below 0").arg(shown));
    return Accept(std::move(bytes));
}

// A name from a list, or the number of an odd stored value.
Reading ReadChoice(const QString& text, const std::vector<std::pair<QString, std::uint8_t>>& names)
{
    const QString trimmed = text.trimmed();
    for (const auto& [name, value] : names) {
        if (trimmed.compare(name, Qt::CaseInsensitive) == 0)
            return Accept(QByteArray(1, char(value)));
    }
    const std::optional<long long> number = numbers::ReadWholeNumber(trimmed).value;
    if (number && *number >= 0 && *number <= 255)
        return Accept(QByteArray(1, char(*number)));
    QStringList known;
    for (const auto& entry : names)
        known.append(entry.first);
    return Refuse(Text::tr("\"%1\" is none of %2").arg(modEdit::Excerpt(text), known.join(u", "_s)));
}

Reading ReadText(const QString& text, const Slot& slot)
{
    const QStringList unstorable = codepage::Unstorable(text);
    if (!unstorable.isEmpty())
        return Refuse(Text::tr("the game's code page cannot hold the character %1").arg(unstorable.front()));
    if (slot.field->kind == Kind::StringEntry)
        return Accept(codepage::Encode(text));
    if (text.isEmpty())
        return Refuse(Text::tr("a name cannot be empty"));
    if (const std::optional<QByteArray> name = prompt::AcceptName(text, *slot.field->rename))
        return Accept(*name);
    return Refuse(Text::tr("\"%1\" is longer than %2 characters").arg(modEdit::Excerpt(text)).arg(slot.field->rename->writtenWidth));
}

std::vector<std::pair<QString, std::uint8_t>> FlagNames(const Slot& slot)
{
    return {{u"Yes"_s, slot.field->flagValue(slot.record, true)}, {u"No"_s, slot.field->flagValue(slot.record, false)}};
}

std::vector<std::pair<QString, std::uint8_t>> DamageTypeNames()
{
    std::vector<std::pair<QString, std::uint8_t>> names;
    for (const DamageTypeOption& option : damagetypes::All)
        names.emplace_back(ToQString(option.caption), option.code);
    return names;
}

std::vector<std::pair<QString, std::uint8_t>> FacilityNames()
{
    std::vector<std::pair<QString, std::uint8_t>> names;
    for (const std::uint8_t code : facilitycodes::ChoiceOrder)
        names.emplace_back(facilitycodes::OneLineName(code), code);
    return names;
}

std::vector<std::pair<QString, std::uint8_t>> DayNames()
{
    std::vector<std::pair<QString, std::uint8_t>> names;
    for (const std::uint8_t days : daycounts::Choices)
        names.emplace_back(daycounts::DaysText(days), days);
    return names;
}

} // namespace

std::optional<Bounds> NumberBounds(const Table& table, int record, const Field& field)
{
    if (field.kind == Kind::Bravery)
        return Bounds{-2440, 110, 0, 110};
    if (!IsNumeric(field.kind))
        return std::nullopt;
    const qsizetype width = table.recordWidth ? table.recordWidth(record) : field.width;
    const Slot slot{&table, record, &field, 0, width, width};
    return Bounds{0, width == 2 ? 0xFFFF : 0xFF, 0, FormLimit(slot)};
}

bool IsNumeric(Kind kind)
{
    return kind == Kind::Byte || kind == Kind::Word || kind == Kind::Bravery || kind == Kind::BaseDays
           || kind == Kind::StoresAmount;
}

Reading Read(const Slot& slot, const QString& text, Limits limits)
{
    switch (slot.field->kind) {
    case Kind::Byte:
    case Kind::Word:
    case Kind::StoresAmount: return ReadAmount(slot, text, limits);
    case Kind::Bravery: return ReadBravery(text, limits);
    case Kind::Flag: return ReadChoice(text, FlagNames(slot));
    case Kind::DamageType: return ReadChoice(text, DamageTypeNames());
    case Kind::BaseFacility: return ReadChoice(text, FacilityNames());
    case Kind::BaseDays: return ReadChoice(text, DayNames());
    case Kind::Name:
    case Kind::StringEntry: return ReadText(text, slot);
    }
    return Refuse(Text::tr("unknown field"));
}

const std::vector<Table>& Tables()
{
    static const std::vector<Table> tables = Build();
    return tables;
}

const Table* FindTable(const QString& name)
{
    // Compared as views: a change set names a table and a field for every value it sets.
    for (const Table& table : Tables()) {
        if (QStringView(table.key.data(), qsizetype(table.key.size())) == name)
            return &table;
    }
    return nullptr;
}

const Field* FindField(const Table& table, const QString& name)
{
    for (const Field& field : table.fields) {
        if (QStringView(field.key.data(), qsizetype(field.key.size())) == name)
            return &field;
    }
    return nullptr;
}

QStringList TableNames()
{
    QStringList names;
    for (const Table& table : Tables())
        names.append(table.Name());
    return names;
}

QStringList FieldNames(const Table& table)
{
    QStringList names;
    for (const Field& field : table.fields)
        names.append(field.Name());
    return names;
}

QStringList RecordNames(const Table& table)
{
    QStringList names;
    for (int record = 0; record < table.recordCount && !table.Numbered(); ++record)
        names.append(RecordName(table, record));
    return names;
}

int RecordCount(const Table& table, const QByteArray& fileBytes)
{
    return table.IsStringTable() ? int(strings::CountEntries(fileBytes)) : table.recordCount;
}

QString RecordName(const Table& table, int record)
{
    return table.recordName ? table.recordName(record) : QString::number(record);
}

std::optional<int> FindRecord(const Table& table, const QString& name, const QByteArray& fileBytes)
{
    if (table.Numbered()) {
        bool isNumber = false;
        const int record = name.toInt(&isNumber);
        if (isNumber && record >= 0 && record < RecordCount(table, fileBytes) && QString::number(record) == name)
            return record;
        return std::nullopt;
    }
    // A table's record names come from its own data and never change: they are indexed
    // once (by what makes them, so a layout built elsewhere shares them), rather than made
    // again for every record on every look-up.
    static std::mutex guard;
    static std::map<std::pair<QString (*)(int), int>, QHash<QString, int>> indexes;
    const std::lock_guard lock(guard);
    auto [it, added] = indexes.try_emplace({table.recordName, table.recordCount});
    if (added) {
        // The first record of a name wins, as the search through them did.
        for (int record = table.recordCount - 1; record >= 0; --record)
            it->second.insert(RecordName(table, record), record);
    }
    const auto found = it->second.constFind(name);
    if (found == it->second.cend())
        return std::nullopt;
    return *found;
}

std::optional<Slot> Locate(const Table& table, int record, const Field& field, GameVersion version,
                           const QByteArray& fileBytes)
{
    if (record < 0 || record >= RecordCount(table, fileBytes))
        return std::nullopt;
    Slot slot{&table, record, &field, 0, field.width, field.width};
    if (field.kind == Kind::StringEntry) {
        const std::optional<strings::StringEntry> entry = strings::FindEntry(fileBytes, record);
        if (!entry)
            return std::nullopt;
        slot.offset = entry->start;
        slot.width = slot.shownWidth = entry->length;
        return slot;
    }
    // A data file's tables lie alike in every build.
    const qsizetype start = table.file == GameFile::Executable ? table.start.For(version) : table.start.collectorsEdition;
    if (start < 0)
        return std::nullopt;
    slot.offset = start + (table.recordPosition ? table.recordPosition(record) : table.recordSize * record)
                  + field.position;
    if (table.recordWidth)
        slot.width = slot.shownWidth = table.recordWidth(record);
    if (field.rename)
        slot.shownWidth = field.rename->shownWidth;
    if (!bytes::InRange(fileBytes, slot.offset, std::max(slot.width, slot.shownWidth)))
        return std::nullopt;
    return slot;
}

std::optional<Slot> Locate(const FieldRef& ref, GameVersion version, const QByteArray& fileBytes)
{
    const Table* table = FindTable(ref.table);
    const Field* field = table ? FindField(*table, ref.field) : nullptr;
    return field ? Locate(*table, ref.record, *field, version, fileBytes) : std::nullopt;
}

FieldRef RefOf(const Slot& slot)
{
    return {slot.table->Name(), slot.record, slot.field->Name()};
}

Change ChangeAt(const Slot& slot, const QByteArray& fileBytes, const QByteArray& after)
{
    return {slot.table->file, slot.offset, fileBytes.mid(slot.offset, slot.width), after, RefOf(slot)};
}

QString StepSubject(const Table& table, int record, GameVersion version, const QByteArray& fileBytes)
{
    if (table.IsStringTable())
        return Text::tr("%1 entry %2").arg(datafiles::DisplayName(table.file)).arg(record);
    if (!table.stepSubject)
        return RecordName(table, record);
    QString name;
    if (table.fields.front().kind == Kind::Name) {
        if (const std::optional<Slot> slot = Locate(table, record, table.fields.front(), version, fileBytes))
            name = Show(*slot, fileBytes);
    }
    return table.stepSubject(record, name);
}

QString StepText(const Change& change, GameVersion version, const QByteArray& fileBytes)
{
    const Table* table = FindTable(change.ref.table);
    const Field* field = table ? FindField(*table, change.ref.field) : nullptr;
    if (!field)
        return {};
    const int record = change.ref.record;
    const QString subject = StepSubject(*table, record, version, fileBytes);
    const QString now = fields::ShownValue(*field, record, change.after);
    switch (field->kind) {
    case Kind::Name: return changes::RenameText(subject, now);
    // An entry may run over several lines; a step's name is one.
    case Kind::StringEntry: return u"%1: \"%2\""_s.arg(subject, modEdit::Excerpt(now.simplified()));
    default:
        return changes::StepText(subject, Translated("Tables", field->key),
                                 fields::ShownValue(*field, record, change.before), now);
    }
}

std::vector<Slot> Slots(const Table& table, GameVersion version, const QByteArray& fileBytes)
{
    std::vector<Slot> found;
    if (table.IsStringTable()) {
        // One split of the file instead of a search per entry.
        const strings::StringTable entries(fileBytes);
        found.reserve(std::size_t(entries.Count()));
        for (qsizetype record = 0; record < entries.Count(); ++record) {
            const strings::StringEntry& entry = entries.Entries()[std::size_t(record)];
            found.push_back({&table, int(record), &table.fields.front(), entry.start, entry.length, entry.length});
        }
        return found;
    }
    found.reserve(std::size_t(table.recordCount) * table.fields.size());
    for (int record = 0; record < table.recordCount; ++record) {
        for (const Field& field : table.fields) {
            if (std::optional<Slot> slot = Locate(table, record, field, version, fileBytes))
                found.push_back(*slot);
        }
    }
    return found;
}

QString Show(const Slot& slot, const QByteArray& fileBytes)
{
    return fields::Shown(*slot.field, slot.record, fileBytes, slot.offset, slot.shownWidth);
}

QString RecordCaption(const Table& table, int record, GameVersion version, const QByteArray& fileBytes)
{
    if (!table.Numbered() || table.fields.front().kind != Kind::Name)
        return RecordName(table, record);
    const std::optional<Slot> name = Locate(table, record, table.fields.front(), version, fileBytes);
    return name ? u"%1 %2"_s.arg(record).arg(Show(*name, fileBytes)) : QString::number(record);
}

} // namespace catalogue
