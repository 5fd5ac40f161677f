// arvex-sim: the headless host as a program. `arvex-sim run SCENARIO [options]` loads a scenario
// into the runtime tree's host, plays a script of pilot actions, flies and writes the flight log,
// telemetry, plots, MFD pictures, the saved scenario and the state dump (docs/cli.md).
#include <cstdio>
#include <exception>
#include <filesystem>

#include "command_line.h"
#include "console_log.h"
#include "error.h"
#include "flight_run.h"
#include "fpe_trap.h"

namespace {

constexpr int kBadInput = 1;

}  // namespace

int main(int argc, char** argv) {
    try {
        const app::CommandLine commandLine = app::parseCommandLine(argc, argv);
        if (!commandLine.run) return 0;
        const app::RunOptions& options = *commandLine.run;
        // The host runs in its installation folder: modules find their preferences there.
        std::filesystem::current_path(options.tree);
        if (options.trapFloatingPoint) app::trapFloatingPointExceptions();
        app::ConsoleLog log(stdout);
        app::FlightRun run(options, log);
        return run.run();
    } catch (const std::exception& e) {
        std::fflush(stdout);
        std::fprintf(stderr, "arvex-sim: %s\n", e.what());
        return kBadInput;
    }
}
