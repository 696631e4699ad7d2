// kestrel-cli: the editor's core from the command line, without any display.
#include "cli/CliCommands.h"
#include "cli/CliOptions.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments.append(QFile::decodeName(argv[index]));
    const CliOptions options = cli::Parse(arguments);
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = cli::Run(options, out, err);
    out.flush();
    err.flush();
    return status;
}
