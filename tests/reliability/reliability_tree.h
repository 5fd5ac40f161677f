// A simulator folder of a test's own: the built modules, the shipped vessel classes and
// preferences, and classes the test writes; the current directory while the test runs, as
// the host's installation folder is for the modules. Simulations on it (one at a time) load
// the control MFD and collect their warnings.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "arvex.h"
#include "error.h"
#include "simulation.h"

namespace reliability {

namespace fs = std::filesystem;

inline const char* const kCoreClass = "Arvex/Arvex-Core";
inline const char* const kStageClass = "Arvex/Arvex-EDS";
inline const char* const kSatelliteClass = "Arvex/Payloads/Arvex-Satellite";
inline const char* const kBoosterClass = "Arvex/Misc/Arvex-LRB";
inline const char* const kFairingClass = "Arvex/Misc/Arvex-Fairing";

inline fs::path EnvPath(const char* variable) {
    const char* value = std::getenv(variable);
    if (value == nullptr) throw std::runtime_error(std::string(variable) + " is not set");
    return value;
}

inline std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error(path.string() + ": cannot read");
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// The scenarios shipped in data/Scenarios.
inline std::vector<fs::path> ShippedScenarios() {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(EnvPath("ARVEX_SOURCE") / "data" / "Scenarios"))
        if (entry.path().extension() == ".scn") files.push_back(entry.path());
    return files;
}

inline std::string LaunchScenario() {
    return ReadFile(EnvPath("ARVEX_SOURCE") / "data" / "Scenarios" / "Arvex launch.scn");
}

// A scenario of the given ship blocks, with the focus on `focus` when one is named.
inline std::string Scenario(const std::string& ships, const std::string& focus = "") {
    std::string text = "BEGIN_ENVIRONMENT\n  System Sol\n  Date MJD 60310.5\nEND_ENVIRONMENT\n";
    if (!focus.empty()) text += "BEGIN_FOCUS\n  Ship " + focus + "\nEND_FOCUS\n";
    return text + "BEGIN_SHIPS\n" + ships + "END_SHIPS\n";
}

// A vessel block standing fuelled on launch complex 39A, a few metres east per `slot`.
inline std::string PadShip(const std::string& name, const std::string& className, int slot = 0,
                           const std::string& lines = "") {
    return name + ":" + className + "\n  STATUS Landed Earth\n  POS " +
           std::to_string(-80.6041 + 0.0002 * slot) +
           " 28.6084\n  HEADING 90.00\n  PRPLEVEL 0:1 1:1\n" + lines + "END\n";
}

// A vessel block in a low circular orbit.
inline std::string OrbitShip(const std::string& name, const std::string& className,
                             const std::string& lines = "") {
    return name + ":" + className +
           "\n  STATUS Orbiting Earth\n  RPOS 7000000 0 0\n  RVEL 0 0 7546\n" + lines + "END\n";
}

// A vessel block in free flight at the given position [m] and velocity [m/s].
inline std::string FlyingShip(const std::string& name, const std::string& className,
                              const std::string& position, const std::string& velocity,
                              const std::string& lines = "") {
    return name + ":" + className + "\n  STATUS Orbiting Earth\n  RPOS " + position + "\n  RVEL " +
           velocity + "\n" + lines + "END\n";
}

class ReliabilityTree : public ::testing::Test {
  protected:
    ReliabilityTree() : previousDirectory(fs::current_path()) {
        const fs::path built = EnvPath("ARVEX_TREE");
        std::string pattern = (fs::temp_directory_path() / "arvex-reliability-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
        root = pattern;
        fs::create_directory_symlink(built / "Modules", root / "Modules");
        fs::create_directories(root / "Config");
        fs::create_directory_symlink(built / "Config" / "Arvex", root / "Config" / "Arvex");
        fs::copy_file(built / "Arvex_Prefs.ini", root / "Arvex_Prefs.ini");
        fs::current_path(root);
    }

    ~ReliabilityTree() override {
        simulation.reset();
        fs::current_path(previousDirectory);
        fs::remove_all(root);
    }

    void Write(const fs::path& relative, const std::string& text) {
        fs::create_directories((root / relative).parent_path());
        std::ofstream(root / relative, std::ios::binary) << text;
    }

    // A new simulation, in place of the one before.
    sim::Simulation& Start() {
        simulation.reset();
        sim::SimulationOptions options;
        options.plugins = {"Arvex_MFD"};
        options.loadConfiguredPlugins = false;
        options.warningSink = [this](const std::string& line) { warnings.push_back(line); };
        simulation = std::make_unique<sim::Simulation>(root, options);
        return *simulation;
    }
    sim::Simulation& Sim() { return simulation ? *simulation : Start(); }

    // A new simulation holding the scenario.
    sim::Simulation& Load(const std::string& text, const std::string& source = "test.scn") {
        Start().loadScenarioText(text, source);
        return *simulation;
    }

    sim::HostVessel& Vessel(const std::string& name) {
        sim::HostVessel* vessel = Sim().findVessel(name);
        if (vessel == nullptr) throw std::runtime_error("no vessel " + name);
        return *vessel;
    }
    // The core vessel as a program linked against neither module sees it.
    Arvex& Core(const std::string& name) { return static_cast<Arvex&>(*Vessel(name).iface); }

    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (const sim::HostVessel* v : Sim().vessels()) names.push_back(v->name);
        return names;
    }

    // The error that loading `text` gives; fails the test when it loads.
    std::string LoadError(const std::string& text, const std::string& source) {
        try {
            Sim().loadScenarioText(text, source);
        } catch (const sim::Error& e) {
            return e.what();
        }
        ADD_FAILURE() << "loaded without an error";
        return "";
    }

    fs::path root;
    std::vector<std::string> warnings;

  private:
    fs::path previousDirectory;
    std::unique_ptr<sim::Simulation> simulation;
};

}  // namespace reliability
