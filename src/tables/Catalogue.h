// Every value the editor can write, by name: tables, records and fields as the user sees
// them, where each lies in each build, and how its value is shown. The Changes panel,
// change-set files, table views and the command line all go through here.
#pragma once

#include "core/GameFile.h"
#include "core/GameVersion.h"
#include "tables/FieldDescription.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace catalogue {

using Kind = FieldKind;

// A field as its table's own description gives it, with the name it is known by.
struct Field : FieldDescription {
    QString name;
};

struct Table {
    QString name;
    GameFile file;
    std::vector<Field> fields;
    int recordCount = 0;  // 0: counted from the file (a string table)
    bool numbered = true; // records named by index rather than by a name
    // File offset of a record in a build; null for a string table.
    qsizetype (*recordStart)(GameVersion version, int record) = nullptr;
    QString (*recordName)(int record) = nullptr;
};

// One field of one record, found in the loaded bytes of its file.
struct Slot {
    const Table* table = nullptr;
    int record = 0;
    const Field* field = nullptr;
    qsizetype offset = 0;
    qsizetype width = 0;
    qsizetype shownWidth = 0;  // a name is read from more bytes than it writes
};

[[nodiscard]] const std::vector<Table>& Tables();
[[nodiscard]] const Table* FindTable(const QString& name);
[[nodiscard]] const Field* FindField(const Table& table, const QString& name);

[[nodiscard]] int RecordCount(const Table& table, const QByteArray& fileBytes);
// "Sectoid Soldier", "Pistols", "R2C3"; an index as its number.
[[nodiscard]] QString RecordName(const Table& table, int record);
[[nodiscard]] std::optional<int> FindRecord(const Table& table, const QString& name, const QByteArray& fileBytes);

[[nodiscard]] std::optional<Slot> Locate(const Table& table, int record, const Field& field, GameVersion version,
                                         const QByteArray& fileBytes);

// Every slot of a table in the given bytes of its file, record by record.
[[nodiscard]] std::vector<Slot> Slots(const Table& table, GameVersion version, const QByteArray& fileBytes);

// The value as the user reads and types it.
[[nodiscard]] QString Show(const Slot& slot, const QByteArray& fileBytes);

// The bytes a typed value is written as, by the rule the field's prompt enforces; or why
// the prompt would ask again. Numbers follow the prompts' answer rules ("1e2", "&hFF");
// names as their choice lists or option captions show them; an odd stored value may be
// given as its number.
struct Reading {
    std::optional<QByteArray> bytes;
    QString refusal;
};
[[nodiscard]] Reading Read(const Slot& slot, const QString& text);

// Whether a field's values are numbers (a change-set file gives them as JSON numbers).
[[nodiscard]] bool IsNumeric(Kind kind);

// How a record with a number for a name is listed: "3 RIFLE CLIP" for an item.
[[nodiscard]] QString RecordCaption(const Table& table, int record, GameVersion version, const QByteArray& fileBytes);

} // namespace catalogue
