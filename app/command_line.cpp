#include "command_line.h"

#include <CLI/CLI.hpp>

#include <cstdlib>
#include <iostream>
#include <string_view>

#include "error.h"
#include "flight_events.h"
#include "script_verbs.h"

namespace fs = std::filesystem;

namespace app {

namespace {

std::string footer() {
    std::string text =
        "\nThe run loads SCENARIO (a path, or a name below the tree's Scenarios/ folder, \".scn\" "
        "optional),\nplays the script, flies frames of --fixedstep times the time acceleration, "
        "and ends at --runtime,\n--maxframes, the --until event or the script's \"stop\", "
        "whichever comes first. Then it writes\nthe files asked for. Relative output names are "
        "taken from the folder the program was started in.\n\nScript lines (docs/script.md): "
        "\"at <seconds>: <action>\" or \"after <event> [+ <seconds>]: <action>\".\nActions:\n";
    for (const ScriptVerb& verb : scriptVerbs()) text += "  " + std::string(verb.usage) + "\n";
    text += "Events (for \"after\" and --until):\n";
    for (const EventType& type : kEventTypes) {
        text += "  " + std::string(type.name) + ": " + std::string(type.description) + "\n";
    }
    text +=
        "\nExit status: 0 the run ended as asked; 1 bad input (options, files, scenario, script, "
        "an action\nthat failed); 2 the run ended before its --until event or with script actions "
        "not played;\n3 a trapped floating-point exception (--trap-fpe).\n";
    return text;
}

// --tree, else $ARVEX_TREE, else the tree beside the program's folder (<build>/bin/arvex-sim
// → <build>/tree), else the current folder.
fs::path findTree(const std::string& option) {
    if (!option.empty()) return fs::absolute(option);
    if (const char* env = std::getenv("ARVEX_TREE")) return fs::absolute(env);
    std::error_code ec;
    const fs::path beside =
        fs::read_symlink("/proc/self/exe", ec).parent_path().parent_path() / "tree";
    if (!ec && fs::is_directory(beside)) return beside;
    return fs::current_path();
}

// The scenario as given, from the start folder, the tree or its Scenarios/ folder, with or
// without ".scn".
fs::path findScenario(const std::string& name, const fs::path& tree) {
    std::vector<fs::path> names = {name};
    if (fs::path(name).extension() != ".scn") names.emplace_back(name + ".scn");
    for (const fs::path& folder : {fs::current_path(), tree, tree / "Scenarios"}) {
        for (const fs::path& candidate : names) {
            const fs::path path = candidate.is_absolute() ? candidate : folder / candidate;
            if (fs::is_regular_file(path)) return fs::absolute(path);
        }
    }
    throw sim::Error("scenario \"" + name + "\" not found (looked in the current folder, " +
                     tree.string() + " and " + (tree / "Scenarios").string() + ")");
}

fs::path absoluteOrEmpty(const std::string& path) {
    return path.empty() ? fs::path() : fs::absolute(path);
}

}  // namespace

CommandLine parseCommandLine(int argc, char** argv) {
    CLI::App cli{"arvex-sim: the headless host of the Arvex launch vehicle modules"};
    cli.require_subcommand(1);
    cli.footer(footer());
    CLI::App* run = cli.add_subcommand("run", "Load a scenario, fly it and write what is asked");
    run->footer(footer());

    RunOptions options;
    std::string tree, script, save, state, csv, report;
    std::int64_t maxFrames = -1;
    run->add_option("scenario", options.scenarioName, "Scenario file or name")->required();
    run->add_option("--tree", tree,
                    "Runtime tree (Config/, Modules/, Scenarios/); default: "
                    "$ARVEX_TREE, else the tree beside the program");
    run->add_option("--fixedstep", options.fixedStep,
                    "Frame length at time acceleration 1 [s] (default 0.1)")
        ->check(CLI::PositiveNumber);
    run->add_option("--runtime", options.runtime,
                    "Simulation time to fly at most [s] (default 3600)")
        ->check(CLI::NonNegativeNumber);
    run->add_option("--maxframes", maxFrames,
                    "Frames to fly at most; 0 loads the scenario and writes the outputs only")
        ->check(CLI::NonNegativeNumber);
    run->add_option("--until", options.until, "End the run when this event happens")
        ->check([](const std::string& name) {
            return findEventType(name) ? "" : "\"" + name + "\" is not a flight event";
        });
    run->add_option("--vessel", options.vessel,
                    "Vessel to follow in the log, telemetry and summary (default: the focus)");
    run->add_option("--script", script, "Script of pilot actions (docs/script.md)")
        ->check(CLI::ExistingFile);
    run->add_option("--save", save, "Write the scenario here at the end");
    run->add_option("--state", state, "Write the JSON state dump here at the end");
    run->add_option("--csv", csv, "Write the telemetry CSV here at the end");
    run->add_option("--csv-rate", options.csvRate,
                    "Telemetry samples per second of simulation time (default 1)")
        ->check(CLI::PositiveNumber);
    run->add_option("--report", report,
                    "Write a report folder: index.html, plots, MFD pictures, CSV, JSON, scenario");
    run->add_flag("--trap-fpe", options.trapFloatingPoint,
                  "Stop on a floating-point exception (invalid, divide by zero, overflow)");

    // Without this, a mistyped command reads as a missing one.
    if (argc > 1 && argv[1][0] != '-' && std::string_view(argv[1]) != "run") {
        throw sim::Error("\"" + std::string(argv[1]) +
                         "\" is not a command; the command is run (see arvex-sim --help)");
    }
    try {
        cli.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        const bool general = cli.get_subcommands().empty();
        std::cout << (general ? cli.help("", CLI::AppFormatMode::All) : run->help());
        return {};
    } catch (const CLI::ParseError& e) {
        throw sim::Error(std::string(e.what()) + " (see arvex-sim run --help)");
    }

    options.tree = findTree(tree);
    options.scenario = findScenario(options.scenarioName, options.tree);
    options.startFolder = fs::current_path();
    if (maxFrames >= 0) options.maxFrames = maxFrames;
    options.script = absoluteOrEmpty(script);
    options.scriptName = script;
    options.save = absoluteOrEmpty(save);
    options.state = absoluteOrEmpty(state);
    options.csv = absoluteOrEmpty(csv);
    options.report = absoluteOrEmpty(report);
    return {options};
}

}  // namespace app
