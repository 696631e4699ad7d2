// kestrel-cli's command line: which command, on which install, with which options.
#pragma once

#include <QString>
#include <QStringList>

struct CliOptions {
    enum class Command { Info, Export, Diff, Apply, Help, Version, WrongUsage };

    Command command = Command::WrongUsage;
    QString exePath;
    // export
    QStringList tables;
    QString format = QStringLiteral("json");
    QString output;
    // diff
    QString againstExe;
    bool againstBackups = false;
    // apply
    QString changesPath;
    bool dryRun = false;
    bool force = false;
    bool noBackups = false;
    // What to print for Help, Version and WrongUsage.
    QString text;
};

namespace cli {

// The arguments as given, the program's name first; needs no application object.
[[nodiscard]] CliOptions Parse(const QStringList& arguments);

[[nodiscard]] QString Usage();

} // namespace cli
