// Change-set files: a mod as a readable list of values by table, record and field, the
// same for every build. Reading checks the file's form; resolving checks every change
// against the loaded files by the prompts' own rules and gives one edit, or every problem.
#pragma once

#include "core/Change.h"
#include "tables/Catalogue.h"

#include <QByteArray>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <optional>
#include <string_view>
#include <vector>

class GameDocument;

namespace changeset {

inline constexpr char16_t Format[] = u"x-com-kestrel-changes";
inline constexpr int Version = 1;

struct Entry {
    QString table;
    QJsonValue record;  // a name, or an index for tables numbered from 0
    QString field;
    std::optional<QJsonValue> was;
    QJsonValue value;
    QString comment;  // the modder's note, carried through and written back
};

// The "mod" object: who made the mod and what it is; every text optional.
struct About {
    QString name;
    QString version;
    QString author;
    QString description;
    QString url;

    [[nodiscard]] bool IsEmpty() const;
};

// The "mod" object's keys, in the order they are written, each with the text it holds.
struct AboutKey {
    std::u16string_view key;
    QString About::*text;
};
inline constexpr AboutKey AboutKeys[] = {{u"name", &About::name},
                                         {u"version", &About::version},
                                         {u"author", &About::author},
                                         {u"description", &About::description},
                                         {u"url", &About::url}};

struct Parsed {
    std::vector<Entry> entries;
    QStringList problems;  // empty when the file's form is sound
    About about;
};

// The entries of a change-set file, or why its form is wrong: the parser's message with
// line and column, another format, a newer version, or a change without its keys.
[[nodiscard]] Parsed Parse(const QByteArray& json);

struct Resolved {
    Edit edit;             // every change that alters a byte, in the order to apply them
    QStringList problems;  // "change 4 (units / Sectoid Soldier / Bravery): 120 is above the limit 110"
    // Values taken past the form's limits: "units / Chryssalid Terrorist / Strength: 110
    // is above the limit 100 the form allows".
    QStringList warnings;
    int unchanged = 0;  // changes whose value already stands
};

struct Options {
    bool force = false;   // take a change whose field holds neither "was" nor the new value
    bool strict = false;  // refuse values past the form's limits instead of warning
};

// Checks every entry against the loaded files. A change whose value already stands is in
// place, whatever its "was" says; only a field holding neither is a conflict. Values are
// read as cells are (catalogue::Read), up to what the field stores.
[[nodiscard]] Resolved Resolve(const GameDocument& document, const std::vector<Entry>& entries, Options options,
                               const QString& text);

// The changes since the load, with "was": what the Changes panel lists.
[[nodiscard]] std::vector<Entry> SinceLoad(const GameDocument& document);

// Every field of the named tables (all when empty) at its current value, without "was".
[[nodiscard]] std::vector<Entry> WholeTables(const GameDocument& document, const QStringList& tables);

// What turns other into current over the tables both hold, with "was" from other.
// notes names what cannot be expressed (a string table with another number of entries).
[[nodiscard]] std::vector<Entry> Between(const GameDocument& current, const GameDocument& other, QStringList* notes);

// The file: one change per line, so it reads and diffs well in version control; the "mod"
// object only when it says something.
[[nodiscard]] QByteArray Write(const std::vector<Entry>& entries, const About& about = {});

// A record as the change set gives it, as text: "17", "LASER RIFLE".
[[nodiscard]] QString RecordText(const QJsonValue& record);
// A value as the change set gives it, as text: "120", "Yes".
[[nodiscard]] QString ValueText(const QJsonValue& value);
// The record an entry names in the loaded files: by name or number, an item also by a
// name only it has.
[[nodiscard]] std::optional<int> RecordIndex(const catalogue::Table& table, const QJsonValue& record,
                                             const GameDocument& document);

// A shown value as a change set carries it: a number for numeric fields, text otherwise.
[[nodiscard]] QJsonValue ValueOf(const QString& table, const QString& field, const QString& shown);

// The entry that sets a field of a record to a value as shown, the record named as the
// table names them; with "was" when it is given.
[[nodiscard]] Entry EntryFor(const catalogue::Table& table, int record, const catalogue::Field& field,
                             const QString& value, std::optional<QString> was = std::nullopt);

} // namespace changeset
