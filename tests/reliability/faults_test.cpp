// Faults in flight through the real host and modules: the launcher deleted while the MFD shows
// it, a carrier deleted with its payloads attached, a frame of zero length, a thousand spent
// parts born in one frame. Under the sanitizers a call into a deleted vessel fails the test.
#include <cmath>

#include "reliability_tree.h"
#include "ui/input_box.h"
#include "ui/mfd_service.h"

namespace reliability {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

constexpr double kFrame = 0.1;  // [s]
constexpr char kMode[] = "Tessaron control";
constexpr int kConnectFirst = 0, kApogee = 2, kLaunch = 5;  // MFD buttons

class Faults : public ReliabilityTree {
  protected:
    sim::ui::MfdService& Mfds() { return Sim().service<sim::ui::MfdService>(); }
    bool Press(int button) {
        const bool consumed = Mfds().pressButton(MFD_LEFT, button);
        Mfds().refresh();
        return consumed;
    }
    std::vector<std::string> Shown() {
        std::vector<std::string> texts;
        for (const auto& item : Mfds().redraw(MFD_LEFT)) texts.push_back(item.text);
        return texts;
    }
    // A saved scenario that must load again, and holds no number the host cannot read.
    void ExpectSaveLoadsAgain() {
        const std::string saved = Sim().saveScenarioText();
        EXPECT_THAT(saved, Not(HasSubstr("nan")));
        EXPECT_THAT(saved, Not(HasSubstr("inf")));
        EXPECT_NO_THROW(Load(saved, "saved.scn")) << saved;
    }
};

TEST_F(Faults, LauncherDeletedInFlightWhileTheMfdShowsIt) {
    Load(LaunchScenario(), "launch.scn");
    Sim().loadScenarioText(Scenario(OrbitShip("Observer", kStageClass)), "observer.scn");
    Mfds().openMode(MFD_LEFT, kMode, Vessel("Observer"));
    Mfds().refresh();
    ASSERT_TRUE(Press(kConnectFirst));
    ASSERT_TRUE(Press(kLaunch));
    Sim().run(20.0, kFrame);
    ASSERT_GT(Core("Arvex1").GetAltitude(), 100.0);
    Press(kApogee);  // the box is open when the launcher goes

    Sim().deleteVessel(Vessel("Arvex1"));
    auto& box = Sim().service<sim::ui::InputBoxService>();
    ASSERT_TRUE(box.isOpen());
    box.enter("300");
    Sim().run(1.0, kFrame);  // the display redraws at its refresh interval
    EXPECT_THAT(Shown(), Contains("LAUNCHER LOST"));
    Press(kLaunch);  // a command without a launcher leads to the selection page
    EXPECT_THAT(Shown(), Contains("LAUNCHER LOST"));
    ExpectSaveLoadsAgain();
}

TEST_F(Faults, CarrierDeletedWithItsPayloadsAttachedLeavesThemFlyingFree) {
    const std::string payloads = std::string("  PAYLOAD ") + kSatelliteClass + " Sat1\n" +
                                 "  PAYLOAD " + kSatelliteClass + " Sat2\n";
    Load(Scenario(
        OrbitShip("Core", kCoreClass, "  LV_State 0 1 0\n  Fairing 0 0\n" + payloads) +
        OrbitShip("Stage", kStageClass, std::string("  PAYLOAD ") + kSatelliteClass + " Sat3\n")));
    Sim().step(kFrame);  // the payloads are made and attached at the first frame
    ASSERT_EQ(Names().size(), 2u + 3u);

    Sim().deleteVessel(Vessel("Core"));
    Sim().run(1.0, kFrame);
    EXPECT_THAT(Names(), ElementsAre("Stage", "Sat1", "Sat2", "Sat3"));
    EXPECT_THAT(Sim().saveScenarioText(), Not(HasSubstr(",Core")));

    Sim().deleteVessel(Vessel("Stage"));
    Sim().run(1.0, kFrame);
    EXPECT_THAT(Names(), ElementsAre("Sat1", "Sat2", "Sat3"));
    ExpectSaveLoadsAgain();
}

TEST_F(Faults, FrameOfZeroLengthChangesNothing) {
    Load(LaunchScenario(), "launch.scn");
    ASSERT_EQ(Sim().pressKey(OAPI_KEY_L, {OAPI_KEY_LCONTROL}), 1);
    Sim().run(15.0, kFrame);
    Sim().pressKey(OAPI_KEY_J);  // every kind of vessel is in the air: boosters ...
    Sim().pressKey(OAPI_KEY_K);  // ... and fairing halves
    Sim().run(1.0, kFrame);
    const std::string before = Sim().saveScenarioText();

    for (int i = 0; i < 3; ++i) Sim().step(0.0);
    EXPECT_EQ(Sim().saveScenarioText(), before);
    Sim().run(1.0, kFrame);
    ExpectSaveLoadsAgain();
}

// A force beyond any number, or one that is none: the vessel keeps the state it had, one
// warning names it, and it flies on once the force is gone.
TEST_F(Faults, ForceBeyondAnyNumberLeavesTheVesselWhereItWas) {
    for (const VECTOR3& force : {_V(HUGE_VAL, 0, 0), _V(NAN, 0, 0)}) {
        SCOPED_TRACE(force.x);
        warnings.clear();
        Load(Scenario(OrbitShip("Stage", kStageClass) +
                      FlyingShip("Flung", kStageClass, "0 7000000 0", "-7546 0 0")));
        Sim().step(kFrame);
        VESSEL& vessel = *Vessel("Flung").iface;
        VESSELSTATUS before{};
        vessel.GetStatus(before);
        for (int frame = 0; frame < 3; ++frame) {
            vessel.AddForce(force, _V(0, 0, 0));
            Sim().step(kFrame);
        }
        VESSELSTATUS held{};
        vessel.GetStatus(held);
        EXPECT_EQ(held.rpos.y, before.rpos.y);
        EXPECT_EQ(held.rvel.x, before.rvel.x);
        EXPECT_THAT(warnings, ElementsAre(HasSubstr("vessel \"Flung\"")));

        Sim().step(kFrame);
        VESSELSTATUS flown{};
        vessel.GetStatus(flown);
        EXPECT_NE(flown.rpos.x, before.rpos.x);
        ExpectSaveLoadsAgain();
    }
}

// A state of that kind set by a module is ignored with a warning naming the vessel, which flies
// on as its twin that was given none.
TEST_F(Faults, StateBeyondAnyFlightSetByAModuleIsIgnored) {
    VESSELSTATUS flung{};
    flung.rpos = _V(7e6, 0, 0);
    flung.rvel = _V(1e300, 0, 0);
    VESSELSTATUS lost = flung;
    lost.rvel = _V(0, 0, 7546);
    lost.arot = _V(NAN, 0, 0);
    for (const VESSELSTATUS& state : {flung, lost}) {
        warnings.clear();
        Load(Scenario(OrbitShip("Twin", kStageClass) + OrbitShip("Odd", kStageClass)));
        Vessel("Odd").iface->DefSetState(&state);
        Sim().run(1.0, kFrame);
        VESSELSTATUS odd{}, twin{};
        Vessel("Odd").iface->GetStatus(odd);
        Vessel("Twin").iface->GetStatus(twin);
        EXPECT_EQ(odd.rpos.z, twin.rpos.z);
        EXPECT_THAT(warnings, ElementsAre(HasSubstr("vessel \"Odd\"")));
        ExpectSaveLoadsAgain();
    }
}

TEST_F(Faults, ThousandSpentPartsBornInOneFrameFlyAndLeaveTogether) {
    constexpr int kParts = 1000;
    Write("Config/ReliabilityTest/Spawner.cfg",
          "Module = ReliabilityTest\\Spawner\nParts = " + std::to_string(kParts) + "\n");
    Load(Scenario(OrbitShip("Spawner", "ReliabilityTest/Spawner")));
    Sim().step(kFrame);
    ASSERT_EQ(Names().size(), 1u + kParts);
    EXPECT_EQ(Names().back(), "Part999");
    EXPECT_TRUE(warnings.empty()) << warnings.front();
    Sim().step(1.0);

    // The fleet comes back from a save, near the end of its lifetime; a minute of flight for
    // each part would make the test slow.
    std::string saved = Sim().saveScenarioText();
    const std::string timer = "  Timer 1.1\n";
    int timers = 0;
    for (auto at = saved.find(timer); at != std::string::npos; at = saved.find(timer, at)) {
        saved.replace(at, timer.size(), "  Timer 59.5\n");
        ++timers;
    }
    ASSERT_EQ(timers, kParts);
    Load(saved, "fleet.scn");
    ASSERT_EQ(Names().size(), 1u + kParts);
    Sim().run(1.0, 0.5);  // a configured part leaves once it has lived 60 s
    EXPECT_THAT(Names(), ElementsAre("Spawner"));
}

}  // namespace
}  // namespace reliability
