// The File menu's change-set and spreadsheet commands: a mod in, a mod out, tables out
// and one table in. Reading goes through the same core routines as kestrel-cli.
#pragma once

#include <QString>

class Asker;
class EditHistory;
class GameDocument;

namespace modcommands {

// Each command returns what it did, for the status bar: empty when it did nothing.

// Applies a change-set file as one undoable step; refusals are listed and nothing changes.
QString ImportChanges(const GameDocument& document, EditHistory& history, Asker& asker);
// The same with the file already chosen: a dropped file, or the one the open dialog gave.
QString ImportChangesFrom(const QString& path, const GameDocument& document, EditHistory& history, Asker& asker);
// Writes the changes since the load, with "was", as a change-set file.
QString ExportChanges(const GameDocument& document, Asker& asker);
// Writes one CSV file per table into a chosen folder.
QString ExportTables(const GameDocument& document, Asker& asker);
// Reads one table's CSV file back: the cells that differ, as one undoable step.
QString ImportTable(const GameDocument& document, EditHistory& history, Asker& asker);
QString ImportTableFrom(const QString& path, const GameDocument& document, EditHistory& history, Asker& asker);

} // namespace modcommands
