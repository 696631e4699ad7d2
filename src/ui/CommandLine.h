// The editor's command line: what to do before any window opens, and what to load after.
#pragma once

#include <QString>
#include <QStringList>

struct CommandLine {
    enum class Action {
        Run,         // open the windows
        ShowHelp,    // print text on stdout, exit 0
        ShowVersion, // print text on stdout, exit 0
        WrongUsage,  // print text on stderr, exit 2
    };

    Action action = Action::Run;
    bool splash = true;
    // The executable to load once the main window has opened; empty for none.
    QString exePath;
    // What to print for every action but Run.
    QString text;

    [[nodiscard]] int ExitStatus() const { return action == Action::WrongUsage ? 2 : 0; }
};

namespace commandline {

// Parses the arguments as given, the program's name first. Needs no application object,
// so --help and --version work where no display can be opened.
[[nodiscard]] CommandLine Parse(const QStringList& arguments);

[[nodiscard]] QString Usage();

// The arguments without the options every Qt program takes (-style Fusion, -platform xcb,
// -reverse, …), which QApplication reads for itself.
[[nodiscard]] QStringList WithoutQtOptions(const QStringList& arguments);

} // namespace commandline
