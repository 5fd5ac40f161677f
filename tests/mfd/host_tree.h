// A runtime tree of a test's own holding one vessel class driven by its configuration only,
// and a simulation on it without plug-ins: the host's MFD service alone, for modes and input
// boxes defined by the test itself.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "simulation.h"

namespace mfdtest {

class HostTree : public ::testing::Test {
  protected:
    HostTree() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "arvex-mfd-host-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
        root = pattern;
        std::filesystem::create_directories(root / "Config");
        std::ofstream(root / "Config" / "Probe.cfg") << "; no module\nSize = 5\n";
    }

    ~HostTree() override {
        simulation.reset();
        std::filesystem::remove_all(root);
    }

    sim::Simulation& Sim() {
        if (!simulation) {
            sim::SimulationOptions options;
            options.loadConfiguredPlugins = false;
            options.warningSink = [this](const std::string& line) { warnings.push_back(line); };
            simulation = std::make_unique<sim::Simulation>(root, options);
        }
        return *simulation;
    }
    void EndSimulation() { simulation.reset(); }

    // A vessel of the configuration-only class in a low orbit.
    sim::HostVessel& Ship(const std::string& name) {
        VESSELSTATUS status{};
        status.rbody = Sim().earth();
        status.rpos = _V(7.0e6, 0.0, 0.0);
        status.rvel = _V(0.0, 0.0, 7546.0);
        return Sim().createVessel(name, "Probe", status);
    }

    std::filesystem::path root;
    std::vector<std::string> warnings;

  private:
    std::unique_ptr<sim::Simulation> simulation;
};

}  // namespace mfdtest
