// One game table as data: its stable key, its file, where it starts in each build, how its
// records lie and are named, and its fields. The catalogue is the list of these, and
// catalogue::Locate is the one place a table, record and field become an offset.
#pragma once

#include "core/GameFile.h"
#include "core/TableText.h"
#include "tables/FieldDescription.h"
#include "tables/VersionOffsets.h"

#include <QString>

#include <span>
#include <string_view>

struct TableLayout {
    // How the table is named in change-set files, the edit history and the Changes panel.
    // Saved mods name tables and fields by these keys: never change one.
    std::u16string_view key;
    GameFile file;
    VersionOffsets start;      // of the first record; the same in every build for obdata.dat
    qsizetype recordSize = 0;  // from one record to the next
    int recordCount = 0;       // 0: counted from the file (a string table)
    qsizetype size = 0;        // the bytes the table spans from start, gaps included
    std::span<const FieldDescription> fields = {};
    // A record named by a name ("Sectoid Soldier", "R2C3"); null: by its number.
    QString (*recordName)(int record) = nullptr;
    // What step texts call a record, given the name its first field holds in the file when
    // it has one ("LASER RIFLE", "first name 5"); null: the record's name.
    QString (*stepSubject)(int record, const QString& name) = nullptr;
    // Records that are not evenly spaced (the stores lines): a record's place from start
    // and its width, instead of recordSize * record and the field's own width.
    qsizetype (*recordPosition)(int record) = nullptr;
    qsizetype (*recordWidth)(int record) = nullptr;

    [[nodiscard]] QString Name() const { return ToQString(key); }
    [[nodiscard]] bool Numbered() const { return recordName == nullptr; }
    [[nodiscard]] bool IsStringTable() const { return recordCount == 0; }
};

// The same offset in every build: a table of a data file.
[[nodiscard]] constexpr VersionOffsets SameInEveryBuild(qsizetype offset)
{
    return {offset, offset, offset};
}
