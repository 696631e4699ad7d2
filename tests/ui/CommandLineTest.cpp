// The editor's command line: what each use does before any window opens, and a path that
// does not exist loaded as the menu would load it.
#include "WindowProbe.h"

#include "core/Version.h"
#include "support/ScriptedAsker.h"
#include "ui/CommandLine.h"
#include "ui/MainWindow.h"
#include "ui/RecentFiles.h"

#include <QMenu>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

using Action = CommandLine::Action;

struct ParseCase {
    const char* name;
    QStringList arguments; // after the program's name
    Action action;
    bool splash;
    QString exePath;
    QString textStart;
};

const QString UsageLine = u"Usage: kestrel [--no-splash] [UFO_EXE]\n"_s;

const ParseCase ParseCases[] = {
    {"Nothing", {}, Action::Run, true, {}, {}},
    {"Path", {u"/games/xcom/ufo.exe"_s}, Action::Run, true, u"/games/xcom/ufo.exe"_s, {}},
    {"NoSplash", {u"--no-splash"_s}, Action::Run, false, {}, {}},
    {"PathBeforeNoSplash", {u"ufo.exe"_s, u"--no-splash"_s}, Action::Run, false, u"ufo.exe"_s, {}},
    {"PathStartingWithDash", {u"--"_s, u"-old.exe"_s}, Action::Run, true, u"-old.exe"_s, {}},
    {"Help", {u"--help"_s}, Action::ShowHelp, true, {}, UsageLine},
    {"ShortHelpWithPath", {u"ufo.exe"_s, u"-h"_s}, Action::ShowHelp, true, {}, UsageLine},
    {"Version", {u"--version"_s}, Action::ShowVersion, true, {}, u"kestrel " KESTREL_VERSION "\n"_s},
    {"UnknownOption", {u"--splash"_s}, Action::WrongUsage, true, {}, u"kestrel: Unknown option 'splash'.\n"_s},
    // Qt's own options are QApplication's: left to it, whatever their form.
    {"QtOptions", {u"-style"_s, u"Fusion"_s, u"ufo.exe"_s, u"-reverse"_s, u"--platform=offscreen"_s}, Action::Run, true,
     u"ufo.exe"_s, {}},
    {"TwoPaths", {u"a/ufo.exe"_s, u"b/ufo.exe"_s}, Action::WrongUsage, true, {}, u"kestrel: "_s},
};

class CommandLineParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(CommandLineParse, DecidesBeforeAnyWindow)
{
    const ParseCase& c = GetParam();
    const CommandLine parsed = commandline::Parse(commandline::WithoutQtOptions(QStringList{u"kestrel"_s} + c.arguments));
    EXPECT_EQ(parsed.action, c.action);
    EXPECT_EQ(parsed.ExitStatus(), c.action == Action::WrongUsage ? 2 : 0);
    EXPECT_TRUE(parsed.text.startsWith(c.textStart)) << parsed.text.toStdString();
    if (c.action == Action::WrongUsage) {
        EXPECT_TRUE(parsed.text.contains(UsageLine)) << "wrong usage prints the usage too";
    }
    if (c.action == Action::Run) {
        EXPECT_EQ(parsed.splash, c.splash);
        EXPECT_EQ(parsed.exePath, c.exePath);
        EXPECT_EQ(parsed.text, QString());
    }
}

INSTANTIATE_TEST_SUITE_P(Uses, CommandLineParse, ::testing::ValuesIn(ParseCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLine, PathThatDoesNotExistIsReportedByTheLoad)
{
    const FreshSettings settings;
    const QTemporaryDir folder;
    const CommandLine parsed =
        commandline::Parse({u"kestrel"_s, u"--no-splash"_s, folder.filePath(u"nowhere/ufo.exe"_s)});
    ASSERT_EQ(parsed.action, Action::Run);

    ScriptedAsker asker;
    MainWindow window(asker);
    window.LoadFromUser(parsed.exePath);

    EXPECT_EQ(probe::LoadText(window, u"lblComp"_s), u"Unable to load ufo.exe"_s);
    probe::ExpectNoFiles(window);
    EXPECT_TRUE(asker.ShownDialogs().empty());
    EXPECT_EQ(probe::Captions(*probe::Find<QMenu>(window, u"mnuRecent"_s)), (QStringList{u"-"_s, u"Clear Menu"_s}));
}

} // namespace
