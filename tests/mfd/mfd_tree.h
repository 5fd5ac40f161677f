// A runtime tree of a test's own for the control MFD: the built modules, the shipped Arvex
// classes and preferences, and test classes written by the test; a simulation on it with the
// Arvex_MFD plug-in loaded, and helpers that work the left MFD as a pilot would.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "arvex.h"
#include "simulation.h"
#include "ui/input_box.h"
#include "ui/mfd_service.h"

namespace mfdtest {

namespace fs = std::filesystem;

inline const char* const kMode = "Tessaron control";
inline const char* const kCoreClass = "Arvex/Arvex-Core";
inline const char* const kBoosterClass = "Arvex//Misc//Arvex-LRB";
inline const char* const kFairingHalfClass = "Arvex//Misc//Arvex-Fairing";

// Layout units of the default 256 x 256 display [pixels].
inline constexpr int kU = 256 / 22;
inline constexpr int kV = 256 / 20;
inline int Col(double units) {
    return static_cast<int>(units * kU);
}

// Text colours, 0xBBGGRR.
inline constexpr DWORD kGreen = 0x00FF00;
inline constexpr DWORD kBlue = 0xFF0000;
inline constexpr DWORD kRed = 0x0000FF;
inline constexpr DWORD kWhite = 0xFFFFFF;

// Buttons of the flight-data page.
inline constexpr int kPLD = 0, kAPA = 2, kHDG = 3, kLCH = 5, kFIR = 7, kSEL = 11;
// Buttons of the selection page.
inline constexpr int kENT = 5, kRebuild = 10, kRTN = 11;

class MfdTree : public ::testing::Test {
  protected:
    MfdTree() : previousDirectory(fs::current_path()) {
        const char* built = std::getenv("ARVEX_TREE");
        if (!built) throw std::runtime_error("ARVEX_TREE is not set");
        std::string pattern = (fs::temp_directory_path() / "arvex-mfd-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
        root = pattern;
        fs::create_directory_symlink(fs::path(built) / "Modules", root / "Modules");
        fs::create_directories(root / "Config");
        fs::create_directory_symlink(fs::path(built) / "Config" / "Arvex",
                                     root / "Config" / "Arvex");
        fs::copy_file(fs::path(built) / "Arvex_Prefs.ini", root / "Arvex_Prefs.ini");
        fs::current_path(root);
    }

    ~MfdTree() override {
        simulation.reset();
        fs::current_path(previousDirectory);
        fs::remove_all(root);
    }

    void Write(const fs::path& relative, const std::string& text) {
        fs::create_directories((root / relative).parent_path());
        std::ofstream(root / relative) << text;
    }

    sim::Simulation& Sim() {
        if (!simulation) {
            sim::SimulationOptions options;
            options.plugins = {"Arvex_MFD"};
            options.loadConfiguredPlugins = false;
            options.warningSink = [this](const std::string& line) { warnings.push_back(line); };
            simulation = std::make_unique<sim::Simulation>(root, options);
        }
        return *simulation;
    }
    void EndSimulation() { simulation.reset(); }

    sim::ui::MfdService& Mfds() { return Sim().service<sim::ui::MfdService>(); }
    sim::ui::InputBoxService& Box() { return Sim().service<sim::ui::InputBoxService>(); }

    // A vessel block standing fuelled on launch complex 39A, a few metres east per `slot`, with
    // the class's own `lines`.
    static std::string Ship(const std::string& name, const std::string& className, int slot = 0,
                            const std::string& lines = "") {
        const double longitude = -80.6041 + 0.0002 * slot;  // [deg]
        return name + ":" + className + "\n  STATUS Landed Earth\n  POS " +
               std::to_string(longitude) + " 28.6084\n  HEADING 90.00\n  PRPLEVEL 0:1 1:1\n" +
               lines + "END\n";
    }

    void Load(const std::string& ships) {
        Sim().loadScenarioText(
            "BEGIN_ENVIRONMENT\n  System Sol\n  Date MJD 60310.5\nEND_ENVIRONMENT\n"
            "BEGIN_SHIPS\n" +
                ships + "END_SHIPS\n",
            "mfd-test.scn");
    }

    sim::HostVessel& Vessel(const std::string& name) {
        sim::HostVessel* vessel = Sim().findVessel(name);
        if (!vessel) throw std::runtime_error("no vessel " + name);
        return *vessel;
    }
    // The core vessel as this program, linked against neither module, sees it.
    Arvex& Core(const std::string& name) { return static_cast<Arvex&>(*Vessel(name).iface); }

    // --- the left MFD, worked as a pilot would ----------------------------------------------
    void Open(const std::string& vessel, int mfd = MFD_LEFT) {
        Mfds().openMode(mfd, kMode, Vessel(vessel));
        Mfds().refresh();
    }
    // Presses a button, then lets the host serve what the mode asked for.
    bool Press(int button, int mfd = MFD_LEFT) {
        const bool consumed = Mfds().pressButton(mfd, button);
        Mfds().refresh();
        return consumed;
    }
    // Confirms text in the open input box; returns whether the box closed.
    bool Type(const std::string& text) {
        const bool closed = Box().enter(text);
        Mfds().refresh();
        return closed;
    }
    const sim::ui::DisplayList& Draw(int mfd = MFD_LEFT) { return Mfds().redraw(mfd); }
    const sim::ui::DisplayList& Shown(int mfd = MFD_LEFT) {
        return Mfds().display(mfd).displayList();
    }
    std::vector<std::string> Labels(int mfd = MFD_LEFT) {
        const auto& labels = Mfds().display(mfd).buttonLabels();
        return {labels.begin(), labels.end()};
    }
    static std::vector<std::string> Texts(const sim::ui::DisplayList& list) {
        std::vector<std::string> texts;
        for (const auto& item : list) texts.push_back(item.text);
        return texts;
    }
    static const sim::ui::TextItem* Find(const sim::ui::DisplayList& list,
                                         const std::string& text) {
        for (const auto& item : list) {
            if (item.text == text) return &item;
        }
        return nullptr;
    }

    fs::path root;
    std::vector<std::string> warnings;

  private:
    fs::path previousDirectory;
    std::unique_ptr<sim::Simulation> simulation;
};

inline const std::vector<std::string> kFlightDataLabels = {"PLD", "",    "APA", "HDG", "", "LCH",
                                                           "",    "FIR", "",    "",    "", "SEL"};
inline const std::vector<std::string> kSelectionLabels = {">>", ">>", ">>", ">>", ">>", "ENT",
                                                          "<<", "<<", "<<", "<<", "<<", "RTN"};

}  // namespace mfdtest
