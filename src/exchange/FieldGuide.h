// What a modder needs to name a value without reading the source: every table with its
// records and fields, their kinds and what they can hold, as text, as JSON, and as a JSON
// Schema of the change-set format that editors use to complete names and flag typos.
#pragma once

#include <QByteArray>
#include <QString>

namespace fieldguide {

// The file the schema is installed as (under /usr/share/kestrel), and the address a
// change set's "$schema" names it by.
inline constexpr char16_t SchemaName[] = u"x-com-kestrel-changes-1.schema.json";
inline constexpr char16_t SchemaAddress[] = u"https://xcomkestrel.github.io/schemas/x-com-kestrel-changes-1.schema.json";

// Every table, or the one named (empty when there is no such table).
[[nodiscard]] QString Listing(const QString& table);
[[nodiscard]] QByteArray ListingJson(const QString& table);

// A draft 2020-12 schema of change-set files: the tables, each one's records and fields
// as enums, and what each value can hold (the storage range, so that a revert to the
// game's own values validates; the form's limit in the description).
[[nodiscard]] QByteArray Schema();

} // namespace fieldguide
