// Nothing is lost through a saved scenario: every shipped scenario, and saves taken along the
// default flight, save → load → save to the same text; and a flight loaded from a save ends in
// the orbit of the flight that was never interrupted.
#include "dialog/dialog_service.h"
#include "flight_computer.h"
#include "reliability_tree.h"

namespace reliability {
namespace {

using ::testing::Contains;
using ::testing::HasSubstr;

constexpr int kOffsetEdit = 1027;          // the configuration dialog's offset box ...
constexpr int kSetOffset = 1025;           // ... and the button that applies it
constexpr double kFrame = 0.1;             // the flight's fixed step [s]
constexpr double kLongestFlight = 2000.0;  // [s]
// How far a resumed flight's orbit may end from the uninterrupted one. The scenario keeps the
// state at the host's file precision and not the guidance's loop and limiter state, which the
// flight computer rebuilds after a load; over the rest of the ascent that spreads the final
// orbit by up to some 200 m in apoapsis and 4 km in periapsis (docs/reliability.md).
constexpr double kResumedApoapsisSpread = 500.0;     // [m]
constexpr double kResumedPeriapsisSpread = 10000.0;  // [m]

struct Orbit {
    double apoapsis;   // [m]
    double periapsis;  // [m]
};

struct Save {
    double time;  // [s] into the flight
    std::string text;
};

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
                saves->push_back({saveTimes[next], Sim().saveScenarioText()});
                ++next;
            }
            Sim().step(kFrame);
        }
        EXPECT_EQ(fc.autopilotEngaged, 0) << "no orbit after " << Sim().time() << " s";
        return {core.GetApoapsisAltitude(), core.GetPeriapsisAltitude()};
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
    // From the pad through the vertical rise, the pitch programme, fairing jettison, booster
    // separation, engine cut-off and the coast to the circularisation burn.
    const std::vector<double> moments = {5, 60, 120, 180, 240, 300, 360, 420, 500, 600};  // [s]
    Load(LaunchScenario(), "launch.scn");
    ASSERT_EQ(Sim().pressKey(OAPI_KEY_L, {OAPI_KEY_LCONTROL}), 1);
    std::vector<Save> saves;
    const Orbit uninterrupted = FlyToOrbit(moments, &saves);
    ASSERT_EQ(saves.size(), moments.size());

    for (const Save& save : saves) {
        SCOPED_TRACE(testing::Message() << "saved at " << save.time << " s");
        EXPECT_EQ(Resaved(save.text), save.text);
        const Orbit resumed = FlyToOrbit();
        EXPECT_NEAR(resumed.apoapsis, uninterrupted.apoapsis, kResumedApoapsisSpread);
        EXPECT_NEAR(resumed.periapsis, uninterrupted.periapsis, kResumedPeriapsisSpread);
    }
}

}  // namespace
}  // namespace reliability
