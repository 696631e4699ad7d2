// Fuzz target for kestrel-cli's argument parsing: the input split at zero bytes into
// arguments. Every parse names one command; wrong usage always says why.
#include "cli/CliOptions.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QStringList arguments{QStringLiteral("kestrel-cli")};
    for (const QByteArray& part : QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split('\0'))
        arguments.append(QString::fromUtf8(part));
    const CliOptions options = cli::Parse(arguments);
    const bool runs = options.command == CliOptions::Command::Info || options.command == CliOptions::Command::Export
                      || options.command == CliOptions::Command::Diff || options.command == CliOptions::Command::Apply;
    const bool listsConflicts = options.command == CliOptions::Command::Conflicts;
    if (listsConflicts ? options.changesPaths.isEmpty()
                       : (runs && options.exePath.isEmpty()) || (!runs && options.text.isEmpty())) {
        std::fprintf(stderr, "argument parsing property violated\n");
        std::abort();
    }
    return 0;
}
