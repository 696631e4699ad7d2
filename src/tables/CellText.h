// How a catalogue value reads in a cell of a record table, and how a cell's text is taken
// back: what the cell shows, or any answer its prompt would take.
#pragma once

#include "tables/Catalogue.h"

#include <QStringList>

namespace cells {

// The value as catalogue::Show gives it, but two-byte amounts grouped ("1,500") and an
// ammo type as the number and name of the item it names ("3 RIFLE CLIP", "255 none").
[[nodiscard]] QString Text(const catalogue::Slot& slot, const QByteArray& fileBytes, GameVersion version);

// The bytes a cell's text stands for, by catalogue::Read's rules and limits, or why it
// is refused. The value as the cell shows it now is taken unchanged, even one the form
// would refuse (a strength of 110 where 100 is the limit). An ammo type may also be
// given as the cell shows it ("3 RIFLE CLIP"), as "none", or by an item's name alone
// where exactly one item has it.
[[nodiscard]] catalogue::Reading Read(const catalogue::Slot& slot, const QString& text, const QByteArray& fileBytes,
                                      GameVersion version, catalogue::Limits limits);

// The one record whose Name field is the text, ignoring case and surrounding blanks:
// "LASER RIFLE" for an item. Nothing for a table without names or a name two records share.
[[nodiscard]] std::optional<int> RecordNamed(const catalogue::Table& table, const QString& text,
                                             const QByteArray& fileBytes, GameVersion version);

// Whether the cell holds a plain number, right-aligned and sorted by value.
[[nodiscard]] bool IsNumber(const catalogue::Slot& slot);

// The names a Yes/No or damage type cell is chosen from; empty for every other kind.
[[nodiscard]] QStringList Choices(const catalogue::Field& field);

} // namespace cells
