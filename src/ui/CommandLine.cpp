// Parsing the editor's command line with QCommandLineParser, without an application object.
#include "ui/CommandLine.h"

#include "core/Version.h"

#include <QCommandLineParser>

using namespace Qt::StringLiterals;

namespace commandline {

QString Usage()
{
    // Written out rather than taken from the parser, whose help text needs an application
    // object and names the program after whatever path started it.
    return u"Usage: kestrel [--no-splash] [UFO_EXE]\n"
           u"Edits the data of X-Com: UFO Defense: the starting base, facilities, soldier names,\n"
           u"units, items and strings of the game's executable and data files.\n"
           u"\n"
           u"Arguments:\n"
           u"  UFO_EXE        the game's executable (ufo.exe), loaded once the main window opens\n"
           u"\n"
           u"Options:\n"
           u"  --no-splash    open the main window at once, without the splash window\n"
           u"  -h, --help     show this help and exit\n"
           u"  -v, --version  show the version and exit\n"_s;
}

QStringList WithoutQtOptions(const QStringList& arguments)
{
    // As QGuiApplication and QApplication document them; one or two dashes, "=" or a
    // separate value.
    static const QStringList withValue = {
        u"platform"_s,  u"platformpluginpath"_s, u"platformtheme"_s, u"plugin"_s,      u"qmljsdebugger"_s,
        u"qwindowgeometry"_s, u"qwindowicon"_s,  u"qwindowtitle"_s,  u"session"_s,     u"display"_s,
        u"geometry"_s,  u"title"_s,              u"name"_s,          u"style"_s,       u"stylesheet"_s,
        u"font"_s,      u"fn"_s,                 u"bg"_s,            u"background"_s,  u"fg"_s,
        u"foreground"_s, u"btn"_s,               u"button"_s,        u"visual"_s,      u"ncols"_s,
        u"cmap"_s,      u"im"_s,                 u"inputstyle"_s,    u"dialogs"_s,
    };
    static const QStringList flags = {u"reverse"_s, u"nograb"_s, u"dograb"_s, u"sync"_s, u"widgetcount"_s};
    QStringList kept;
    for (qsizetype at = 0; at < arguments.size(); ++at) {
        const QString& argument = arguments.at(at);
        if (at == 0 || !argument.startsWith(u'-') || argument == u"--"_s) {
            kept.append(argument);
            continue;
        }
        const QString name = argument.mid(argument.startsWith(u"--"_s) ? 2 : 1).section(u'=', 0, 0);
        if (flags.contains(name) && !argument.contains(u'='))
            continue;
        if (!withValue.contains(name)) {
            kept.append(argument);
            continue;
        }
        if (!argument.contains(u'='))
            ++at;  // its value
    }
    return kept;
}

CommandLine Parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    // "-platform" is then refused under its own name, not as eight unknown letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption noSplash(u"no-splash"_s);
    const QCommandLineOption help(QStringList{u"h"_s, u"help"_s});
    const QCommandLineOption version(QStringList{u"v"_s, u"version"_s});
    parser.addOptions({noSplash, help, version});
    parser.addPositionalArgument(u"UFO_EXE"_s, {}, u"[UFO_EXE]"_s);

    CommandLine result;
    const auto wrongUsage = [&result](const QString& why) {
        result.action = CommandLine::Action::WrongUsage;
        result.text = u"kestrel: "_s + why + u"\n"_s + Usage();
        return result;
    };
    if (!parser.parse(arguments))
        return wrongUsage(parser.errorText());
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::ShowHelp;
        result.text = Usage();
        return result;
    }
    if (parser.isSet(version)) {
        result.action = CommandLine::Action::ShowVersion;
        result.text = u"kestrel " KESTREL_VERSION "\n"_s;
        return result;
    }
    const QStringList paths = parser.positionalArguments();
    if (paths.size() > 1)
        return wrongUsage(u"one executable at most, %1 given."_s.arg(paths.size()));
    result.splash = !parser.isSet(noSplash);
    result.exePath = paths.value(0);
    return result;
}

} // namespace commandline
