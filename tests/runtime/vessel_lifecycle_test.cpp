// Vessels through their modules: callback order, plain vessels, deletion and creation during
// a frame.
#include <gtest/gtest.h>

#include <algorithm>

#include "error.h"
#include "runtime_fixture.h"

namespace runtime_test {
namespace {

class LifecycleTest : public RuntimeTest {
  protected:
    // The probe events from `from` on, without the module's own.
    std::vector<std::string> eventsSince(std::size_t from) {
        std::vector<std::string> list(events().begin() + static_cast<std::ptrdiff_t>(from),
                                      events().end());
        std::erase(list, "InitModule");
        return list;
    }

    static std::string probes(std::initializer_list<std::string> blocks) {
        std::string ships;
        for (const std::string& b : blocks) ships += b;
        return scenarioWithShips(ships);
    }
};

TEST_F(LifecycleTest, CallbacksInTheHostsOrder) {
    sim::Simulation& s = start();
    s.loadScenarioText(probes({"A:Tests/Probe\nEND\n", "B:Tests/Probe\nEND\n"}), "order.scn");
    EXPECT_EQ(eventsSince(0),
              (std::vector<std::string>{"construct A", "setclasscaps A", "loadstate A",
                                        "construct B", "setclasscaps B", "loadstate B",
                                        "postcreation A", "postcreation B"}));
    const std::size_t before = events().size();
    s.step(0.1);
    EXPECT_EQ(eventsSince(before),
              (std::vector<std::string>{"prestep A", "prestep B", "poststep A", "poststep B"}));
}

TEST_F(LifecycleTest, MissingModuleOrEntryPointGivesAPlainVesselWithOneWarning) {
    sim::Simulation& s = start();
    s.loadScenarioText(
        scenarioWithShips("G1:Tests/Ghost\nEND\nG2:Tests/Ghost\nEND\nH:Tests/Hollow\nEND\n"),
        "plain.scn");
    ASSERT_EQ(warnings_.size(), 2u);
    EXPECT_NE(warnings_[0].find("Tests\\NoSuchModule"), std::string::npos) << warnings_[0];
    EXPECT_NE(warnings_[0].find("cannot open shared object file"), std::string::npos)
        << warnings_[0];
    EXPECT_NE(warnings_[1].find("has no ovcInit"), std::string::npos) << warnings_[1];
    const sim::HostVessel& ghost = *s.findVessel("G1");
    EXPECT_EQ(ghost.iface->Version(), 0);
    EXPECT_EQ(ghost.module, nullptr);
    EXPECT_EQ(ghost.emptyMass, 1234.0);  // driven by its configuration
    EXPECT_EQ(ghost.size, 3.0);
    s.run(0.3, 0.1);
    EXPECT_EQ(names(s), (std::vector<std::string>{"G1", "G2", "H"}));
}

TEST_F(LifecycleTest, SelfDeletionWaitsForTheEndOfTheFrameAndKeepsTheOrder) {
    sim::Simulation& s = start();
    s.loadScenarioText(probes({"A:Tests/Probe\nEND\n", "B:Tests/Probe\n  DELETE_AT 0.1\nEND\n",
                               "C:Tests/Probe\nEND\n", "D:Tests/Probe\nEND\n"}),
                       "delete.scn");
    const OBJHANDLE b = s.findVessel("B")->handle;
    const std::size_t before = events().size();
    s.step(0.1);
    const auto frame = eventsSince(before);
    const auto at = [&](const std::string& e) {
        return std::find(frame.begin(), frame.end(), e) - frame.begin();
    };
    EXPECT_LT(at("poststep D"), at("destroy B"));  // B finished the frame, then went
    EXPECT_LT(at("destroy B"), static_cast<std::ptrdiff_t>(frame.size()));
    EXPECT_EQ(names(s), (std::vector<std::string>{"A", "C", "D"}));
    EXPECT_FALSE(oapiIsVessel(b));
    EXPECT_EQ(oapiGetVesselInterface(b), nullptr);
    EXPECT_EQ(oapiGetVesselByIndex(1), s.findVessel("C")->handle);
}

TEST_F(LifecycleTest, VesselCreatedInAPostStepJoinsTheNextFrame) {
    sim::Simulation& s = start();
    s.loadScenarioText(probes({"A:Tests/Probe\n  SPAWN_AT 0.1 Kid\nEND\n", "B:Tests/Probe\nEND\n"}),
                       "spawn.scn");
    std::size_t before = events().size();
    s.step(0.1);
    EXPECT_EQ(eventsSince(before),
              (std::vector<std::string>{"prestep A", "prestep B", "poststep A", "construct Kid",
                                        "setclasscaps Kid", "postcreation Kid", "spawned Kid by A",
                                        "poststep B"}));
    EXPECT_EQ(names(s), (std::vector<std::string>{"A", "B", "Kid"}));
    before = events().size();
    s.step(0.1);
    EXPECT_EQ(eventsSince(before),
              (std::vector<std::string>{"prestep A", "prestep B", "prestep Kid", "poststep A",
                                        "poststep B", "poststep Kid"}));
}

TEST_F(LifecycleTest, AVesselWhoseLoadFailsIsDestroyedThroughItsModule) {
    sim::Simulation& s = start();
    s.loadScenarioText(probes({"A:Tests/Probe\nEND\n"}), "good.scn");
    EXPECT_THROW(s.loadScenarioText(probes({"X:Tests/Probe\n  FAIL_LOAD\nEND\n"}), "bad.scn"),
                 std::runtime_error);
    EXPECT_EQ(names(s), std::vector<std::string>{"A"});
    EXPECT_EQ(events().back(), "destroy X");
    EXPECT_EQ(oapiGetVesselByName("X"), nullptr);
}

TEST_F(LifecycleTest, HandlesOfDeletedVesselsAreNeverReused) {
    sim::Simulation& s = start();
    VESSELSTATUS vs{};
    const OBJHANDLE first = s.createVessel("Box", "Tests/Plain", vs).handle;
    s.deleteVessel(*s.findVessel("Box"));
    const OBJHANDLE second = s.createVessel("Box", "Tests/Plain", vs).handle;
    EXPECT_NE(first, second);
    EXPECT_FALSE(oapiIsVessel(first));
    EXPECT_TRUE(oapiIsVessel(second));
    EXPECT_EQ(oapiGetVesselByName("BOX"), second);
    EXPECT_EQ(oapiGetObjectByName("earth"), s.earth());
}

TEST_F(LifecycleTest, UnknownClassThrowsFromTheApiAndGivesNullToModules) {
    sim::Simulation& s = start();
    VESSELSTATUS vs{};
    EXPECT_THROW(s.createVessel("X", "Tests/NoSuchClass", vs), sim::Error);
    EXPECT_EQ(oapiCreateVessel("X", "Tests/NoSuchClass", vs), nullptr);
    ASSERT_EQ(warnings_.size(), 1u);
    EXPECT_NE(warnings_[0].find("Tests/NoSuchClass"), std::string::npos);
    EXPECT_TRUE(s.vessels().empty());
}

TEST_F(LifecycleTest, ClassNamesWithEitherSeparatorFindTheirConfiguration) {
    sim::Simulation& s = start();
    VESSELSTATUS vs{};
    s.createVessel("A", "Tests\\Probe", vs);
    s.createVessel("B", "Tests//Probe", vs);
    EXPECT_STREQ(s.findVessel("B")->iface->GetClassNameA(), "Tests//Probe");
    EXPECT_EQ(s.findVessel("A")->iface->Version(), 2);
    EXPECT_EQ(s.findVessel("A")->module, s.findVessel("B")->module);  // one module for both
}

}  // namespace
}  // namespace runtime_test
