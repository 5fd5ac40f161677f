// arvex-sim: loads a scenario from the runtime tree, creates its vessels through their
// modules, prints them, optionally flies for a while and saves the result.
#include <CLI/CLI.hpp>

#include <cstdlib>
#include <filesystem>
#include <iomanip>
#include <iostream>

#include "error.h"
#include "simulation.h"

namespace fs = std::filesystem;

namespace {

// The runtime tree: --tree, else $ARVEX_TREE, else the tree beside the program's folder
// (<build>/bin/arvex-sim → <build>/tree), else the current folder.
fs::path findTree(const std::string& option, const char* argv0) {
    if (!option.empty()) return option;
    if (const char* env = std::getenv("ARVEX_TREE")) return env;
    std::error_code ec;
    const fs::path beside =
        fs::weakly_canonical(fs::path(argv0), ec).parent_path().parent_path() / "tree";
    if (!ec && fs::is_directory(beside)) return beside;
    return fs::current_path();
}

void printVessels(const sim::Simulation& simulation) {
    std::cout << simulation.vessels().size() << " vessel(s) at t = " << std::fixed
              << std::setprecision(2) << simulation.time() << " s:\n";
    for (const sim::HostVessel* v : simulation.vessels()) {
        std::cout << "  " << v->name << "  class " << v->className
                  << (v->module ? "" : "  (plain vessel)") << "  mass " << std::setprecision(0)
                  << v->mass() << " kg  meshes " << v->meshes.size() << "  thrusters "
                  << v->thrusters.size() << "  tanks " << v->tanks.size() << '\n';
    }
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Headless host of the Arvex launch vehicle modules"};
    std::string scenario;
    std::string treeOption;
    std::string savePath;
    double runSeconds = 0.0;
    double dt = 0.1;
    app.add_option("scenario", scenario,
                   "Scenario file (a name below the tree's Scenarios/ or a path)")
        ->required();
    app.add_option("--tree", treeOption, "Runtime tree (Config/, Modules/, Scenarios/)");
    app.add_option("--run", runSeconds, "Seconds of simulation time to fly")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--dt", dt, "Frame length [s]")->check(CLI::PositiveNumber);
    app.add_option("--save", savePath, "Write the scenario here afterwards");
    CLI11_PARSE(app, argc, argv);

    try {
        // The host runs in its installation folder: modules find their preferences there.
        const fs::path scenarioPath =
            fs::exists(scenario) ? fs::absolute(scenario) : fs::path(scenario);
        const fs::path savePathAbsolute = savePath.empty() ? fs::path() : fs::absolute(savePath);
        const fs::path tree = fs::absolute(findTree(treeOption, argv[0]));
        fs::current_path(tree);

        sim::Simulation simulation(tree);
        simulation.loadScenario(scenarioPath);
        printVessels(simulation);
        if (runSeconds > 0.0) {
            simulation.run(runSeconds, dt);
            printVessels(simulation);
        }
        if (!savePathAbsolute.empty()) {
            simulation.saveScenario(savePathAbsolute);
            std::cout << "saved " << savePathAbsolute.string() << '\n';
        }
    } catch (const sim::Error& e) {
        std::cerr << "error: " << e.what() << '\n';
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "error: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
