// Parsing kestrel-cli's arguments with QCommandLineParser.
#include "cli/CliOptions.h"

#include "core/Version.h"

#include <QCommandLineParser>

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
};

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
                                             &all.dryRun, &all.force, &all.noBackups}) {
        if (parser.isSet(*option) && std::find(allowed.begin(), allowed.end(), option) == allowed.end()) {
            *stray = u"--"_s + option->names().front();
            return false;
        }
    }
    return true;
}

} // namespace

QString Usage()
{
    return u"Usage:\n"
           u"  kestrel-cli info UFO_EXE\n"
           u"  kestrel-cli export UFO_EXE [--table NAME]... [--format json|csv] [--output PATH]\n"
           u"  kestrel-cli diff UFO_EXE (--against OTHER_UFO_EXE | --against-backups)\n"
           u"  kestrel-cli apply UFO_EXE CHANGES.json [--dry-run] [--force] [--no-backups]\n"
           u"  kestrel-cli --help | --version\n"
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
                       all.dryRun, all.force, all.noBackups});
    if (!parser.parse(arguments))
        return Wrong(parser.errorText());
    CliOptions options;
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
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return Wrong(u"no command given."_s);
    const QString command = positional.front();
    options.exePath = positional.value(1);
    QString stray;
    if (command == u"info"_s) {
        options.command = CliOptions::Command::Info;
        if (!OnlyThese(parser, all, {}, &stray))
            return Wrong(u"info takes no option %1."_s.arg(stray));
        if (positional.size() != 2)
            return Wrong(u"info takes one executable."_s);
    } else if (command == u"export"_s) {
        options.command = CliOptions::Command::Export;
        if (!OnlyThese(parser, all, {&all.table, &all.format, &all.output}, &stray))
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
        if (!OnlyThese(parser, all, {&all.against, &all.againstBackups}, &stray))
            return Wrong(u"diff takes no option %1."_s.arg(stray));
        if (positional.size() != 2)
            return Wrong(u"diff takes one executable."_s);
        options.againstExe = parser.value(all.against);
        options.againstBackups = parser.isSet(all.againstBackups);
        if (options.againstExe.isEmpty() == !options.againstBackups)
            return Wrong(u"diff needs --against OTHER_UFO_EXE or --against-backups, one of them."_s);
    } else if (command == u"apply"_s) {
        options.command = CliOptions::Command::Apply;
        if (!OnlyThese(parser, all, {&all.dryRun, &all.force, &all.noBackups}, &stray))
            return Wrong(u"apply takes no option %1."_s.arg(stray));
        if (positional.size() != 3)
            return Wrong(u"apply takes an executable and a change-set file."_s);
        options.changesPath = positional.at(2);
        options.dryRun = parser.isSet(all.dryRun);
        options.force = parser.isSet(all.force);
        options.noBackups = parser.isSet(all.noBackups);
    } else {
        return Wrong(u"no command \"%1\"."_s.arg(command));
    }
    if (options.exePath.isEmpty())
        return Wrong(u"the executable's path is empty."_s);
    return options;
}

} // namespace cli
