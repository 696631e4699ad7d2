// kestrel-cli: the editor's core from the command line, without any display.
#include "cli/CliCommands.h"
#include "cli/CliOptions.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cerrno>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments.append(QFile::decodeName(argv[index]));
    const CliOptions options = cli::Parse(arguments);
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    int status = cli::Run(options, out, err);
    // A script reading the results must not take a full disk or a closed pipe for success.
    errno = 0;
    out.flush();
    if (out.status() != QTextStream::Ok || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        const int error = errno;
        const auto* device = qobject_cast<const QFileDevice*>(out.device());
        const QString reason = device && device->error() != QFileDevice::NoError ? device->errorString()
                               : error != 0 ? QString::fromLocal8Bit(std::strerror(error))
                                            : QString();
        err << "kestrel-cli: standard output could not be written"
            << (reason.isEmpty() ? QString() : QStringLiteral(": ") + reason) << '\n';
        status = 1;
    }
    err.flush();
    return status;
}
