// Cost of flying the Arvex vehicles in the headless host: the whole default flight as the demo
// flies it (simulated seconds per wall-clock second), one frame's pre-step and post-step of the
// core vessel during the ascent, and a redraw of the control MFD with 10 and 1000 vessels in the
// simulation.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "console_log.h"
#include "flight_run.h"
#include "simulation.h"
#include "ui/mfd_service.h"

namespace fs = std::filesystem;

namespace {

constexpr double kFrame = 0.1;  // the host's default step [s]
constexpr char kLaunch[] = "Arvex launch";

// The runtime tree, made the current folder as the host expects; null (and the benchmark marked
// as skipped) when ARVEX_TREE is not set.
const char* enterTree(benchmark::State& state) {
    const char* tree = std::getenv("ARVEX_TREE");
    if (tree == nullptr) {
        state.SkipWithError("ARVEX_TREE is not set");
        return nullptr;
    }
    fs::current_path(tree);
    return tree;
}

void WholeDefaultFlight(benchmark::State& state) {
    const char* tree = enterTree(state);
    if (tree == nullptr) return;
    app::RunOptions options;
    options.scenarioName = kLaunch;
    options.tree = tree;
    options.scenario = fs::path(tree) / "Scenarios" / (std::string(kLaunch) + ".scn");
    options.startFolder = fs::temp_directory_path();
    options.fixedStep = kFrame;
    options.script = fs::path(ARVEX_SOURCE_DIR) / "scripts" / "arvex-launch.script";
    options.scriptName = options.script.string();
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> quiet(std::fopen("/dev/null", "w"),
                                                          std::fclose);
    double simulated = 0.0;  // [s]
    for (auto _ : state) {
        app::ConsoleLog log(quiet.get());
        app::FlightRun run(options, log);
        if (run.run() != app::kRunSucceeded) state.SkipWithError("the demo flight failed");
        simulated += run.simulation().time();
    }
    state.counters["simulated_s"] = simulated / static_cast<double>(state.iterations());
    state.counters["realtime_factor"] = benchmark::Counter(simulated, benchmark::Counter::kIsRate);
}
BENCHMARK(WholeDefaultFlight)->Unit(benchmark::kMillisecond)->Iterations(3);

// The core vessel 40 s after lift-off: boosters attached, guidance in its pitch program, all
// effects live. The frame's two callbacks are called as the host calls them, without physics.
void CorePrePostStep(benchmark::State& state) {
    const char* tree = enterTree(state);
    if (tree == nullptr) return;
    sim::Simulation simulation(tree);
    simulation.loadScenario(std::string(kLaunch) + ".scn");
    simulation.pressKey(OAPI_KEY_L, {OAPI_KEY_LCONTROL});  // autopilot on
    simulation.run(40.0, kFrame);
    VESSEL2* core = simulation.findVessel("Arvex1")->callbacks();
    double t = simulation.time();
    for (auto _ : state) {
        core->clbkPreStep(t, kFrame, simulation.mjd());
        core->clbkPostStep(t + kFrame, kFrame, simulation.mjd());
        t += kFrame;
    }
}
BENCHMARK(CorePrePostStep);

// Redraws of the "Tessaron control" MFD on the core vessel with range(0) vessels in the
// simulation: range(1) 0 shows the selection page, which searches all vessels for launchers on
// every redraw; 1 shows the flight-data page of the connected launcher.
void MfdRedraw(benchmark::State& state) {
    const char* tree = enterTree(state);
    if (tree == nullptr) return;
    sim::Simulation simulation(tree);
    simulation.loadScenario(std::string(kLaunch) + ".scn");
    VESSELSTATUS orbit{};
    orbit.rbody = simulation.earth();
    orbit.rpos = _V(6771e3, 0, 0);  // [m]
    orbit.rvel = _V(0, 0, 7670);    // [m/s]
    for (std::int64_t i = static_cast<std::int64_t>(simulation.vessels().size());
         i < state.range(0); ++i) {
        simulation.createVessel("Satellite " + std::to_string(i), "Arvex/Payloads/Arvex-Satellite",
                                orbit);
    }
    auto& mfds = simulation.service<sim::ui::MfdService>();
    mfds.openMode(MFD_LEFT, "Tessaron control", *simulation.findVessel("Arvex1"));
    mfds.redraw(MFD_LEFT);
    if (state.range(1) == 1) mfds.pressButton(MFD_LEFT, 0);  // connects the first launcher
    for (auto _ : state) benchmark::DoNotOptimize(mfds.redraw(MFD_LEFT).size());
    state.SetLabel(state.range(1) == 1 ? "flight-data page" : "selection page");
}
BENCHMARK(MfdRedraw)->ArgsProduct({{10, 1000}, {0, 1}});

}  // namespace

BENCHMARK_MAIN();
