// The commands of kestrel-cli over the game document, without any window.
#pragma once

#include "cli/CliOptions.h"

class QTextStream;

namespace cli {

// Runs the command; results go to out, messages to err. Returns the exit status.
[[nodiscard]] int Run(const CliOptions& options, QTextStream& out, QTextStream& err);

} // namespace cli
