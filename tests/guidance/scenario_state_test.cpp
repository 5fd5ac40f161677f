// The core vessel's scenario lines, read from scenario text by the host and written back by
// it: exact formats, the "FC_Config" fix-up, keys without regard to case, and the lines the
// core leaves to the payload library and the host.
#include <sstream>
#include <string>
#include <vector>

#include "core_tree.h"
#include "flight_computer.h"

namespace {

class CoreScenarioState : public coretest::CoreTree {
  protected:
    CoreScenarioState() { CoreClass("State", "Offset = 1.25\n"); }

    // A scenario with a new core vessel in a circular orbit 629 km up, with the given lines.
    void Load(const std::string& coreLines) {
        name = "Core" + std::to_string(++count);
        Sim().loadScenarioText(
            "BEGIN_ENVIRONMENT\n  System Sol\n  Date MJD 51544.5\nEND_ENVIRONMENT\n"
            "BEGIN_SHIPS\n" +
                name +
                ":CoreTest\\State\n"
                "  STATUS Orbiting Earth\n"
                "  RPOS 7000000.000 0.000 0.000\n"
                "  RVEL 0.0000 0.0000 7546.0000\n" +
                coreLines + "END\nEND_SHIPS\n",
            "state test");
    }
    sim::HostVessel& Host() { return *Sim().findVessel(name); }
    Arvex& Loaded() { return Core(Host()); }
    FlightComputer& Guidance() { return *Loaded().flightComputer; }

    // The saved block of the vessel loaded last, without its header and "END".
    std::vector<std::string> SavedBlock() {
        std::istringstream text(Sim().saveScenarioText());
        std::vector<std::string> block;
        std::string line;
        bool inside = false;
        while (std::getline(text, line)) {
            if (line.rfind(name + ":", 0) == 0) {
                inside = true;
            } else if (inside && line == "END") {
                break;
            } else if (inside) {
                block.push_back(line);
            }
        }
        return block;
    }
    // The core's own lines: the last five of its block.
    std::vector<std::string> OwnLines() {
        const std::vector<std::string> block = SavedBlock();
        if (block.size() < 5) return block;
        return {block.end() - 5, block.end()};
    }

    std::string name;
    int count = 0;
};

TEST_F(CoreScenarioState, FreshVehicleWritesItsDefaultsAfterTheHostsLines) {
    name = "Fresh";
    Create(name, CoreClass("Fresh"));
    const std::vector<std::string> block = SavedBlock();
    ASSERT_GE(block.size(), 6u);
    EXPECT_EQ(block.front().rfind("  STATUS ", 0), 0u);
    const std::vector<std::string> expected = {
        "  FC_Config 250000.000000 90.000000 0 0 35.000000",
        "  FC_State 0 0.000000 0.000000",
        "  LV_State 1 1 0.000000",
        "  Fairing 0 1",
        "  Offset 0.0",
    };
    EXPECT_EQ(OwnLines(), expected);
}

TEST_F(CoreScenarioState, SavedStateLoadsBackToTheSameLines) {
    const std::string lines =
        "  FC_Config 300000.000000 45.000000 1 1 29.400000\n"
        "  FC_State 2 120.500000 35.250000\n"
        "  LV_State 1 0 0.500000\n"
        "  Fairing 0 1\n"
        "  Offset 2.5\n";
    Load(lines);
    const FlightComputer& fc = Guidance();
    EXPECT_EQ(fc.targetApoapsis, 300000.0);
    EXPECT_EQ(fc.apoapsisWindowLow, 249000.0);  // untouched by loading
    EXPECT_EQ(fc.targetHeading, 45.0);
    EXPECT_EQ(fc.autopilotEngaged, 1);
    EXPECT_EQ(fc.limiterActive, 1);
    EXPECT_EQ(fc.accelLimit, 29.4);
    EXPECT_EQ(fc.phase, 2);
    EXPECT_EQ(fc.missionElapsedTime, 120.5);
    EXPECT_EQ(fc.launchTime, 35.25);
    EXPECT_EQ(fc.pitchLoop.setpoint, 86.0);
    EXPECT_EQ(Loaded().cameraForward, 0);
    EXPECT_EQ(Loaded().engineGlow, 0.5f);
    EXPECT_EQ(Loaded().launchOffset, 2.5);

    std::vector<std::string> expected;
    std::istringstream text(lines);
    for (std::string line; std::getline(text, line);) expected.push_back(line);
    EXPECT_EQ(OwnLines(), expected);
}

TEST_F(CoreScenarioState, SeparatedBoostersAndBackwardCameraAreRestored) {
    Load("  LV_State 0 0 0.500000\n");
    EXPECT_EQ(Loaded().boostersAttached, 0);
    EXPECT_EQ(Loaded().cameraForward, 0);
    EXPECT_EQ(Loaded().engineGlow, 0.5f);
}

TEST_F(CoreScenarioState, FlightComputerConfigFixUpForAnUnsetLimit) {
    struct Case {
        const char* line;
        double accelLimit, targetApoapsis, windowLow;
    };
    const Case cases[] = {
        {"  FC_Config 300000.000000 45.000000 1 1 -1.000000\n", 44.1, 300000.0, 300000.0},
        {"  FC_Config 300000.000000 45.000000 1 1 30.000000\n", 30.0, 300000.0, 249000.0},
        {"  fc_config 300000.000000 45.000000 1 1 -1.000000\n", 44.1, 300000.0, 300000.0},
        {"  FC_CONFIG 260000.5 45.000000 1 1 -0.5\n", 44.1, 260000.5, 260000.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        Load(c.line);
        EXPECT_EQ(Guidance().accelLimit, c.accelLimit);
        EXPECT_EQ(Guidance().targetApoapsis, c.targetApoapsis);
        EXPECT_EQ(Guidance().apoapsisWindowLow, c.windowLow);
        EXPECT_EQ(Guidance().targetHeading, 45.0);
    }
}

// Values missing or unreadable at the end of a line leave their fields as they were.
TEST_F(CoreScenarioState, MissingValuesKeepTheirFields) {
    Load(
        "  FC_Config 300000\n"
        "  fc_state 3 abc\n"
        "  lv_state 0\n"
        "  FAIRING 2\n"
        "  offset\n");
    EXPECT_EQ(Guidance().targetApoapsis, 300000.0);
    EXPECT_EQ(Guidance().targetHeading, 90.0);
    EXPECT_EQ(Guidance().accelLimit, 35.0);
    EXPECT_EQ(Guidance().phase, 3);
    EXPECT_EQ(Guidance().missionElapsedTime, 0.0);
    EXPECT_EQ(Loaded().boostersAttached, 0);
    EXPECT_EQ(Loaded().cameraForward, 1);
    EXPECT_EQ(Loaded().fairingType, 2);
    EXPECT_EQ(Loaded().fairingAttached, 1);
    EXPECT_EQ(Loaded().launchOffset, 1.25);  // the class configuration's
}

TEST_F(CoreScenarioState, OffsetLineMovesTheTouchdownPointsAtOnce) {
    struct Case {
        const char* lines;
        double z;  // of all three points [m]
    };
    const Case cases[] = {
        {"", -16.25}, {"  Offset 2.5\n", -17.5}, {"  OFFSET 0.3\n", -15.300000190734863}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        Load(c.lines);
        const sim::HostVessel& host = Host();
        ASSERT_GE(host.touchdownPoints.size(), 3u);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(host.touchdownPoints[i].pos.z, c.z);
        EXPECT_TRUE(Loaded().xrNotifyPending);
    }
}

// Lines the core does not own reach the host (the vessel's place) and the payload library
// (the payload aboard).
TEST_F(CoreScenarioState, OtherLinesGoToThePayloadLibraryAndTheHost) {
    Write("Config/Arvex/Payloads/Arvex-Satellite.cfg", "Module = Arvex\\Arvex-Satellite\n");
    Load(
        "  FC_State 1 5.000000 2.000000\n"
        "  PAYLOAD Arvex\\Payloads\\Arvex-Satellite Sat1\n");
    const sim::HostVessel& host = Host();
    VECTOR3 position;
    host.iface->GetRelativePos(Sim().earth(), position);
    EXPECT_TRUE(coretest::Near(position, _V(7000000, 0, 0), 1e-3));

    Sim().step(0.25);
    EXPECT_EQ(PayloadManager::GetPayloadsNumber(&Loaded()), 1);
    EXPECT_EQ(Guidance().phase, 1);
}

// A target typed far beyond any orbit still saves and loads whole.
TEST_F(CoreScenarioState, HugeValuesAreWrittenWhole) {
    Load("  FC_Config 1e300 45.0 0 1 35.0\n");
    ASSERT_EQ(Guidance().targetApoapsis, 1e300);
    const std::string saved = OwnLines().front();
    const std::string tail = " 45.000000 0 1 35.000000";
    EXPECT_EQ(saved.substr(saved.size() - tail.size()), tail);
    Load(saved + "\n");
    EXPECT_EQ(Guidance().targetApoapsis, 1e300);
    EXPECT_EQ(Guidance().targetHeading, 45.0);
    EXPECT_EQ(Guidance().limiterActive, 1);
}

}  // namespace
