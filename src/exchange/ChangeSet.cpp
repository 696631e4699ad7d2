// Reading, checking and writing change-set files over the field catalogue.
#include "exchange/ChangeSet.h"

#include "core/GameDocument.h"
#include "core/TableText.h"
#include "core/TextRoutines.h"
#include "exchange/Differences.h"
#include "exchange/FieldGuide.h"
#include "exchange/JsonKeys.h"
#include "tables/Catalogue.h"
#include "tables/CellText.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QLocale>

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

using namespace Qt::StringLiterals;

namespace {

// The texts the window shows, in the interface's language (kestrel-cli never installs a translator).
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ChangeSet)
};

} // namespace

namespace changeset {
namespace {

std::pair<int, int> LineAndColumn(const QByteArray& text, qsizetype offset)
{
    int line = 1;
    int column = 1;
    for (qsizetype at = 0; at < offset && at < text.size(); ++at) {
        if (text.at(at) == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return {line, column};
}

// A JSON scalar as the text a user would type: integers without a decimal point.
std::optional<QString> ScalarText(const QJsonValue& value)
{
    if (value.isString())
        return value.toString();
    if (value.isDouble()) {
        const double number = value.toDouble();
        if (std::isfinite(number) && number == std::trunc(number) && std::abs(number) < 1e15)
            return QString::number(qint64(number));
        return QString::number(number, 'g', QLocale::FloatingPointShortest);
    }
    return std::nullopt;
}

// One JSON value as compact text: a document holds only arrays and objects, so the value
// is written inside an array and taken back out.
QByteArray JsonText(const QJsonValue& value)
{
    return QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).mid(1).chopped(1);
}

QString Shown(const QJsonValue& value)
{
    // The JSON text only when there is no plain one: value_or would write it out every time.
    std::optional<QString> text = ScalarText(value);
    return modEdit::Excerpt(text ? *std::move(text) : QString::fromUtf8(JsonText(value)));
}

QString Where(int number, const Entry& entry)
{
    return Text::tr("change %1 (%2 / %3 / %4)")
        .arg(number)
        .arg(modEdit::Excerpt(entry.table), RecordText(entry.record), modEdit::Excerpt(entry.field));
}

// A number may come as a name the view shows ("3 RIFLE CLIP", "none"), so only a text
// field insists on a JSON string.
bool FitsKind(catalogue::Kind kind, const QJsonValue& value)
{
    if (kind == catalogue::Kind::Name || kind == catalogue::Kind::StringEntry)
        return value.isString();
    return value.isString() || value.isDouble();
}

// A record by its name or number; an item also by its name where it is unique.
std::optional<int> FindRecord(const catalogue::Table& table, const QJsonValue& record, const GameDocument& document)
{
    const std::optional<QString> text = ScalarText(record);
    if (!text)
        return std::nullopt;
    const QByteArray& bytes = document.Working(table.file);
    if (const std::optional<int> found = catalogue::FindRecord(table, *text, bytes))
        return found;
    if (record.isString())
        return cells::RecordNamed(table, *text, bytes, document.Version());
    return std::nullopt;
}

const QByteArray& BytesOf(const GameDocument& document, const catalogue::Table& table)
{
    return document.Working(table.file);
}

// One entry checked against the files: the change it makes, nothing when its value
// already stands, or a problem.
struct Checked {
    std::optional<Change> change;
    QString warning;
    QString problem;
};

Checked Check(const GameDocument& document, const Entry& entry, int number, Options options)
{
    const auto problem = [&](const QString& why) { return Checked{std::nullopt, {}, Where(number, entry) + u": "_s + why}; };
    const catalogue::Table* table = catalogue::FindTable(entry.table);
    if (!table) {
        return {std::nullopt,
                {},
                Text::tr("change %1: no table \"%2\"%3")
                    .arg(number)
                    .arg(modEdit::Excerpt(entry.table), jsonkeys::Suggestion(entry.table, catalogue::TableNames()))};
    }
    if (!document.IsLoaded(table->file))
        return problem(Text::tr("the file of table %1 is not loaded").arg(table->Name()));
    const catalogue::Field* field = catalogue::FindField(*table, entry.field);
    if (!field) {
        return {std::nullopt,
                {},
                Text::tr("change %1: no field \"%2\" in table %3%4")
                    .arg(number)
                    .arg(modEdit::Excerpt(entry.field), table->Name(), jsonkeys::Suggestion(entry.field, catalogue::FieldNames(*table)))};
    }
    const QByteArray& bytes = BytesOf(document, *table);
    const std::optional<int> record = FindRecord(*table, entry.record, document);
    if (!record) {
        const QString given = RecordText(entry.record);
        return problem(Text::tr("no record %1 in table %2%3")
                           .arg(given, table->Name(), jsonkeys::Suggestion(given, catalogue::RecordNames(*table))));
    }
    const std::optional<catalogue::Slot> slot = catalogue::Locate(*table, *record, *field, document.Version(), bytes);
    if (!slot)
        return problem(Text::tr("the field lies outside the loaded file"));
    if (!FitsKind(field->kind, entry.value))
        return problem(Text::tr("the value must be a text"));
    const QString text = *ScalarText(entry.value);
    const catalogue::Limits limits = options.strict ? catalogue::Limits::StrictStorage : catalogue::Limits::Storage;
    const catalogue::Reading reading = cells::Read(*slot, text, bytes, document.Version(), limits);
    if (!reading.bytes)
        return problem(reading.refusal);
    const QByteArray before = bytes.mid(slot->offset, slot->width);
    if (*reading.bytes == before)
        return {};  // already in place, whatever "was" says
    if (entry.was && !options.force) {
        const std::optional<QString> was = ScalarText(*entry.was);
        const catalogue::Reading wasReading =
            was ? cells::Read(*slot, *was, bytes, document.Version(), catalogue::Limits::Storage) : catalogue::Reading{};
        if (wasReading.bytes != before) {
            return problem(Text::tr("the file holds %1, neither %2 as \"was\" says nor the new value")
                               .arg(cells::Text(*slot, bytes, document.Version()), RecordText(*entry.was)));
        }
    }
    QString warning;
    if (!reading.warning.isEmpty())
        warning = u"%1 / %2 / %3: %4"_s.arg(table->Name(), catalogue::RecordName(*table, *record), field->Name(),
                                            reading.warning);
    return {Change{table->file, slot->offset, before, *reading.bytes, catalogue::RefOf(*slot)}, warning, {}};
}

} // namespace

namespace {

const QStringList TopKeys = {u"format"_s, u"version"_s, u"changes"_s, u"$schema"_s, u"mod"_s};
const QStringList ModKeys = [] {
    QStringList keys;
    for (const AboutKey& about : AboutKeys)
        keys.append(ToQString(about.key));
    return keys;
}();
const QStringList ChangeKeys = {u"table"_s, u"record"_s, u"field"_s, u"was"_s, u"value"_s, u"comment"_s};

// The keys an object at path may hold; nothing for values no key is looked for in.
const QStringList* KeysAt(const QString& path)
{
    if (path.isEmpty())
        return &TopKeys;
    if (path == u"/mod"_s)
        return &ModKeys;
    static const QRegularExpression change(u"^/changes/[0-9]+$"_s);
    return change.match(path).hasMatch() ? &ChangeKeys : nullptr;
}

// A key given twice would silently lose one of its values, an unknown one (a typo of
// "was") a guard: both are refused with their line.
QStringList KeyProblems(const QByteArray& json)
{
    QStringList problems;
    std::set<std::pair<QString, QString>> seen;
    for (const jsonkeys::Key& key : jsonkeys::All(json)) {
        if (!seen.emplace(key.path, key.name).second)
            problems.append(Text::tr("line %1: the key \"%2\" is given twice").arg(key.line).arg(modEdit::Excerpt(key.name)));
        const QStringList* known = KeysAt(key.path);
        if (known && !known->contains(key.name)) {
            problems.append(Text::tr("line %1: unknown key \"%2\"%3")
                                .arg(key.line)
                                .arg(modEdit::Excerpt(key.name), jsonkeys::Suggestion(key.name, *known)));
        }
    }
    return problems;
}

// "$schema" names a schema; "mod" describes the mod in optional texts.
QStringList DescriptionProblems(const QJsonObject& root)
{
    QStringList problems;
    if (root.contains(u"$schema"_s) && !root.value(u"$schema"_s).isString())
        problems.append(Text::tr("\"$schema\" must be a text"));
    if (!root.contains(u"mod"_s))
        return problems;
    if (!root.value(u"mod"_s).isObject()) {
        problems.append(Text::tr("\"mod\" must be an object"));
        return problems;
    }
    const QJsonObject mod = root.value(u"mod"_s).toObject();
    for (auto it = mod.begin(); it != mod.end(); ++it) {
        if (!it.value().isString())
            problems.append(Text::tr("\"mod\": \"%1\" must be a text").arg(modEdit::Excerpt(it.key())));
    }
    return problems;
}

} // namespace

namespace {

Parsed Refused(QStringList problems)
{
    Parsed parsed;
    parsed.problems = std::move(problems);
    return parsed;
}

} // namespace

Parsed Parse(const QByteArray& json)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        const auto [line, column] = LineAndColumn(json, error.offset);
        return Refused({Text::tr("line %1, column %2: %3").arg(line).arg(column).arg(error.errorString())});
    }
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(u"format"_s).toString() != QStringView(Format))
        return Refused({Text::tr("not a change set: \"format\" must be \"%1\"").arg(QStringView(Format))});
    const QJsonValue version = root.value(u"version"_s);
    if (!version.isDouble() || version.toDouble() != std::trunc(version.toDouble()) || version.toDouble() < 1)
        return Refused({Text::tr("\"version\" must be a whole number")});
    if (version.toDouble() > Version)
        return Refused({Text::tr("version %1 is newer than this editor reads (%2)").arg(version.toDouble()).arg(Version)});
    if (!root.value(u"changes"_s).isArray())
        return Refused({Text::tr("\"changes\" must be a list")});
    if (QStringList problems = KeyProblems(json) + DescriptionProblems(root); !problems.isEmpty())
        return Refused(problems);

    Parsed parsed;
    const QJsonObject mod = root.value(u"mod"_s).toObject();
    for (const AboutKey& about : AboutKeys)
        parsed.about.*about.text = mod.value(ToQString(about.key)).toString();
    const QJsonArray changes = root.value(u"changes"_s).toArray();
    for (qsizetype index = 0; index < changes.size(); ++index) {
        const int number = int(index) + 1;
        const QJsonObject change = changes.at(index).toObject();
        const QJsonValue table = change.value(u"table"_s);
        const QJsonValue record = change.value(u"record"_s);
        const QJsonValue field = change.value(u"field"_s);
        const QJsonValue value = change.value(u"value"_s);
        const QJsonValue comment = change.value(u"comment"_s);
        if (!changes.at(index).isObject() || !table.isString() || !field.isString() || !ScalarText(record)
            || !ScalarText(value) || !(comment.isUndefined() || comment.isString())) {
            parsed.problems.append(
                Text::tr(
                    "change %1: needs \"table\" and \"field\" as texts, \"record\" and \"value\" as a text or number"
                    " (and \"comment\", if any, as a text)")
                    .arg(number));
            continue;
        }
        Entry entry{table.toString(), record, field.toString(), std::nullopt, value, comment.toString()};
        if (change.contains(u"was"_s))
            entry.was = change.value(u"was"_s);
        parsed.entries.push_back(std::move(entry));
    }
    return parsed;
}

Resolved Resolve(const GameDocument& document, const std::vector<Entry>& entries, Options options, const QString& text)
{
    Resolved resolved;
    std::vector<Change> changes;
    std::map<std::tuple<QString, QString, QString>, int> seen;
    for (std::size_t index = 0; index < entries.size(); ++index) {
        const Entry& entry = entries[index];
        const int number = int(index) + 1;
        const auto key = std::make_tuple(entry.table, RecordText(entry.record), entry.field);
        if (const auto [it, inserted] = seen.emplace(key, number); !inserted) {
            resolved.problems.append(Where(number, entry) + Text::tr(": the same field as change %1").arg(it->second));
            continue;
        }
        Checked checked = Check(document, entry, number, options);
        if (!checked.problem.isEmpty())
            resolved.problems.append(checked.problem);
        else if (checked.change)
            changes.push_back(std::move(*checked.change));
        else
            ++resolved.unchanged;
        if (!checked.warning.isEmpty())
            resolved.warnings.append(checked.warning);
    }
    if (resolved.problems.isEmpty())
        resolved.edit = changes::InApplyOrder(text, std::move(changes));
    return resolved;
}

std::vector<Entry> SinceLoad(const GameDocument& document)
{
    std::vector<Entry> entries;
    for (const Difference& line : differences::Between(document)) {
        const FieldRef& ref = line.revert.ref;
        const catalogue::Table* table = catalogue::FindTable(ref.table);
        const catalogue::Field* field = table ? catalogue::FindField(*table, ref.field) : nullptr;
        if (field)  // bytes in no field have no name to carry
            entries.push_back(EntryFor(*table, ref.record, *field, line.now, line.asLoaded));
    }
    return entries;
}

Entry EntryFor(const catalogue::Table& table, int record, const catalogue::Field& field, const QString& value,
               std::optional<QString> was)
{
    const QJsonValue recordValue = table.Numbered() ? QJsonValue(record) : QJsonValue(catalogue::RecordName(table, record));
    Entry entry{table.Name(), recordValue, field.Name(), std::nullopt, ValueOf(table.Name(), field.Name(), value), {}};
    if (was)
        entry.was = ValueOf(table.Name(), field.Name(), *was);
    return entry;
}

std::vector<Entry> WholeTables(const GameDocument& document, const QStringList& tables)
{
    std::vector<Entry> entries;
    for (const catalogue::Table& table : catalogue::Tables()) {
        if ((!tables.isEmpty() && !tables.contains(table.Name())) || !document.IsLoaded(table.file))
            continue;
        const QByteArray& bytes = BytesOf(document, table);
        for (const catalogue::Slot& slot : catalogue::Slots(table, document.Version(), bytes))
            entries.push_back(EntryFor(table, slot.record, *slot.field, catalogue::Show(slot, bytes), std::nullopt));
    }
    return entries;
}

namespace {

// What a value is shown from: its bytes, and a name's bytes past those it writes.
bool SameBytes(const catalogue::Slot& one, const QByteArray& oneBytes, const catalogue::Slot& other,
               const QByteArray& otherBytes)
{
    const qsizetype width = std::max(one.width, one.shownWidth);
    if (width != std::max(other.width, other.shownWidth) || one.offset + width > oneBytes.size()
        || other.offset + width > otherBytes.size())
        return false;
    return QByteArrayView(oneBytes).sliced(one.offset, width) == QByteArrayView(otherBytes).sliced(other.offset, width);
}

} // namespace

std::vector<Entry> Between(const GameDocument& current, const GameDocument& other, QStringList* notes)
{
    std::vector<Entry> entries;
    for (const catalogue::Table& table : catalogue::Tables()) {
        if (!current.IsLoaded(table.file) || !other.IsLoaded(table.file))
            continue;
        const QByteArray& now = BytesOf(current, table);
        const QByteArray& then = BytesOf(other, table);
        const std::vector<catalogue::Slot> nowSlots = catalogue::Slots(table, current.Version(), now);
        const std::vector<catalogue::Slot> thenSlots = catalogue::Slots(table, other.Version(), then);
        if (nowSlots.size() != thenSlots.size() && notes) {
            notes->append(Text::tr("%1 has %2 entries here and %3 in the other install; only the first %4 are compared")
                              .arg(table.Name())
                              .arg(nowSlots.size())
                              .arg(thenSlots.size())
                              .arg(std::min(nowSlots.size(), thenSlots.size())));
        }
        for (std::size_t index = 0; index < std::min(nowSlots.size(), thenSlots.size()); ++index) {
            if (SameBytes(nowSlots[index], now, thenSlots[index], then))
                continue;  // the same bytes show the same value; most fields of a mod are alike
            const QString value = catalogue::Show(nowSlots[index], now);
            const QString was = catalogue::Show(thenSlots[index], then);
            if (value != was)
                entries.push_back(EntryFor(table, nowSlots[index].record, *nowSlots[index].field, value, was));
        }
    }
    return entries;
}

QJsonValue ValueOf(const QString& table, const QString& field, const QString& shown)
{
    const catalogue::Table* found = catalogue::FindTable(table);
    const catalogue::Field* described = found ? catalogue::FindField(*found, field) : nullptr;
    bool isNumber = false;
    const qint64 number = shown.toLongLong(&isNumber);
    if (described && catalogue::IsNumeric(described->kind) && isNumber)
        return QJsonValue(number);
    if (described && !catalogue::IsNumeric(described->kind) && described->kind != catalogue::Kind::Name
        && described->kind != catalogue::Kind::StringEntry && isNumber)
        return QJsonValue(number);  // an odd stored value no name fits
    return QJsonValue(shown);
}

QByteArray Write(const std::vector<Entry>& entries, const About& about)
{
    // "$schema" lets an editor complete names and flag typos as a modder types.
    QByteArray out = "{\n  \"$schema\": \"" + QString::fromUtf16(fieldguide::SchemaAddress).toUtf8()
                     + "\",\n  \"format\": \"" + QString::fromUtf16(Format).toUtf8() + "\",\n  \"version\": "
                     + QByteArray::number(Version) + ",\n";
    if (!about.IsEmpty()) {
        QByteArray mod;
        for (const AboutKey& key : AboutKeys) {
            if (const QString& text = about.*key.text; !text.isEmpty())
                mod += (mod.isEmpty() ? "" : ", ") + JsonText(ToQString(key.key)) + ": " + JsonText(text);
        }
        out += "  \"mod\": {" + mod + "},\n";
    }
    out += "  \"changes\": [";
    for (std::size_t index = 0; index < entries.size(); ++index) {
        const Entry& entry = entries[index];
        // Keys in the order a reader looks for them: what, then from what to what.
        QByteArray line = "{\"table\":" + JsonText(entry.table) + ", \"record\":" + JsonText(entry.record)
                          + ", \"field\":" + JsonText(entry.field);
        if (entry.was)
            line += ", \"was\":" + JsonText(*entry.was);
        line += ", \"value\":" + JsonText(entry.value);
        if (!entry.comment.isEmpty())
            line += ", \"comment\":" + JsonText(entry.comment);
        line += "}";
        out += (index == 0 ? "\n    " : ",\n    ") + line;
    }
    out += entries.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

bool About::IsEmpty() const
{
    return std::all_of(std::begin(AboutKeys), std::end(AboutKeys),
                       [this](const AboutKey& key) { return (this->*key.text).isEmpty(); });
}

QString RecordText(const QJsonValue& record)
{
    return Shown(record);
}

QString ValueText(const QJsonValue& value)
{
    return Shown(value);
}

std::optional<int> RecordIndex(const catalogue::Table& table, const QJsonValue& record, const GameDocument& document)
{
    return FindRecord(table, record, document);
}

} // namespace changeset
