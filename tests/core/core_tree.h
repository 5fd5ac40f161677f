// A runtime tree of a test's own, for flying core vessels loaded from the built module: the
// built modules, the booster and fairing-half classes the core creates, test classes of the core
// vessel and a preferences file. The host looks for the preferences in the current directory, so
// the test runs inside this tree, and a simulation on it.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "arvex.h"
#include "simulation.h"

namespace coretest {

namespace fs = std::filesystem;

class CoreTree : public ::testing::Test {
  protected:
    CoreTree() : previousDirectory(fs::current_path()) {
        const char* built = std::getenv("ARVEX_TREE");
        if (!built) throw std::runtime_error("ARVEX_TREE is not set");
        const fs::path builtTree = built;
        std::string pattern = (fs::temp_directory_path() / "arvex-core-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
        root = pattern;
        fs::create_directory_symlink(builtTree / "Modules", root / "Modules");
        fs::create_directories(root / "Config" / "Arvex" / "Misc");
        for (const char* cls : {"Arvex-LRB.cfg", "Arvex-Fairing.cfg"}) {
            fs::copy_file(builtTree / "Config" / "Arvex" / "Misc" / cls,
                          root / "Config" / "Arvex" / "Misc" / cls);
        }
        fs::current_path(root);
    }

    ~CoreTree() override {
        simulation.reset();
        fs::current_path(previousDirectory);
        fs::remove_all(root);
    }

    void Write(const fs::path& relative, const std::string& text) {
        fs::create_directories((root / relative).parent_path());
        std::ofstream(root / relative) << text;
    }

    // A class of the core vessel, Config/CoreTest/<name>.cfg, with the given items.
    std::string CoreClass(const std::string& name, const std::string& items = "") {
        Write(fs::path("Config") / "CoreTest" / (name + ".cfg"),
              "Module = Arvex\\Arvex-Core\n" + items);
        return "CoreTest\\" + name;
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

    // In free flight 629 km up, axes aligned with the global frame, so that vessel-frame
    // offsets and velocities read directly in global coordinates.
    VESSELSTATUS FreeFlight() {
        VESSELSTATUS vs{};
        vs.rbody = Sim().earth();
        vs.rpos = _V(7.0e6, 0.0, 0.0);
        vs.rvel = _V(0.0, 0.0, 7546.0);
        vs.status = 0;
        return vs;
    }

    sim::HostVessel& Create(const std::string& name, const std::string& className) {
        return Sim().createVessel(name, className, FreeFlight());
    }

    static Arvex& Core(sim::HostVessel& vessel) { return static_cast<Arvex&>(*vessel.iface); }

    fs::path root;
    std::vector<std::string> warnings;

  private:
    fs::path previousDirectory;
    std::unique_ptr<sim::Simulation> simulation;
};

inline ::testing::AssertionResult Near(const VECTOR3& actual, const VECTOR3& expected,
                                       double tolerance = 1e-9) {
    for (int i = 0; i < 3; ++i) {
        if (std::abs(actual.data[i] - expected.data[i]) > tolerance) {
            return ::testing::AssertionFailure()
                   << "(" << actual.x << ", " << actual.y << ", " << actual.z << ") is not ("
                   << expected.x << ", " << expected.y << ", " << expected.z << ")";
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace coretest
