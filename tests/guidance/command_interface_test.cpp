// The core vessel's command interface, called the way the control MFD calls it: from a module
// of its own (the probe), built against arvex.h without the core module, on a core vessel that
// the host created from the built core module.
#include <dlfcn.h>

#include <climits>
#include <cmath>
#include <limits>

#include "core_command_table.h"
#include "core_tree.h"
#include "flight_computer.h"

namespace {

class CoreCommands : public coretest::CoreTree {
  protected:
    void SetUp() override {
        // Loaded with every reference resolved at once: a call bound to the core module's
        // functions instead of the virtual table would fail here.
        probe = dlopen(CORE_COMMAND_PROBE, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(probe, nullptr) << dlerror();
        auto table =
            reinterpret_cast<CoreCommandTableFunction>(dlsym(probe, kCoreCommandTableSymbol));
        ASSERT_NE(table, nullptr);
        cmd = table();
    }
    void TearDown() override {
        if (probe) dlclose(probe);
    }

    // A core vessel in a circular orbit 629 km up, as another module receives it.
    VESSEL* NewCore(const std::string& items = "") {
        host = &Create("Core1", CoreClass("Commands", items));
        return host->iface;
    }
    FlightComputer& Guidance() { return *Core(*host).flightComputer; }

    void* probe = nullptr;
    const CoreCommandTable* cmd = nullptr;
    sim::HostVessel* host = nullptr;
};

TEST_F(CoreCommands, OperationsHoldTheirVirtualTablePositions) {
    for (int i = 0; i < 21; ++i) EXPECT_EQ(cmd->positions[i], 35 + i) << "operation " << i;
}

TEST_F(CoreCommands, AccelLimitCyclesThroughThreeValues) {
    VESSEL* core = NewCore();
    EXPECT_EQ(cmd->GetAccelLimit(core), 35.0);
    for (double expected : {29.4, 44.1, 58.8, 29.4}) {
        cmd->CycleAccelLimit(core);
        EXPECT_EQ(cmd->GetAccelLimit(core), expected);
    }
    Guidance().accelLimit = 19.6;  // as circularisation leaves it
    cmd->CycleAccelLimit(core);
    EXPECT_EQ(cmd->GetAccelLimit(core), 29.4);
}

TEST_F(CoreCommands, TargetsAreStoredAsGiven) {
    VESSEL* core = NewCore();
    EXPECT_EQ(cmd->GetTargetApoapsisKm(core), 250.0);
    EXPECT_EQ(cmd->GetTargetHeading(core), 90.0);

    cmd->SetTargetApoapsis(core, 300000.0);
    EXPECT_EQ(cmd->GetTargetApoapsisKm(core), 300.0);
    EXPECT_EQ(Guidance().targetApoapsis, 300000.0);
    EXPECT_EQ(Guidance().apoapsisWindowLow, 299000.0);

    // Nothing is checked: a negative altitude or a heading past 360 stays as typed.
    cmd->SetTargetApoapsis(core, -5.0);
    EXPECT_EQ(Guidance().apoapsisWindowLow, -1005.0);
    cmd->SetTargetHeading(core, 400.0);
    EXPECT_EQ(cmd->GetTargetHeading(core), 400.0);
    EXPECT_EQ(Guidance().targetHeading, 400.0);
}

TEST_F(CoreCommands, MissionTimeIsTruncatedTowardZero) {
    VESSEL* core = NewCore();
    struct Case {
        double seconds;
        int expected;
    };
    const Case cases[] = {
        {12.9, 12},
        {0.99, 0},
        {-12.9, -12},
        // A corrupt scenario: saturated or zero instead of an undefined conversion.
        {1e30, INT_MAX},
        {-1e30, INT_MIN},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const Case& c : cases) {
        Guidance().missionElapsedTime = c.seconds;
        EXPECT_EQ(cmd->GetMissionTime(core), c.expected) << c.seconds;
    }
}

TEST_F(CoreCommands, ToggleAutopilotInvertsBothFlagsSeparately) {
    VESSEL* core = NewCore();
    struct Case {
        int engaged, limiter;
    };
    const Case cases[] = {{0, 1}, {0, 0}, {1, 1}, {1, 0}};
    for (const Case& c : cases) {
        Guidance().autopilotEngaged = c.engaged;
        Guidance().limiterActive = c.limiter;
        cmd->ToggleAutopilot(core);
        EXPECT_EQ(cmd->GetAutopilotEngaged(core), 1 - c.engaged);
        EXPECT_EQ(Guidance().limiterActive, 1 - c.limiter);
    }
    Guidance().phase = 3;
    EXPECT_EQ(cmd->GetGuidancePhase(core), 3);
}

TEST_F(CoreCommands, OrbitAltitudesFromTheFixedRadius) {
    VESSEL* core = NewCore();
    double ap = 0.0, pe = 0.0;
    core->GetApDist(ap);
    core->GetPeDist(pe);
    EXPECT_EQ(cmd->GetApoapsisAltitude(core), ap - 6371026.0);
    EXPECT_EQ(cmd->GetPeriapsisAltitude(core), pe - 6371026.0);
    EXPECT_NEAR(cmd->GetApoapsisAltitude(core), 7.0e6 - 6371026.0, 2000.0);
}

TEST_F(CoreCommands, HeadingFromTheNoseOrFromTheUprightVessel) {
    VESSEL* core = NewCore();  // nose along the orbit, level with the horizon
    EXPECT_LT(std::abs(core->GetPitch() * DEG), 85.0);
    EXPECT_DOUBLE_EQ(cmd->GetCurrentHeading(core), core->GetYaw() * DEG);

    // Nose straight up: the +y axis in the horizon frame gives the heading.
    VESSELSTATUS upright = FreeFlight();
    upright.arot = _V(0.0, -PI05, 0.0);
    VESSEL* standing = Sim().createVessel("Core2", "CoreTest\\Commands", upright).iface;
    ASSERT_GT(standing->GetPitch() * DEG, 85.0);
    VECTOR3 y;
    standing->HorizonRot(_V(0, 1, 0), y);
    EXPECT_DOUBLE_EQ(cmd->GetCurrentHeading(standing), std::atan2(y.x, y.z) * DEG + 180.0);
}

TEST_F(CoreCommands, EstimatedInclinationFromLatitudeAndTargetHeading) {
    NewCore();
    VESSELSTATUS landed{};
    landed.rbody = Sim().earth();
    landed.status = 1;
    landed.vdata[0] = _V(-80.6 * RAD, 28.5 * RAD, 0.0);
    VESSEL* core = Sim().createVessel("Pad", "CoreTest\\Commands", landed).iface;

    struct Case {
        double heading, inclination;
    };
    const Case cases[] = {{90.0, 28.5},
                          {270.0, 180.0 - 28.5},
                          {0.0, 90.0},
                          {180.0, 90.0},
                          {45.0, std::acos(std::cos(28.5 * RAD) * std::sin(45.0 * RAD)) * DEG}};
    for (const Case& c : cases) {
        cmd->SetTargetHeading(core, c.heading);
        EXPECT_NEAR(cmd->GetEstimatedInclination(core), c.inclination, 1e-9) << c.heading;
    }
}

TEST_F(CoreCommands, RecognitionProbeAnswersOnlyItsMessage) {
    VESSEL* core = NewCore();
    int dummy = 0;
    struct Case {
        int msgid, prm;
        void* context;
        int answer;
    };
    const Case cases[] = {{13097, 0, nullptr, 1},
                          {13097, -7, &dummy, 1},
                          {13096, 0, nullptr, 0},
                          {13098, 1, &dummy, 0},
                          {0, 0, nullptr, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(cmd->Generic(core, c.msgid, c.prm, c.context), c.answer) << c.msgid;
}

TEST_F(CoreCommands, PropellantReadOutsAndTheLaunchOffset) {
    VESSEL* core = NewCore("Mode = 0\nOffset = 2.5\n");
    EXPECT_EQ(cmd->GetCorePropellant(core), 500000.0);
    EXPECT_EQ(cmd->GetBoosterPropellant(core), 600000.0);
    EXPECT_EQ(cmd->GetLaunchOffset(core), 2.5);

    Sim().setFocus(host);
    ASSERT_EQ(Sim().pressKey(OAPI_KEY_J), 1);  // separates the boosters
    EXPECT_EQ(cmd->GetBoosterPropellant(core), 0.0);
    EXPECT_EQ(cmd->GetCorePropellant(core), 500000.0);
}

class CoreCargoCommands : public CoreCommands {
  protected:
    // A core vessel with a fairing and two satellites aboard, after the frame that attaches them.
    VESSEL* NewLoadedCore() {
        Write("Arvex_Prefs.ini",
              "[Fairing1]\nName = Short\nMesh = Arvex\\Fairings\\short\n"
              "Mass = 1000\n");
        Write("Config/Arvex/Payloads/Arvex-Satellite.cfg", "Module = Arvex\\Arvex-Satellite\n");
        CoreClass("Cargo", "Fairing = 1\n");
        Sim().loadScenarioText(
            "BEGIN_ENVIRONMENT\n  System Sol\n  Date MJD 51544.5\n"
            "END_ENVIRONMENT\n"
            "BEGIN_SHIPS\n"
            "Core1:CoreTest\\Cargo\n"
            "  STATUS Orbiting Earth\n"
            "  RPOS 7000000.000 0.000 0.000\n"
            "  RVEL 0.0000 0.0000 7546.0000\n"
            "  PRPLEVEL 0:1.000000 1:1.000000\n"
            "  PAYLOAD Arvex\\Payloads\\Arvex-Satellite Sat1\n"
            "  PAYLOAD Arvex\\Payloads\\Arvex-Satellite Sat2\n"
            "END\nEND_SHIPS\n",
            "cargo test");
        host = Sim().findVessel("Core1");
        Sim().step(0.25);
        return host->iface;
    }
    double SatelliteMass(const char* name) { return Sim().findVessel(name)->iface->GetMass(); }
    bool Aboard(const char* name) { return Sim().findVessel(name)->attachedTo() != nullptr; }
};

TEST_F(CoreCargoCommands, PayloadMassAndReleaseOfTheLastPayload) {
    VESSEL* core = NewLoadedCore();
    ASSERT_EQ(PayloadManager::GetPayloadsNumber(core), 2);
    EXPECT_DOUBLE_EQ(cmd->GetPayloadMass(core), SatelliteMass("Sat1") + SatelliteMass("Sat2"));
    EXPECT_GT(cmd->GetPayloadMass(core), 0.0);

    cmd->DetachLastPayload(core);  // the payload with the highest index
    EXPECT_EQ(PayloadManager::GetPayloadsNumber(core), 1);
    EXPECT_TRUE(Aboard("Sat1"));
    EXPECT_FALSE(Aboard("Sat2"));
    EXPECT_DOUBLE_EQ(cmd->GetPayloadMass(core), SatelliteMass("Sat1"));

    Sim().run(2.0, 0.25);  // past the detach interval
    Sim().setFocus(host);
    EXPECT_EQ(Sim().pressKey(OAPI_KEY_J, {OAPI_KEY_LCONTROL}), 1);  // as DetachLastPayload
    EXPECT_EQ(PayloadManager::GetPayloadsNumber(core), 0);
    EXPECT_EQ(cmd->GetPayloadMass(core), 0.0);

    cmd->DetachLastPayload(core);  // nothing left: nothing happens
    EXPECT_EQ(Sim().pressKey(OAPI_KEY_J, {OAPI_KEY_LCONTROL}), 1);
    EXPECT_EQ(Core(*host).boostersAttached, 1);
}

TEST_F(CoreCargoCommands, FairingVisibilityTogglesAndJettison) {
    VESSEL* core = NewLoadedCore();
    const UINT half = Core(*host).fairingMeshes[0];
    const WORD shown = host->meshes.at(half).visibility;
    ASSERT_NE(shown, MESHVIS_NEVER);

    cmd->ToggleFairingVisibility(core);
    EXPECT_EQ(host->meshes.at(half).visibility, MESHVIS_NEVER);
    cmd->ToggleFairingVisibility(core);
    EXPECT_EQ(host->meshes.at(half).visibility, MESHVIS_ALWAYS);

    cmd->JettisonFairing(core);
    EXPECT_EQ(Core(*host).fairingAttached, 0);
    EXPECT_NE(Sim().findVessel("Core1-Fairing1"), nullptr);
    EXPECT_NE(Sim().findVessel("Core1-Fairing2"), nullptr);
}

}  // namespace
