// A runtime tree of a test's own beside the built one: the built modules and class
// configurations, the probe vessel class, and a simulation on it. The host reads the
// preferences from the current directory, so the test runs inside this tree.
#pragma once

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

#include "probe_log.h"
#include "simulation.h"

namespace physicstest {

namespace fs = std::filesystem;

inline constexpr double kFrame = 0.1;  // [s]
inline constexpr const char* kProbeClass = "PhysicsTest\\Probe";

class HostTree : public ::testing::Test {
  protected:
    HostTree() : previous_directory_(fs::current_path()) {
        const char* built = std::getenv("ARVEX_TREE");
        if (built == nullptr) throw std::runtime_error("ARVEX_TREE is not set");
        const fs::path tree = built;
        std::string pattern = (fs::temp_directory_path() / "arvex-physics-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
        root_ = pattern;
        for (const char* shared : {"Modules", "Scenarios", "Arvex_Prefs.ini"})
            fs::create_symlink(tree / shared, root_ / shared);
        fs::create_directories(root_ / "Config" / "PhysicsTest");
        fs::create_directory_symlink(tree / "Config" / "Arvex", root_ / "Config" / "Arvex");
        std::ofstream(root_ / "Config" / "PhysicsTest" / "Probe.cfg")
            << "Module = PhysicsTest\\Probe\n";
        fs::current_path(root_);
    }

    ~HostTree() override {
        simulation_.reset();
        fs::current_path(previous_directory_);
        fs::remove_all(root_);
    }

    sim::Simulation& Sim() {
        if (!simulation_) {
            sim::SimulationOptions options;
            options.loadConfiguredPlugins = false;
            options.warningSink = [](const std::string&) {};
            simulation_ = std::make_unique<sim::Simulation>(root_, options);
        }
        return *simulation_;
    }

    static ProbeLog& Log(sim::HostVessel& probe) {
        void* module = dlopen((fs::current_path() / "Modules/PhysicsTest/Probe.so").c_str(),
                              RTLD_NOW | RTLD_NOLOAD);
        if (module == nullptr) throw std::runtime_error("the probe module is not loaded");
        auto log_of = reinterpret_cast<ProbeLogOfFn>(dlsym(module, "ProbeLogOf"));
        dlclose(module);
        return *log_of(probe.iface);
    }

  private:
    fs::path previous_directory_;
    fs::path root_;
    std::unique_ptr<sim::Simulation> simulation_;
};

}  // namespace physicstest
