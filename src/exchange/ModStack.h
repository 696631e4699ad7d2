// Mods stacked in a load order: change-set files applied one after another to a base, a
// later mod winning where two set the same field, and the fields where they meet.
#pragma once

#include "core/Change.h"
#include "core/GameFileSet.h"
#include "exchange/ChangeSet.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <tuple>
#include <vector>

class GameDocument;

namespace modstack {

// A mod: a change-set file and what its "mod" object says of it.
struct Mod {
    QString path;
    changeset::About about;
    std::vector<changeset::Entry> entries;
    QString problem;  // why the file cannot be used ("missing", a refused form); empty when it can

    // The name it gives itself, the file's name otherwise.
    [[nodiscard]] QString Name() const;
    // The name with the version where there is one: "Laser Balance 1.2".
    [[nodiscard]] QString Title() const;
};

// Reads a change-set file with the usual cap; a file that is not there is "missing".
[[nodiscard]] Mod Read(const QString& path);

// One field, as conflicts are told apart: the table's key, the record and the field's key.
struct FieldKey {
    QString table;
    QString record;
    QString field;
    bool operator==(const FieldKey&) const = default;
    bool operator<(const FieldKey& other) const
    {
        return std::tie(table, record, field) < std::tie(other.table, other.record, other.field);
    }
};
// The field an entry sets. Against a document that holds it, its record is named as the
// install names it ("17 LASER RIFLE"), so a record given by number and by name is one
// field; otherwise as the file gives it.
[[nodiscard]] FieldKey KeyOf(const changeset::Entry& entry, const GameDocument* document);

// The fields a mod sets, each with the value as the mod gives it, keyed as KeyOf says.
struct Setting {
    FieldKey key;
    QString value;
};
[[nodiscard]] std::vector<Setting> Settings(const Mod& mod, const GameDocument* document);

struct Conflict {
    FieldKey key;
    // Index into the mods given, and its value, in load order; the last one wins.
    std::vector<std::pair<int, QString>> values;
    [[nodiscard]] int Winner() const { return values.back().first; }
};

// Every field set by two or more of the mods (each mod's settings, in load order), once,
// in the order the fields first appear.
[[nodiscard]] std::vector<Conflict> Conflicts(const std::vector<std::vector<Setting>>& settings);

// Each mod's value in load order: "a.json 90, b.json 120".
[[nodiscard]] QString ValuesText(const Conflict& conflict, const QStringList& names);
// "items / 17 LASER RIFLE / Damage: a.json 90, b.json 120 -> b.json"
[[nodiscard]] QString ConflictLine(const Conflict& conflict, const QStringList& names);

// The files a stack applies to: the master backup when one exists beside the install,
// otherwise the files as loaded.
struct Base {
    GameFileSet files;
    bool masterBackup = false;
};
[[nodiscard]] bool HasMasterBackup(const GameFileSet& files);
// The master backup of the loaded files; false with the reason when there is none whole.
[[nodiscard]] bool ReadMasterBackup(const GameFileSet& loaded, GameFileSet& backup, QString* error);
[[nodiscard]] Base BaseOf(const GameFileSet& loaded);

// The files as a document of their own (working = the bytes given).
[[nodiscard]] std::unique_ptr<GameDocument> DocumentOf(const GameFileSet& files);

struct Stacked {
    std::unique_ptr<GameDocument> result;  // base + every mod, in order; null when refused
    QStringList problems;                  // each named with its mod: "b.json: change 4 (…): …"
    QStringList warnings;
    int values = 0;  // the changes the mods give, all told
};

// Checks every mod against the base by the round-trip rules (its "was" is the base's
// value), then applies them in order, a later one over an earlier one.
[[nodiscard]] Stacked Stack(const GameFileSet& base, const std::vector<const Mod*>& mods, changeset::Options options);

// The one step that makes the document equal to target, with a line per field it changes.
struct Step {
    Edit edit;
    std::vector<changeset::Entry> lines;  // value = target's, was = the document's now
    QStringList problems;
};
[[nodiscard]] Step Toward(const GameDocument& document, const GameDocument& target, const QString& text);

} // namespace modstack
