// A runtime tree of a test's own for the vessel modules loaded from the build: the built modules,
// the shipped Arvex classes, test classes written by the test and a preferences file. The
// upper stage reads the preferences from the current directory, so the test runs inside the
// tree, with a simulation on it.
#pragma once

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

#include "physics/earth.h"
#include "simulation.h"

namespace vesseltest {

namespace fs = std::filesystem;

inline constexpr double kFrame = 0.25;  // [s], exact in binary
inline const char* const kFairingHalfClass = "Arvex//Misc//Arvex-Fairing";
inline const char* const kBoosterClass = "Arvex//Misc//Arvex-LRB";

class VesselTree : public ::testing::Test {
  protected:
    VesselTree() : previousDirectory(fs::current_path()) {
        const char* built = std::getenv("ARVEX_TREE");
        if (!built) throw std::runtime_error("ARVEX_TREE is not set");
        std::string pattern = (fs::temp_directory_path() / "arvex-vessels-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
        root = pattern;
        fs::create_directory_symlink(fs::path(built) / "Modules", root / "Modules");
        fs::create_directories(root / "Config");
        fs::create_directory_symlink(fs::path(built) / "Config" / "Arvex",
                                     root / "Config" / "Arvex");
        fs::current_path(root);
    }

    ~VesselTree() override {
        simulation.reset();
        fs::current_path(previousDirectory);
        fs::remove_all(root);
    }

    void Write(const fs::path& relative, const std::string& text) {
        fs::create_directories((root / relative).parent_path());
        std::ofstream(root / relative) << text;
    }

    // A test class Config/VesselTest/<name>.cfg of the module with the given items.
    std::string Class(const std::string& name, const std::string& module,
                      const std::string& items = "") {
        Write(fs::path("Config") / "VesselTest" / (name + ".cfg"),
              "Module = " + module + "\n" + items);
        return "VesselTest\\" + name;
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

    // Ends the simulation; the next Sim() starts a fresh one on the same tree.
    void Restart() { simulation.reset(); }

    // At rest over the north pole, where the air stands still, axes along the global axes.
    VESSELSTATUS OverPole(double altitude, double descentSpeed = 0.0) {
        const VECTOR3 up = sim::physics::earth::NorthPole();
        VESSELSTATUS vs{};
        vs.rbody = Sim().earth();
        vs.rpos = up * (sim::physics::earth::kRadius + altitude);
        vs.rvel = up * -descentSpeed;
        return vs;
    }

    // Standing on the ground at the equator.
    VESSELSTATUS Landed() {
        VESSELSTATUS vs{};
        vs.rbody = Sim().earth();
        vs.status = 1;
        vs.vdata[0] = _V(0.0, 0.0, 0.0);
        return vs;
    }

    sim::HostVessel& Create(const std::string& name, const std::string& className,
                            const VESSELSTATUS& vs) {
        return Sim().createVessel(name, className, vs);
    }

    // A vessel block of a scenario: free flight with the status record's position, velocity and
    // orientation along the global axes, then the given lines.
    static std::string ShipBlock(const std::string& name, const std::string& className,
                                 const VESSELSTATUS& vs, const std::string& lines = "") {
        std::ostringstream text;
        text.precision(17);
        text << name << ":" << className << "\n  STATUS Orbiting Earth\n"
             << "  RPOS " << vs.rpos.x << " " << vs.rpos.y << " " << vs.rpos.z << "\n"
             << "  RVEL " << vs.rvel.x << " " << vs.rvel.y << " " << vs.rvel.z << "\n"
             << "  AROT 0 0 0\n"
             << lines << "END\n";
        return text.str();
    }

    void LoadShips(const std::string& blocks) {
        Sim().loadScenarioText("BEGIN_SHIPS\n" + blocks + "END_SHIPS\n", "vessel test");
    }

    sim::HostVessel& Find(const std::string& name) {
        sim::HostVessel* vessel = Sim().findVessel(name);
        if (!vessel) throw std::runtime_error("no vessel " + name);
        return *vessel;
    }

    // The values of the lines `key` in the vessel's block of the saved scenario (none if absent).
    std::vector<std::string> SavedValues(const std::string& vessel, const std::string& key) {
        std::istringstream saved(Sim().saveScenarioText());
        std::string line;
        bool inBlock = false;
        std::vector<std::string> values;
        while (std::getline(saved, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.rfind(vessel + ":", 0) == 0) {
                inBlock = true;
            } else if (inBlock && line == "END") {
                break;
            } else if (inBlock && line.rfind("  " + key + " ", 0) == 0) {
                values.push_back(line.substr(key.size() + 3));
            }
        }
        return values;
    }

    static std::vector<std::string> MeshNames(const sim::HostVessel& vessel) {
        std::vector<std::string> names;
        for (const sim::MeshSlot& slot : vessel.meshes) names.push_back(slot.used ? slot.name : "");
        return names;
    }

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

}  // namespace vesseltest
