// Every value the editor can write, by key: the layouts of the game tables, where each
// value lies in each build, and how it is shown and read. The Changes panel, change-set
// files, table views, the tabs and the command line all go through here.
#pragma once

#include "core/Change.h"
#include "core/GameFile.h"
#include "core/GameVersion.h"
#include "tables/FieldDescription.h"
#include "tables/TableLayout.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace catalogue {

using Kind = FieldKind;

using Field = FieldDescription;
using Table = TableLayout;

// One field of one record, found in the loaded bytes of its file.
struct Slot {
    const Table* table = nullptr;
    int record = 0;
    const Field* field = nullptr;
    qsizetype offset = 0;
    qsizetype width = 0;
    qsizetype shownWidth = 0;  // a name is read from more bytes than it writes
};

// Every table: the executable's, obdata.dat's, then the string files'.
[[nodiscard]] const std::vector<Table>& Tables();
[[nodiscard]] const Table* FindTable(const QString& name);
[[nodiscard]] const Field* FindField(const Table& table, const QString& name);

// The keys, as lists: for suggestions, listings and the schema.
[[nodiscard]] QStringList TableNames();
[[nodiscard]] QStringList FieldNames(const Table& table);
// A named table's records ("Sectoid Soldier" …); empty for a table numbered from 0.
[[nodiscard]] QStringList RecordNames(const Table& table);

[[nodiscard]] int RecordCount(const Table& table, const QByteArray& fileBytes);
// "Sectoid Soldier", "Pistols", "R2C3"; an index as its number.
[[nodiscard]] QString RecordName(const Table& table, int record);
[[nodiscard]] std::optional<int> FindRecord(const Table& table, const QString& name, const QByteArray& fileBytes);

// Where one field of one record lies in the given bytes of its table's file; nothing for
// a record or field outside them. The only place a record and field become an offset.
[[nodiscard]] std::optional<Slot> Locate(const Table& table, int record, const Field& field, GameVersion version,
                                         const QByteArray& fileBytes);

// The same, for a value named by key; nothing for a key no table has.
[[nodiscard]] std::optional<Slot> Locate(const FieldRef& ref, GameVersion version, const QByteArray& fileBytes);
[[nodiscard]] FieldRef RefOf(const Slot& slot);

// The change of a slot's bytes in fileBytes into after, named by its table, record and field.
[[nodiscard]] Change ChangeAt(const Slot& slot, const QByteArray& fileBytes, const QByteArray& after);

// What step texts call a record, as users know it from the lists: "Sectoid Soldier",
// "LASER RIFLE" (an item by the name fileBytes hold), "ENGLISH.DAT entry 15", "first name 5".
[[nodiscard]] QString StepSubject(const Table& table, int record, GameVersion version, const QByteArray& fileBytes);
// The step a change makes, named the same wherever a step is made or listed (the tabs,
// the table views, the Changes panel): "LASER RIFLE: Damage 60 → 90", "Rename RIFLE CLIP
// to Rifle Clip", "ENGLISH.DAT entry 15: "Laser Rifle"". fileBytes: its file before the
// change. Empty for a change that names no field.
[[nodiscard]] QString StepText(const Change& change, GameVersion version, const QByteArray& fileBytes);

// Every slot of a table in the given bytes of its file, record by record.
[[nodiscard]] std::vector<Slot> Slots(const Table& table, GameVersion version, const QByteArray& fileBytes);

// The value as the user reads and types it.
[[nodiscard]] QString Show(const Slot& slot, const QByteArray& fileBytes);

// The bytes a value from a cell, a paste or a file is written as, or why it is refused.
// A number must be whole ("28,671" as the form groups it), names as their choice lists
// or option captions show them, an odd stored value as its number; blanks around it are
// ignored. Typed into a cell, a value keeps to the form's limit. From a file or a paste
// it may be anything the field stores (the game holds values its prompts refuse, and a
// revert must restore them): past the form's limit it is taken with a warning, unless
// strict.
enum class Limits { Form, Storage, StrictStorage };
struct Reading {
    std::optional<QByteArray> bytes;
    QString refusal;
    QString warning;  // "110 is above the limit 100 the form allows"
};
[[nodiscard]] Reading Read(const Slot& slot, const QString& text, Limits limits);

// What a numeric field of a record stores and what its form allows, as Read applies them:
// bravery as shown (110 down to -2,440), every other number as stored.
struct Bounds {
    long long least = 0;
    long long most = 255;
    long long formLeast = 0;
    long long formMost = 255;
};
[[nodiscard]] std::optional<Bounds> NumberBounds(const Table& table, int record, const Field& field);

// Whether a field's values are numbers (a change-set file gives them as JSON numbers).
[[nodiscard]] bool IsNumeric(Kind kind);

// How a record with a number for a name is listed: "3 RIFLE CLIP" for an item.
[[nodiscard]] QString RecordCaption(const Table& table, int record, GameVersion version, const QByteArray& fileBytes);

} // namespace catalogue
