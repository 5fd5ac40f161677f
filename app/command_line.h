// The command line of arvex-sim: `arvex-sim run SCENARIO [options]`.
#pragma once

#include <optional>

#include "run_options.h"

namespace app {

struct CommandLine {
    std::optional<RunOptions> run;  // empty when help was asked for and shown
};

// Throws sim::Error with one line for bad options, a missing scenario or script, or an unknown
// event name; prints the help text and returns no run for --help.
CommandLine parseCommandLine(int argc, char** argv);

}  // namespace app
