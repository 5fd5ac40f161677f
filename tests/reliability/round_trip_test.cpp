// Nothing is lost through a saved scenario: every shipped scenario, and saves taken along the
// default flight, save → load → save to the same text; and a flight loaded from a save ends in
// the orbit of the flight that was never interrupted, as far as the file's precision allows.
#include <regex>

#include "dialog/dialog_service.h"
#include "flight_computer.h"
#include "host_vessel.h"
#include "reliability_tree.h"

namespace reliability {
namespace {

using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

constexpr int kOffsetEdit = 1027;          // the configuration dialog's offset box ...
constexpr int kSetOffset = 1025;           // ... and the button that applies it
constexpr double kFrame = 0.1;             // the flight's fixed step [s]
constexpr double kLongestFlight = 2000.0;  // [s]
// From the pad through the vertical rise, the pitch programme, fairing jettison, booster
// separation, engine cut-off and the coast to the circularisation burn.
const std::vector<double> kSaveMoments = {5, 60, 120, 180, 240, 300, 360, 420, 500, 600};  // [s]
// How far a resumed flight's orbit may end from the uninterrupted one. The scenario holds the
// state as the host writes it: positions to 1 mm, velocities to 0.1 mm/s, angles to 0.001°,
// rates to 0.0001°/s, propellant to a millionth of the tank. Under power the limiter, which
// steps the throttle whenever the acceleration crosses its limit, carries differences of that
// size into the final orbit: half a step of the core's propellant alone moves it by up to 1.3 m
// in apoapsis and 21 m in periapsis (docs/reliability.md).
constexpr double kResumedApoapsisSpread = 3.0;    // [m]
constexpr double kResumedPeriapsisSpread = 40.0;  // [m]
// With the file's numbers set back to full precision after the load, only the payload library's
// refresh of the carrier's inertia, due at another moment after a load, remains.
constexpr double kFullPrecisionSpread = 0.5;        // [m]
constexpr double kLaunchTargetApoapsis = 250000.0;  // set in the launch scenario [m]
constexpr double kLowestOrbit = 200000.0;  // periapsis of the default flight's orbit, at least [m]

struct Orbit {
    double apoapsis;   // [m]
    double periapsis;  // [m]
};

// What the scenario file rounds of one vessel, at full precision: place, motion, attitude and
// propellant. Its rounding of thruster levels moves the final orbit by less than 0.1 mm.
struct VesselState {
    std::string name;
    sim::physics::Kinematics kinematics;
    std::vector<double> tankMasses;  // [kg]
};

struct Save {
    double time;  // [s] into the flight
    std::string text;
    std::vector<VesselState> exact;
};

std::vector<VesselState> ExactStates(const sim::Simulation& simulation) {
    std::vector<VesselState> states;
    for (const sim::HostVessel* v : simulation.vessels()) {
        VesselState state{v->name, v->body, {}};
        for (const auto& tank : v->tanks) state.tankMasses.push_back(tank->mass);
        states.push_back(std::move(state));
    }
    return states;
}

void RestoreExactStates(sim::Simulation& simulation, const std::vector<VesselState>& states) {
    for (const VesselState& state : states) {
        sim::HostVessel* v = simulation.findVessel(state.name);
        ASSERT_NE(v, nullptr) << state.name;
        static_cast<sim::physics::Kinematics&>(v->body) = state.kinematics;
        ASSERT_EQ(v->tanks.size(), state.tankMasses.size()) << state.name;
        for (std::size_t i = 0; i < v->tanks.size(); ++i) v->tanks[i]->mass = state.tankMasses[i];
    }
}

class RoundTrip : public ReliabilityTree {
  protected:
    // The text saved after loading `text` (from a fresh simulation).
    std::string Resaved(const std::string& text) {
        Load(text, "saved.scn");
        return Sim().saveScenarioText();
    }

    // Flies the loaded launcher until its autopilot lets go; saves at the given moments.
    Orbit FlyToOrbit(const std::vector<double>& saveTimes = {},
                     std::vector<Save>* saves = nullptr) {
        Arvex& core = Core("Arvex1");
        const FlightComputer& fc = *core.flightComputer;
        std::size_t next = 0;
        while (fc.autopilotEngaged == 1 && Sim().time() < kLongestFlight) {
            if (next < saveTimes.size() && Sim().time() + 0.5 * kFrame >= saveTimes[next]) {
                saves->push_back({saveTimes[next], Sim().saveScenarioText(), ExactStates(Sim())});
                ++next;
            }
            Sim().step(kFrame);
        }
        EXPECT_EQ(fc.autopilotEngaged, 0) << "no orbit after " << Sim().time() << " s";
        return {core.GetApoapsisAltitude(), core.GetPeriapsisAltitude()};
    }

    // The default flight, uninterrupted, saved at kSaveMoments.
    Orbit FlyDefaultFlight(std::vector<Save>& saves) {
        Load(LaunchScenario(), "launch.scn");
        EXPECT_EQ(Sim().pressKey(OAPI_KEY_L, {OAPI_KEY_LCONTROL}), 1);
        const Orbit orbit = FlyToOrbit(kSaveMoments, &saves);
        EXPECT_EQ(saves.size(), kSaveMoments.size());
        return orbit;
    }
};

TEST_F(RoundTrip, EveryShippedScenarioSavesToTheSameTextAfterALoad) {
    for (const fs::path& file : ShippedScenarios()) {
        SCOPED_TRACE(file.filename().string());
        Load(ReadFile(file), file.filename().string());
        const std::string saved = Sim().saveScenarioText();
        EXPECT_EQ(Resaved(saved), saved);
    }
}

TEST_F(RoundTrip, AbsurdValuesAreWrittenWhole) {
    // As far away as a scenario may place a vessel.
    const std::string farAway =
        std::string("Stage1:") + kStageClass +
        "\n  STATUS Orbiting Earth\n  RPOS 1e15 0 0\n  RVEL 0 0 7546\nEND\n";
    Load(Scenario(PadShip("Arvex1", kCoreClass) + farAway, "Arvex1"), "absurd.scn");
    // The dialog takes any offset the pilot types.
    Sim().pressKey(OAPI_KEY_SPACE, {OAPI_KEY_LCONTROL});
    auto& dialogs = Sim().service<sim::dialog::DialogService>();
    ASSERT_EQ(dialogs.openDialogs().size(), 1u);
    const HWND dialog = dialogs.openDialogs().front()->handle();
    dialogs.typeText(dialog, kOffsetEdit, "1e300");
    dialogs.pressButton(dialog, kSetOffset);
    EXPECT_THAT(warnings, Contains(HasSubstr("touchdown points that are not finite")));

    const std::string saved = Sim().saveScenarioText();
    EXPECT_EQ(Resaved(saved), saved);
    EXPECT_EQ(Core("Arvex1").launchOffset, 1e300);
    VESSELSTATUS stage{};
    Vessel("Stage1").iface->GetStatus(stage);
    EXPECT_EQ(stage.rpos.x, 1e15);
}

TEST_F(RoundTrip, DefaultFlightSavedOnTheWay) {
    std::vector<Save> saves;
    const Orbit uninterrupted = FlyDefaultFlight(saves);

    for (const Save& save : saves) {
        SCOPED_TRACE(testing::Message() << "saved at " << save.time << " s");
        EXPECT_THAT(save.text, HasSubstr("\n  FC_Loops "));
        EXPECT_EQ(Resaved(save.text), save.text);
        const Orbit resumed = FlyToOrbit();
        EXPECT_NEAR(resumed.apoapsis, uninterrupted.apoapsis, kResumedApoapsisSpread);
        EXPECT_NEAR(resumed.periapsis, uninterrupted.periapsis, kResumedPeriapsisSpread);
    }
}

// Nothing but the file's rounding is lost: the host's levels, the modules' loops, limiter,
// gimbal, boosters and payload all carry on from a save as they would have.
TEST_F(RoundTrip, FlightResumedAtFullPrecisionEndsInTheUninterruptedOrbit) {
    std::vector<Save> saves;
    const Orbit uninterrupted = FlyDefaultFlight(saves);

    for (const Save& save : saves) {
        SCOPED_TRACE(testing::Message() << "saved at " << save.time << " s");
        Load(save.text, "saved.scn");
        RestoreExactStates(Sim(), save.exact);
        const Orbit resumed = FlyToOrbit();
        EXPECT_NEAR(resumed.apoapsis, uninterrupted.apoapsis, kFullPrecisionSpread);
        EXPECT_NEAR(resumed.periapsis, uninterrupted.periapsis, kFullPrecisionSpread);
    }
}

// The loop line is read value by value: values a line leaves out, or gives as no number, keep
// their fields; what it gives is written back with every digit and reads back the same.
TEST_F(RoundTrip, LoopLineIsReadValueByValueAndWrittenWhole) {
    struct Case {
        const char* values;
        double lastAirspeed, pitchSetpoint, pitchIntegral, bankOutput;
    };
    const Case cases[] = {
        {"867.39162296399997 57.5 0.25 0.33333333333333331 -0.5 0 1 2 3 4 5 6 1e-300",
         867.39162296399997, 57.5, 1.0 / 3.0, 1e-300},
        {"12.5 1", 12.5, 1.0, 0.0, 0.0},
        {"12.5 nan 2 inf 4 5 6 7 8 9 10 11 -7", 12.5, 86.0, 0.0, -7.0},
        {"12.5 1 2 3 4 5 6 7 8 9 10 11 12 13", 12.5, 1.0, 3.0, 12.0},
        {"fast 1 2", 0.0, 86.0, 0.0, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.values);
        Load(Scenario(OrbitShip("Core", kCoreClass, std::string("  FC_Loops ") + c.values + "\n")));
        const std::string saved = Sim().saveScenarioText();
        EXPECT_EQ(Resaved(saved), saved);
        const FlightComputer& fc = *Core("Core").flightComputer;
        EXPECT_EQ(fc.lastAirspeed, c.lastAirspeed);
        EXPECT_EQ(fc.pitchLoop.setpoint, c.pitchSetpoint);
        EXPECT_EQ(fc.pitchLoop.integral, c.pitchIntegral);
        EXPECT_EQ(fc.bankLoop.output, c.bankOutput);
    }
}

// Saves written before the flight computer saved its loops: the loops start from zero and the
// limiter takes one step to find the acceleration again; the flight still reaches its orbit.
TEST_F(RoundTrip, SaveWithoutTheLoopLineStillFliesToOrbit) {
    Load(LaunchScenario(), "launch.scn");
    ASSERT_EQ(Sim().pressKey(OAPI_KEY_L, {OAPI_KEY_LCONTROL}), 1);
    Sim().run(60.0, kFrame);
    const std::string saved = Sim().saveScenarioText();
    const std::string older = std::regex_replace(saved, std::regex("  FC_Loops [^\n]*\n"), "");
    ASSERT_NE(older, saved);

    Load(older, "older.scn");
    EXPECT_THAT(warnings, IsEmpty());
    const FlightComputer& fc = *Core("Arvex1").flightComputer;
    EXPECT_EQ(fc.lastAirspeed, 0.0);
    EXPECT_EQ(fc.pitchLoop.integral, 0.0);
    const Orbit orbit = FlyToOrbit();
    EXPECT_GE(orbit.apoapsis, kLaunchTargetApoapsis);
    EXPECT_GT(orbit.periapsis, kLowestOrbit);
}

}  // namespace
}  // namespace reliability
