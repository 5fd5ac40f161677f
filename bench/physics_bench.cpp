// Cost of the flight physics: one integration step of a free body at the host's frame and at
// high time acceleration, a step of a vessel resting on its touchdown points, and whole frames of
// the launch scenario's stack climbing under full thrust.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "physics/earth.h"
#include "physics/free_flight.h"
#include "physics/ground_contact.h"
#include "physics/motion_step.h"
#include "simulation.h"

namespace {

namespace physics = sim::physics;

physics::RigidBody LowOrbit() {
    physics::RigidBody body;
    const double r = physics::earth::kRadius + 400e3;  // [m]
    body.r_N = _V(r, 0, 0);
    body.v_N = _V(0, 0, std::sqrt(physics::earth::kGM / r));
    body.omega_B = _V(0.01, 0.02, 0.0);
    return body;
}

void FreeFlightStep(benchmark::State& state) {
    const double dt = static_cast<double>(state.range(0)) / 10.0;  // [s]
    const physics::MassProperties mp{1.0e5, _V(50, 50, 5)};
    physics::RigidBody body = LowOrbit();
    for (auto _ : state) {
        physics::AdvanceFreeFlight(body, _V(0, 0, 0), _V(0, 0, 0), mp, dt);  // coasting, tumbling
        benchmark::DoNotOptimize(body);
    }
}
BENCHMARK(FreeFlightStep)->Arg(1)->Arg(100)->Arg(10000);  // 0.1 s, 10 s, 1000 s

void RestingOnThreePoints(benchmark::State& state) {
    const std::vector<TOUCHDOWNVTX> stance = {{_V(0, -400, -15), 1e6, 1e5, 0.5, 0.1},
                                              {_V(-400, 400, -15), 1e6, 1e5, 0.5, 0.1},
                                              {_V(400, 400, -15), 1e6, 1e5, 0.5, 0.1}};
    physics::RigidBody body;
    double mjd = physics::earth::kReferenceMjd;
    physics::PlaceLanded(body, stance, -1.4, 0.5, 1.57, mjd);
    physics::MotionInputs in;
    in.mass = {1.0e6, _V(136, 136, 6)};
    in.load.force_B = _V(0, 0, 5.0e6);  // engines running below the weight
    in.force_active = in.thrust_engaged = true;
    for (auto _ : state) {
        physics::AdvanceMotion(body, in, stance, mjd, 0.1);
        mjd += 0.1 / 86400.0;
        benchmark::DoNotOptimize(body);
    }
}
BENCHMARK(RestingOnThreePoints);

void LaunchFrames(benchmark::State& state) {
    const char* tree = std::getenv("ARVEX_TREE");
    if (tree == nullptr) {
        state.SkipWithError("ARVEX_TREE is not set");
        return;
    }
    std::filesystem::current_path(tree);
    sim::SimulationOptions options;
    options.loadConfiguredPlugins = false;
    sim::Simulation simulation(tree, options);
    simulation.loadScenario("Arvex launch.scn");
    simulation.findVessel("Arvex1")->iface->SetThrusterGroupLevel(THGROUP_MAIN, 1.0);
    for (auto _ : state) simulation.step(0.1);
}
BENCHMARK(LaunchFrames)->Iterations(1000);

}  // namespace

BENCHMARK_MAIN();
