// What differs between the files as loaded and as they are now, one line per field, and
// the change that puts each back.
#pragma once

#include "core/Change.h"

#include <QString>

#include <vector>

class GameDocument;

struct Difference {
    QString table;          // a catalogue table, or the file's name for bytes in no field
    QString record;         // the catalogue's record name, or "byte 480147"
    QString recordCaption;  // as lists show it: "3 RIFLE CLIP"
    QString field;          // empty for bytes in no field
    QString asLoaded;
    QString now;
    Change revert;          // applied, it puts the value back as loaded; named by the line's field
};

namespace differences {

[[nodiscard]] std::vector<Difference> Between(const GameDocument& document);

} // namespace differences
