// The File menu's change-set and spreadsheet commands: a mod in, a mod out, tables out
// and one table in. Reading goes through the same core routines as kestrel-cli.
#pragma once

class Asker;
class EditHistory;
class GameDocument;
class QString;

namespace modcommands {

// Applies a change-set file as one undoable step; refusals are listed and nothing changes.
void ImportChanges(const GameDocument& document, EditHistory& history, Asker& asker);
// The same with the file already chosen: a dropped file, or the one the open dialog gave.
void ImportChangesFrom(const QString& path, const GameDocument& document, EditHistory& history, Asker& asker);
// Writes the changes since the load, with "was", as a change-set file.
void ExportChanges(const GameDocument& document, Asker& asker);
// Writes one CSV file per table into a chosen folder.
void ExportTables(const GameDocument& document, Asker& asker);
// Reads one table's CSV file back: the cells that differ, as one undoable step.
void ImportTable(const GameDocument& document, EditHistory& history, Asker& asker);
void ImportTableFrom(const QString& path, const GameDocument& document, EditHistory& history, Asker& asker);

} // namespace modcommands
