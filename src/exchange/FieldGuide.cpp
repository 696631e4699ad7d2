// The field guide and schema, built from the catalogue alone: no install is needed.
#include "exchange/FieldGuide.h"

#include "exchange/ChangeSet.h"
#include "tables/Catalogue.h"
#include "core/DataFiles.h"
#include "core/TableText.h"
#include "core/TextRoutines.h"
#include "tables/CellText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace fieldguide {
namespace {

QString Grouped(long long number)
{
    return modEdit::GroupThousands(QString::number(number));
}

QString FileName(const catalogue::Table& table)
{
    const DataFileSpec* dataFile = datafiles::Find(table.file);
    return dataFile ? dataFile->fileName : u"ufo.exe"_s;
}

QString RecordsText(const catalogue::Table& table)
{
    if (table.IsStringTable())
        return u"the entries, counted from 0"_s;
    if (table.Numbered())
        return u"0 to %1%2"_s.arg(table.recordCount - 1).arg(
            catalogue::FindField(table, u"Name"_s) ? u", or an item's name where one item has it"_s : QString());
    return catalogue::RecordNames(table).join(u", "_s);
}

// "a number 0 to 255 (the form allows up to 100)"
QString KindText(const catalogue::Table& table, const catalogue::Field& field)
{
    switch (field.kind) {
    case catalogue::Kind::Name: return u"a name of up to %1 characters"_s.arg(field.rename->writtenWidth);
    case catalogue::Kind::StringEntry: return u"a text"_s;
    case catalogue::Kind::Flag: return u"Yes or No (or a stored byte as its number)"_s;
    case catalogue::Kind::DamageType: return u"a damage type: %1 (or a stored byte as its number)"_s.arg(cells::Choices(field).join(u", "_s));
    case catalogue::Kind::BaseFacility: return u"a facility by its name in the facility list, or its code"_s;
    default: break;
    }
    const catalogue::Bounds bounds = *catalogue::NumberBounds(table, 0, field);
    if (field.kind == catalogue::Kind::StoresAmount)
        return u"a number 0 to 255 for Engineers and Scientists (the form allows up to 250), 0 to 65,535 for items "
               u"(the form allows up to 28,671)"_s;
    if (field.kind == catalogue::Kind::Bravery)
        return u"a multiple of 10 from -2,440 to 110 (the form allows 0 to 110)"_s;
    QString text = u"a number %1 to %2"_s.arg(Grouped(bounds.least), Grouped(bounds.most));
    if (bounds.formMost != bounds.most)
        text += u" (the form allows up to %1)"_s.arg(Grouped(bounds.formMost));
    return text;
}

std::vector<const catalogue::Table*> Chosen(const QString& name)
{
    std::vector<const catalogue::Table*> tables;
    for (const catalogue::Table& table : catalogue::Tables()) {
        if (name.isEmpty() || table.Name() == name)
            tables.push_back(&table);
    }
    return tables;
}

QJsonObject NumberSchema(long long least, long long most, const QString& description)
{
    return {{u"type"_s, u"integer"_s}, {u"minimum"_s, least}, {u"maximum"_s, most}, {u"description"_s, description}};
}

// What "value" and "was" may hold for one field.
QJsonObject ValueSchema(const catalogue::Table& table, const catalogue::Field& field)
{
    const QString description = KindText(table, field);
    switch (field.kind) {
    case catalogue::Kind::Name:
        return {{u"type"_s, u"string"_s}, {u"maxLength"_s, int(field.rename->writtenWidth)}, {u"description"_s, description}};
    case catalogue::Kind::StringEntry: return {{u"type"_s, u"string"_s}, {u"description"_s, description}};
    case catalogue::Kind::Flag:
    case catalogue::Kind::DamageType:
    case catalogue::Kind::BaseFacility:
        return {{u"anyOf"_s, QJsonArray{QJsonObject{{u"type"_s, u"string"_s}}, NumberSchema(0, 255, {})}},
                {u"description"_s, description}};
    default: break;
    }
    const catalogue::Bounds bounds = *catalogue::NumberBounds(table, 0, field);
    const long long most = field.kind == catalogue::Kind::StoresAmount ? 0xFFFF : bounds.most;
    // A number may also be a text the view shows: "28,671", "3 RIFLE CLIP", "none".
    return {{u"anyOf"_s, QJsonArray{NumberSchema(bounds.least, most, description), QJsonObject{{u"type"_s, u"string"_s}}}},
            {u"description"_s, description}};
}

QJsonObject RecordSchema(const catalogue::Table& table)
{
    if (!table.Numbered())
        return {{u"enum"_s, QJsonArray::fromStringList(catalogue::RecordNames(table))}};
    QJsonObject number{{u"type"_s, u"integer"_s}, {u"minimum"_s, 0}};
    if (!table.IsStringTable())
        number.insert(u"maximum"_s, table.recordCount - 1);
    return {{u"anyOf"_s, QJsonArray{number, QJsonObject{{u"type"_s, u"string"_s}}}}, {u"description"_s, RecordsText(table)}};
}

QJsonObject IfThen(const QString& key, const QString& value, const QJsonObject& then)
{
    return {{u"if"_s, QJsonObject{{u"properties"_s, QJsonObject{{key, QJsonObject{{u"const"_s, value}}}}},
                                  {u"required"_s, QJsonArray{key}}}},
            {u"then"_s, then}};
}

QJsonObject TableSchema(const catalogue::Table& table)
{
    QJsonArray perField;
    for (const catalogue::Field& field : table.fields) {
        const QJsonObject value = ValueSchema(table, field);
        perField.append(IfThen(u"field"_s, field.Name(),
                               {{u"properties"_s, QJsonObject{{u"value"_s, value}, {u"was"_s, value}}}}));
    }
    return {{u"properties"_s, QJsonObject{{u"record"_s, RecordSchema(table)}, {u"field"_s, QJsonObject{{u"enum"_s, QJsonArray::fromStringList(catalogue::FieldNames(table))}}}}},
            {u"allOf"_s, perField}};
}

} // namespace

QString Listing(const QString& name)
{
    QString text;
    for (const catalogue::Table* table : Chosen(name)) {
        text += u"%1 (%2)\n  records: %3\n"_s.arg(table->Name(), FileName(*table), RecordsText(*table));
        for (const catalogue::Field& field : table->fields)
            text += u"  %1: %2\n"_s.arg(field.Name(), KindText(*table, field));
    }
    return text;
}

QByteArray ListingJson(const QString& name)
{
    QJsonArray tables;
    for (const catalogue::Table* table : Chosen(name)) {
        QJsonArray fields;
        for (const catalogue::Field& field : table->fields) {
            QJsonObject entry{{u"name"_s, field.Name()}, {u"holds"_s, KindText(*table, field)}};
            if (const std::optional<catalogue::Bounds> bounds = catalogue::NumberBounds(*table, 0, field)) {
                entry.insert(u"minimum"_s, bounds->least);
                entry.insert(u"maximum"_s, field.kind == catalogue::Kind::StoresAmount ? 0xFFFF : bounds->most);
                entry.insert(u"formMaximum"_s, bounds->formMost);
            }
            fields.append(entry);
        }
        QJsonObject entry{{u"name"_s, table->Name()}, {u"file"_s, FileName(*table)}, {u"fields"_s, fields}};
        if (table->Numbered())
            entry.insert(u"records"_s, RecordsText(*table));
        else
            entry.insert(u"records"_s, QJsonArray::fromStringList(catalogue::RecordNames(*table)));
        tables.append(entry);
    }
    return QJsonDocument(QJsonObject{{u"tables"_s, tables}}).toJson();
}

QByteArray Schema()
{
    QJsonArray perTable;
    for (const catalogue::Table& table : catalogue::Tables()) {
        perTable.append(IfThen(u"table"_s, table.Name(), TableSchema(table)));
    }
    const QJsonObject text{{u"type"_s, u"string"_s}};
    const QJsonObject change{
        {u"type"_s, u"object"_s},
        {u"required"_s, QJsonArray{u"table"_s, u"record"_s, u"field"_s, u"value"_s}},
        {u"additionalProperties"_s, false},
        {u"properties"_s, QJsonObject{{u"table"_s, QJsonObject{{u"enum"_s, QJsonArray::fromStringList(catalogue::TableNames())}}},
                                      {u"record"_s, QJsonObject{}},
                                      {u"field"_s, text},
                                      {u"was"_s, QJsonObject{}},
                                      {u"value"_s, QJsonObject{}},
                                      {u"comment"_s, text}}},
        {u"allOf"_s, perTable}};
    QJsonObject modProperties;
    for (const changeset::AboutKey& about : changeset::AboutKeys)
        modProperties.insert(ToQString(about.key), text);
    const QJsonObject schema{
        {u"$schema"_s, u"https://json-schema.org/draft/2020-12/schema"_s},
        {u"$id"_s, QString::fromUtf16(SchemaAddress)},
        {u"title"_s, u"X-Com Kestrel change set"_s},
        {u"type"_s, u"object"_s},
        {u"required"_s, QJsonArray{u"format"_s, u"version"_s, u"changes"_s}},
        {u"additionalProperties"_s, false},
        {u"properties"_s,
         QJsonObject{{u"$schema"_s, text},
                     {u"format"_s, QJsonObject{{u"const"_s, QString::fromUtf16(changeset::Format)}}},
                     {u"version"_s, QJsonObject{{u"const"_s, changeset::Version}}},
                     {u"mod"_s, QJsonObject{{u"type"_s, u"object"_s}, {u"additionalProperties"_s, false},
                                            {u"properties"_s, modProperties}}},
                     {u"changes"_s, QJsonObject{{u"type"_s, u"array"_s}, {u"items"_s, change}}}}}};
    return QJsonDocument(schema).toJson();
}

} // namespace fieldguide
