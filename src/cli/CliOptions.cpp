// Parsing kestrel-cli's arguments with QCommandLineParser.
#include "cli/CliOptions.h"

#include "core/Version.h"

#include <QCommandLineParser>

#include <vector>

using namespace Qt::StringLiterals;

namespace cli {
namespace {

struct Options {
    QCommandLineOption help{QStringList{u"h"_s, u"help"_s}};
    QCommandLineOption version{QStringList{u"v"_s, u"version"_s}};
    QCommandLineOption table{u"table"_s, {}, u"NAME"_s};
    QCommandLineOption format{u"format"_s, {}, u"json|csv"_s};
    QCommandLineOption output{u"output"_s, {}, u"PATH"_s};
    QCommandLineOption against{u"against"_s, {}, u"OTHER_UFO_EXE"_s};
    QCommandLineOption againstBackups{u"against-backups"_s};
    QCommandLineOption dryRun{u"dry-run"_s};
    QCommandLineOption force{u"force"_s};
    QCommandLineOption noBackups{u"no-backups"_s};
    QCommandLineOption strict{u"strict"_s};
    QCommandLineOption loadAnyway{u"load-anyway"_s};
    QCommandLineOption exitCode{u"exit-code"_s};
    QCommandLineOption fromMasterBackup{u"from-master-backup"_s};
};

struct CommandHelp {
    QString name;
    QString usage;
    QString text;
};

// Each command's usage and options, for "COMMAND --help" and "help COMMAND".
const std::vector<CommandHelp>& Commands()
{
    static const std::vector<CommandHelp> commands = {
        {u"info"_s, u"kestrel-cli info UFO_EXE [--load-anyway]"_s,
         u"Prints the build, the data folder and every game and language file read.\n"_s},
        {u"export"_s, u"kestrel-cli export UFO_EXE [--table NAME]... [--format json|csv] [--output PATH] [--load-anyway]"_s,
         u"Writes tables (all, or each --table) as a change set or CSV.\n"
         u"  --table NAME      a table to write; repeat for more (kestrel-cli fields lists them)\n"
         u"  --format json|csv a change set (default) or CSV, one file per table\n"
         u"  --output PATH     the file to write (a folder for CSV of several tables); - is standard output\n"_s},
        {u"diff"_s, u"kestrel-cli diff UFO_EXE (--against OTHER_UFO_EXE | --against-backups) [--exit-code] [--load-anyway]"_s,
         u"Writes the change set that turns the other install into this one.\n"
         u"  --against OTHER_UFO_EXE  compare with another install\n"
         u"  --against-backups        compare with the .bak files beside this install\n"
         u"  --exit-code              exit 1 when there are differences\n"_s},
        {u"apply"_s,
         u"kestrel-cli apply UFO_EXE CHANGES.json... [--from-master-backup] [--dry-run] [--force] [--strict] [--no-backups] [--load-anyway]"_s,
         u"Applies change sets in the order given (a later one wins where two set the same field), all or\n"
         u"nothing, and saves as the editor does. Each field two of them set is listed on standard error.\n"
         u"  --from-master-backup  apply to the master backup instead of the files as they are; with no\n"
         u"                        change set, restore the master backup\n"
         u"  --dry-run             print what would change; write nothing\n"
         u"  --force               take changes whose field holds neither \"was\" nor the new value\n"
         u"  --strict              refuse values past the limits the form allows instead of warning\n"
         u"  --no-backups          write no backups\n"_s},
        {u"conflicts"_s, u"kestrel-cli conflicts CHANGES.json..."_s,
         u"Lists every field that two or more of the change sets set, with each one's value and the\n"
         u"winner (the later one), by the names the files give; needs no install. Exits 1 when there are any.\n"_s},
        {u"fields"_s, u"kestrel-cli fields [TABLE] [--format text|json]"_s,
         u"Lists every table (or one), its records and fields and what each can hold.\n"_s},
        {u"schema"_s, u"kestrel-cli schema"_s, u"Prints the JSON Schema of change-set files.\n"_s},
    };
    return commands;
}

const CommandHelp* FindCommand(const QString& name)
{
    for (const CommandHelp& command : Commands()) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

CliOptions Helped(const CommandHelp& command)
{
    CliOptions options;
    options.command = CliOptions::Command::Help;
    options.text = u"Usage: %1\n\n%2\nEvery command that loads takes --load-anyway: load files that fail the "
                   u"contents check.\n"_s.arg(command.usage, command.text);
    return options;
}

CliOptions Wrong(const QString& why)
{
    CliOptions options;
    options.command = CliOptions::Command::WrongUsage;
    options.text = u"kestrel-cli: "_s + why + u"\n\n"_s + Usage();
    return options;
}

// Each command takes only its own options.
bool OnlyThese(const QCommandLineParser& parser, const Options& all, std::initializer_list<const QCommandLineOption*> allowed,
               QString* stray)
{
    for (const QCommandLineOption* option : {&all.table, &all.format, &all.output, &all.against, &all.againstBackups,
                                             &all.dryRun, &all.force, &all.strict, &all.noBackups, &all.exitCode,
                                             &all.loadAnyway, &all.fromMasterBackup}) {
        if (parser.isSet(*option) && std::find(allowed.begin(), allowed.end(), option) == allowed.end()) {
            *stray = u"--"_s + option->names().front();
            return false;
        }
    }
    return true;
}

// fields and schema need no install: they describe the tables themselves.
CliOptions ParseGuide(const QCommandLineParser& parser, const Options& all, const QStringList& positional)
{
    CliOptions options;
    QString stray;
    if (positional.front() == u"schema"_s) {
        options.command = CliOptions::Command::Schema;
        if (!OnlyThese(parser, all, {}, &stray))
            return Wrong(u"schema takes no option %1."_s.arg(stray));
        if (positional.size() != 1)
            return Wrong(u"schema takes no argument."_s);
        return options;
    }
    options.command = CliOptions::Command::Fields;
    if (!OnlyThese(parser, all, {&all.format}, &stray))
        return Wrong(u"fields takes no option %1."_s.arg(stray));
    if (positional.size() > 2)
        return Wrong(u"fields takes at most one table."_s);
    options.table = positional.value(1);
    options.format = parser.isSet(all.format) ? parser.value(all.format) : u"text"_s;
    if (options.format != u"text"_s && options.format != u"json"_s)
        return Wrong(u"--format is text or json, not \"%1\"."_s.arg(options.format));
    return options;
}

} // namespace

QString Usage()
{
    return u"Usage:\n"
           u"  kestrel-cli info UFO_EXE\n"
           u"  kestrel-cli export UFO_EXE [--table NAME]... [--format json|csv] [--output PATH]\n"
           u"  kestrel-cli diff UFO_EXE (--against OTHER_UFO_EXE | --against-backups) [--exit-code]\n"
           u"  kestrel-cli apply UFO_EXE CHANGES.json... [--from-master-backup] [--dry-run] [--force] [--strict]\n"
           u"                    [--no-backups]\n"
           u"  kestrel-cli conflicts CHANGES.json...\n"
           u"  kestrel-cli fields [TABLE] [--format text|json]\n"
           u"  kestrel-cli schema\n"
           u"  kestrel-cli help COMMAND | COMMAND --help\n"
           u"  kestrel-cli --help | --version\n"
           u"\n"
           u"Every command that loads takes --load-anyway: load files that fail the contents check.\n"
           u"apply: --force takes changes whose field holds neither \"was\" nor the new value;\n"
           u"--strict refuses values past the limits the form allows instead of warning;\n"
           u"--from-master-backup applies to the master backup (alone, restores it).\n"
           u"\n"
           u"Edits the data of X-Com: UFO Defense from scripts: change sets by table, record and\n"
           u"field, the same for every build. Results go to standard output, messages to standard\n"
           u"error. Exit status: 0 success, 1 input refused or a write failed (nothing written),\n"
           u"2 wrong usage.\n"_s;
}

CliOptions Parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const Options all;
    parser.addOptions({all.help, all.version, all.table, all.format, all.output, all.against, all.againstBackups,
                       all.dryRun, all.force, all.strict, all.noBackups, all.loadAnyway, all.exitCode,
                       all.fromMasterBackup});
    if (!parser.parse(arguments))
        return Wrong(parser.errorText());
    CliOptions options;
    const QStringList positional = parser.positionalArguments();
    if (!positional.isEmpty() && positional.front() == u"help"_s) {
        if (positional.size() == 1)
            return Helped({u"help"_s, u"kestrel-cli help COMMAND"_s, Usage()});
        const CommandHelp* command = FindCommand(positional.at(1));
        return command && positional.size() == 2 ? Helped(*command) : Wrong(u"no command \"%1\"."_s.arg(positional.at(1)));
    }
    if (parser.isSet(all.help) && !positional.isEmpty()) {
        if (const CommandHelp* command = FindCommand(positional.front()))
            return Helped(*command);
    }
    if (parser.isSet(all.help)) {
        options.command = CliOptions::Command::Help;
        options.text = Usage();
        return options;
    }
    if (parser.isSet(all.version)) {
        options.command = CliOptions::Command::Version;
        options.text = u"kestrel-cli " KESTREL_VERSION "\n"_s;
        return options;
    }
    if (positional.isEmpty())
        return Wrong(u"no command given."_s);
    const QString command = positional.front();
    options.exePath = positional.value(1);
    QString stray;
    if (command == u"info"_s) {
        options.command = CliOptions::Command::Info;
        if (!OnlyThese(parser, all, {&all.loadAnyway}, &stray))
            return Wrong(u"info takes no option %1."_s.arg(stray));
        if (positional.size() != 2)
            return Wrong(u"info takes one executable."_s);
    } else if (command == u"export"_s) {
        options.command = CliOptions::Command::Export;
        if (!OnlyThese(parser, all, {&all.table, &all.format, &all.output, &all.loadAnyway}, &stray))
            return Wrong(u"export takes no option %1."_s.arg(stray));
        if (positional.size() != 2)
            return Wrong(u"export takes one executable."_s);
        options.tables = parser.values(all.table);
        options.output = parser.value(all.output);
        if (parser.isSet(all.format))
            options.format = parser.value(all.format);
        if (options.format != u"json"_s && options.format != u"csv"_s)
            return Wrong(u"--format is json or csv, not \"%1\"."_s.arg(options.format));
        if (options.format == u"csv"_s && options.output.isEmpty() && options.tables.size() != 1)
            return Wrong(u"CSV of more than one table needs --output FOLDER."_s);
    } else if (command == u"diff"_s) {
        options.command = CliOptions::Command::Diff;
        if (!OnlyThese(parser, all, {&all.against, &all.againstBackups, &all.exitCode, &all.loadAnyway}, &stray))
            return Wrong(u"diff takes no option %1."_s.arg(stray));
        if (positional.size() != 2)
            return Wrong(u"diff takes one executable."_s);
        options.againstExe = parser.value(all.against);
        options.againstBackups = parser.isSet(all.againstBackups);
        options.exitCode = parser.isSet(all.exitCode);
        if (options.againstExe.isEmpty() == !options.againstBackups)
            return Wrong(u"diff needs --against OTHER_UFO_EXE or --against-backups, one of them."_s);
    } else if (command == u"apply"_s) {
        options.command = CliOptions::Command::Apply;
        if (!OnlyThese(parser, all, {&all.dryRun, &all.force, &all.strict, &all.noBackups, &all.loadAnyway,
                                     &all.fromMasterBackup},
                       &stray))
            return Wrong(u"apply takes no option %1."_s.arg(stray));
        options.fromMasterBackup = parser.isSet(all.fromMasterBackup);
        if (positional.size() < (options.fromMasterBackup ? 2 : 3))
            return Wrong(u"apply takes an executable and one or more change-set files."_s);
        options.changesPaths = positional.mid(2);
        // Standard input can be read once.
        if (options.changesPaths.count(u"-"_s) > 1)
            return Wrong(u"apply reads standard input (-) once."_s);
        options.dryRun = parser.isSet(all.dryRun);
        options.force = parser.isSet(all.force);
        options.strict = parser.isSet(all.strict);
        options.noBackups = parser.isSet(all.noBackups);
    } else if (command == u"conflicts"_s) {
        options.command = CliOptions::Command::Conflicts;
        if (!OnlyThese(parser, all, {}, &stray))
            return Wrong(u"conflicts takes no option %1."_s.arg(stray));
        if (positional.size() < 2)
            return Wrong(u"conflicts takes one or more change-set files."_s);
        options.changesPaths = positional.mid(1);
        if (options.changesPaths.count(u"-"_s) > 1)
            return Wrong(u"conflicts reads standard input (-) once."_s);
        return options;
    } else if (command == u"fields"_s || command == u"schema"_s) {
        return ParseGuide(parser, all, positional);
    } else {
        return Wrong(u"no command \"%1\"."_s.arg(command));
    }
    if (options.exePath.isEmpty())
        return Wrong(u"the executable's path is empty."_s);
    options.loadAnyway = parser.isSet(all.loadAnyway);
    return options;
}

} // namespace cli
