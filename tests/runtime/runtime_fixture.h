// Shared set-up of the runtime's tests: the runtime tree, class configurations written into it
// for the probe module, and a simulation that collects its warnings.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "simulation.h"
#include "win_services.h"

namespace runtime_test {

namespace fs = std::filesystem;

inline fs::path treeRoot() {
    const char* tree = std::getenv("ARVEX_TREE");
    return tree != nullptr ? fs::path(tree) : fs::current_path();
}

inline void writeTreeFile(const std::string& relative, const std::string& content) {
    const fs::path path = treeRoot() / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

// "name:class" blocks wrapped into a scenario.
inline std::string scenarioWithShips(const std::string& ships) {
    return "BEGIN_ENVIRONMENT\n  System Sol\n  Date MJD 60000.5\nEND_ENVIRONMENT\n\nBEGIN_SHIPS\n" +
           ships + "END_SHIPS\n";
}

class RuntimeTest : public ::testing::Test {
  protected:
    static constexpr const char* kProbeClass = "Tests/Probe";

    void SetUp() override {
        writeTreeFile("Config/Tests/Probe.cfg",
                      "; probe vessels of the runtime tests\nModule = "
                      "Tests\\RuntimeProbe\nProbeMass = 250\n");
        writeTreeFile("Config/Tests/Ghost.cfg",
                      "Module = Tests\\NoSuchModule\nMass = 1234\nSize = 3\n");
        writeTreeFile("Config/Tests/Hollow.cfg", "Module = Tests\\RuntimeNoInit\n");
        writeTreeFile("Config/Tests/Plain.cfg",
                      "; a vessel defined by its configuration only\nMass = 500\n");
    }

    sim::Simulation& start() {
        sim::SimulationOptions options;
        options.loadConfiguredPlugins = false;
        options.warningSink = [this](const std::string& w) { warnings_.push_back(w); };
        simulation_ = std::make_unique<sim::Simulation>(treeRoot(), options);
        return *simulation_;
    }

    // The probe module's record of callbacks ("<callback> <vessel>"); the module must be loaded.
    std::vector<std::string>& events() {
        using EventsFn = std::vector<std::string>* (*)();
        const auto fn = reinterpret_cast<EventsFn>(
            GetProcAddress(GetModuleHandleA("RuntimeProbe"), "ProbeEvents"));
        if (fn == nullptr) throw std::runtime_error("the probe module is not loaded");
        return *fn();
    }

    static std::vector<std::string> names(const sim::Simulation& s) {
        std::vector<std::string> list;
        for (const sim::HostVessel* v : s.vessels()) list.push_back(v->name);
        return list;
    }

    std::vector<std::string> warnings_;
    std::unique_ptr<sim::Simulation> simulation_;
};

}  // namespace runtime_test
