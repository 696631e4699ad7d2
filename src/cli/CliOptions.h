// kestrel-cli's command line: which command, on which install, with which options.
#pragma once

#include <QString>
#include <QStringList>

struct CliOptions {
    enum class Command { Info, Export, Diff, Apply, Conflicts, Fields, Schema, Help, Version, WrongUsage };

    Command command = Command::WrongUsage;
    QString exePath;
    // export
    QStringList tables;
    QString format = QStringLiteral("json");
    QString output;
    // diff
    QString againstExe;
    bool againstBackups = false;
    bool exitCode = false;  // exit 1 when there are differences
    // fields
    QString table;
    // apply, in load order (a later one wins); conflicts
    QStringList changesPaths;
    bool fromMasterBackup = false;
    bool dryRun = false;
    bool force = false;   // skip the "was" check
    bool strict = false;  // refuse values past the form's limits
    bool noBackups = false;
    // every command that loads: take files that fail the contents check
    bool loadAnyway = false;
    // What to print for Help, Version and WrongUsage.
    QString text;
};

namespace cli {

// The arguments as given, the program's name first; needs no application object.
[[nodiscard]] CliOptions Parse(const QStringList& arguments);

[[nodiscard]] QString Usage();

} // namespace cli
