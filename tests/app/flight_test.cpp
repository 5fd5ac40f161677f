// The default scenario flown to the end as the demo flies it: the pilot's script on the MFD, the
// autopilot from the pad to orbit, staging, the satellite released; then scenarios saved along
// the way, loaded again and flown on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <regex>
#include <sstream>

#include "program.h"

namespace apptest {
namespace {

constexpr double kTargetApoapsis = 250000.0;   // as the demo script sets it [m]
constexpr double kApoapsisTolerance = 5000.0;  // "near the target" [m]
constexpr double kLowestPeriapsis = 150000.0;  // a lasting orbit [m]
const char* kFrame = "--fixedstep=0.2";        // the largest step the guidance flies well [s]

// The event names of the flight log, in order.
std::vector<std::string> loggedEvents(const std::string& log) {
    static const std::regex line(R"(^(T\+|t =)\s*[-0-9.]+ s  (\S+( \S+)*?)\s{2,})");
    std::vector<std::string> events;
    std::istringstream in(log);
    for (std::string text; std::getline(in, text);) {
        std::smatch m;
        if (std::regex_search(text, m, line)) events.push_back(m[2]);
    }
    return events;
}

bool inOrder(const std::vector<std::string>& events, const std::vector<std::string>& wanted) {
    auto at = events.begin();
    for (const std::string& w : wanted) {
        at = std::find(at, events.end(), w);
        if (at == events.end()) return false;
    }
    return true;
}

double number(const nlohmann::json& vessel, const char* field) {
    return vessel.at(field).get<double>();
}

bool hasLine(const nlohmann::json& vessel, const std::string& start) {
    for (const auto& line : vessel.at("scenarioLines")) {
        if (line.get<std::string>().rfind(start, 0) == 0) return true;
    }
    return false;
}

class DemoFlight : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        scratch_ = new Scratch;
        result_ = new ProgramResult(scratch_->run(
            {"run", "Arvex launch", "--script=" + demoScript().string(), kFrame, "--trap-fpe",
             "--state=state.json", "--csv=telemetry.csv", "--csv-rate=0.5", "--report=report"}));
    }
    static void TearDownTestSuite() {
        delete result_;
        delete scratch_;
    }
    void SetUp() override { ASSERT_EQ(result_->exitCode, 0) << result_->err << result_->out; }

    static Scratch* scratch_;
    static ProgramResult* result_;
};

Scratch* DemoFlight::scratch_ = nullptr;
ProgramResult* DemoFlight::result_ = nullptr;

TEST_F(DemoFlight, GoesThroughEveryPhaseOfTheAscent) {
    const auto events = loggedEvents(result_->out);
    EXPECT_TRUE(inOrder(events, {"autopilot on", "liftoff", "roll program", "pitch program",
                                 "fairing jettison", "booster separation", "MECO",
                                 "circularisation", "autopilot off", "payload release"}))
        << result_->out;
    const auto separation = linesWith(result_->out, " s  booster separation");
    ASSERT_EQ(separation.size(), 1u);
    for (const char* booster : {"Arvex1-LRB1", "Arvex1-LRB2", "Arvex1-LRB3", "Arvex1-LRB4"}) {
        EXPECT_NE(separation[0].find(booster), std::string::npos) << booster;
    }
    for (const char* event : {" s  fairing jettison", " s  fairing half removed"}) {
        const auto lines = linesWith(result_->out, event);
        ASSERT_EQ(lines.size(), 1u) << event;
        EXPECT_NE(lines[0].find("Arvex1-Fairing1, Arvex1-Fairing2"), std::string::npos);
    }
}

TEST_F(DemoFlight, AutopilotEndsInPhaseZeroOnALastingOrbitNearTheTarget) {
    const nlohmann::json state = scratch_->readJson("state.json");
    const auto& core = vesselIn(state, "Arvex1");
    EXPECT_TRUE(hasLine(core, "  FC_State 0 "));
    EXPECT_TRUE(hasLine(core, "  FC_Config ")) << core.at("scenarioLines");
    EXPECT_NEAR(number(core, "apoapsisAltitude"), kTargetApoapsis, kApoapsisTolerance);
    EXPECT_GT(number(core, "periapsisAltitude"), kLowestPeriapsis);
    // Ended by one of the guidance's two cut-off conditions.
    const auto cutoff = linesWith(result_->out, "  cut-off  ");
    ASSERT_EQ(cutoff.size(), 1u) << result_->out;
    EXPECT_TRUE(std::regex_search(cutoff[0], std::regex("(periapsis .* reached|apoapsis .* "
                                                        "passed) the target")))
        << cutoff[0];
}

TEST_F(DemoFlight, BoostersLandOnOpenParachutesAndTheFairingHalvesAreGone) {
    const nlohmann::json state = scratch_->readJson("state.json");
    for (const char* name : {"Arvex1-LRB1", "Arvex1-LRB2", "Arvex1-LRB3", "Arvex1-LRB4"}) {
        SCOPED_TRACE(name);
        const auto& booster = vesselIn(state, name);
        EXPECT_EQ(booster.at("status"), "landed");
        ASSERT_FALSE(booster.at("animations").empty());
        EXPECT_EQ(number(booster.at("animations")[0], "state"), 1.0);  // fully open
    }
    EXPECT_FALSE(hasVessel(state, "Arvex1-Fairing1"));
    EXPECT_FALSE(hasVessel(state, "Arvex1-Fairing2"));
}

TEST_F(DemoFlight, TheReleasedSatelliteFliesItsOwnOrbit) {
    const nlohmann::json state = scratch_->readJson("state.json");
    const auto& satellite = vesselIn(state, "Comsat 1");
    EXPECT_TRUE(satellite.at("attachedTo").is_null());
    EXPECT_FALSE(hasLine(satellite, "  ATTACHED"));
    EXPECT_GT(number(satellite, "periapsisAltitude"), kLowestPeriapsis);
    EXPECT_LT(number(satellite, "apoapsisAltitude"), kTargetApoapsis + kApoapsisTolerance);
    // Pushed off the core, it drifts away from it.
    const auto& core = vesselIn(state, "Arvex1");
    double distance = 0.0;
    for (int i = 0; i < 3; ++i) {
        distance += std::pow(
            satellite.at("position")[i].get<double>() - core.at("position")[i].get<double>(), 2);
    }
    EXPECT_GT(std::sqrt(distance), 20.0);
}

TEST_F(DemoFlight, SummaryReportsTargetsResultsAndExtremes) {
    for (const char* line : {"  apoapsis     target 250.0 km", "  periapsis    target 250.0 km",
                             "  inclination  target 28.6", "  propellant   ", "  max q        ",
                             "  max accel    ", "  payload      Comsat 1: apoapsis "}) {
        EXPECT_EQ(linesWith(result_->out, line).size(), 1u) << line << "\n" << result_->out;
    }
}

TEST_F(DemoFlight, TelemetryHasUnitsAndTheAskedRate) {
    const auto lines = linesWith(scratch_->read("telemetry.csv"), "");
    ASSERT_GT(lines.size(), 350u);  // about 720 s, one sample every 2 s
    EXPECT_EQ(lines[0].rfind("time [s],mission time [s],altitude [m],", 0), 0u) << lines[0];
    double previous = -1.0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const double time = std::stod(lines[i]);
        if (previous >= 0.0) {
            ASSERT_NEAR(time - previous, 2.0, 1e-6) << lines[i];
        }
        previous = time;
    }
}

TEST_F(DemoFlight, ReportShowsPlotsPicturesAndLinksToItsFiles) {
    const std::string index = scratch_->read("report/index.html");
    std::vector<std::string> linked;
    const std::regex link(R"((?:href|src)="([^"]+)\")");
    for (auto it = std::sregex_iterator(index.begin(), index.end(), link);
         it != std::sregex_iterator(); ++it) {
        linked.push_back((*it)[1]);
    }
    for (const char* file :
         {"plots/altitude.svg", "plots/speed.svg", "plots/apsides.svg", "plots/throttle.svg",
          "plots/acceleration.svg", "plots/phase.svg", "telemetry.csv", "state.json", "final.scn",
          "targets-set.svg", "in-orbit.svg"}) {
        EXPECT_NE(std::find(linked.begin(), linked.end(), file), linked.end()) << file;
    }
    for (const std::string& file : linked) {
        EXPECT_TRUE(std::filesystem::is_regular_file(*scratch_ / ("report/" + file))) << file;
    }
    // The MFD at the ascent's milestones.
    for (const char* moment : {"liftoff", "booster-separation", "MECO", "autopilot-off"}) {
        EXPECT_TRUE(std::any_of(linked.begin(), linked.end(), [&](const std::string& f) {
            return f.rfind("mfd/", 0) == 0 && f.find(moment) != std::string::npos;
        })) << moment;
    }
}

// Scenarios saved at several moments come back as they were saved, and each flies on to orbit.
TEST(SavedFlight, LoadsAsSavedAndFliesOnToOrbit) {
    Scratch scratch;
    std::string script;
    std::ifstream demo(demoScript());
    for (std::string line; std::getline(demo, line);) {
        if (line.rfind("at ", 0) == 0) script += line + "\n";  // the pilot's set-up only
    }
    struct Moment {
        std::string name;
        std::string when;
        // Whether loading and saving at once gives the text back. A landed vessel's attitude
        // comes back rebuilt from its heading, a few thousandths of a degree off, which spoils it
        // once boosters are down.
        bool savesAsLoaded;
    };
    const std::vector<Moment> moments = {{"pitch", "after pitch program + 10", true},
                                         {"staging", "after booster separation + 1", true},
                                         {"coast", "after MECO + 30", true},
                                         {"circularising", "after circularisation + 5", false}};
    for (const Moment& m : moments) script += m.when + ": save " + m.name + ".scn\n";
    script += "after circularisation + 5: stop\n";
    scratch.write("pilot.txt", script);
    const ProgramResult flight = scratch.run({"run", "Arvex launch", "--script=pilot.txt", kFrame});
    ASSERT_EQ(flight.exitCode, 0) << flight.err;

    for (const Moment& m : moments) {
        SCOPED_TRACE(m.name);
        const std::string saved = m.name + ".scn";
        ASSERT_EQ(scratch.run({"run", saved, "--maxframes=0", "--save=again.scn"}).exitCode, 0);
        if (m.savesAsLoaded) {
            EXPECT_EQ(scratch.read("again.scn"), scratch.read(saved));
        }

        const ProgramResult rest = scratch.run(
            {"run", saved, "--until=autopilot off", kFrame, "--trap-fpe", "--state=end.json"});
        ASSERT_EQ(rest.exitCode, 0) << rest.err;
        const nlohmann::json end = scratch.readJson("end.json");
        const auto& core = vesselIn(end, "Arvex1");
        EXPECT_NEAR(number(core, "apoapsisAltitude"), kTargetApoapsis, kApoapsisTolerance);
        EXPECT_GT(number(core, "periapsisAltitude"), kLowestPeriapsis);
    }
}

}  // namespace
}  // namespace apptest
