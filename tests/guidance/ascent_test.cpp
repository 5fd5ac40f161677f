// A whole ascent flown by the autopilot on the host's physics, from the pad at 28.5 degrees
// north to orbit: the guidance phases with their transitions, and the flight step's effects
// along the way (shock vapour, booster smoke, burnout separation, fairing jettison, engine glow,
// engine gimbal).
#include <cmath>
#include <vector>

#include "core_tree.h"
#include "flight_computer.h"
#include "flight_step_rules.h"

namespace {

constexpr double kFrame = 0.1;                          // [s]
constexpr double kAltitudeReferenceRadius = 6371026.0;  // apoapsis/periapsis datum [m]

// What the vessel reports at the end of a frame, which is what the next frame's pre-step sees.
struct Readouts {
    double altitude, mach, dynPressure, mainLevel, apoapsis, periapsis;
};

class Ascent : public coretest::CoreTree {
  protected:
    Ascent() {
        Write("Arvex_Prefs.ini",
              "[Fairing1]\nName = Short\nMesh = Arvex\\Fairings\\short\n"
              "Mass = 1000\n");
    }

    static Readouts Read(Arvex& core) {
        double ap = 0.0, pe = 0.0;
        core.GetApDist(ap);
        core.GetPeDist(pe);
        return {core.GetAltitude(),
                core.GetMachNumber(),
                core.GetDynPressure(),
                core.GetThrusterGroupLevel(THGROUP_MAIN),
                ap - kAltitudeReferenceRadius,
                pe - kAltitudeReferenceRadius};
    }
};

TEST_F(Ascent, AutopilotFliesFromThePadToOrbit) {
    VESSELSTATUS pad{};
    pad.rbody = Sim().earth();
    pad.status = 1;
    pad.vdata[0] = _V(-80.6 * RAD, 28.5 * RAD, 90.0 * RAD);
    sim::HostVessel& host = Sim().createVessel("Arvex1", CoreClass("Ascent", "Fairing = 1\n"), pad);
    Arvex& core = Core(host);
    const FlightComputer& fc = *core.flightComputer;
    Sim().setFocus(&host);
    Sim().setTimeAcceleration(10.0);
    ASSERT_EQ(Sim().pressKey(OAPI_KEY_L, {OAPI_KEY_LCONTROL}), 1);

    Sim().step(kFrame);
    EXPECT_EQ(fc.phase, 1);
    EXPECT_EQ(fc.launchTime, Sim().time());
    EXPECT_EQ(fc.limiterActive, 1);
    EXPECT_EQ(core.GetThrusterGroupLevel(THGROUP_MAIN), 1.0);

    std::vector<int> phases = {1};
    bool sawVapour = false, sawSmoke = false, sawGimbal = false, sawFullGlow = false;
    Readouts before = Read(core);
    int boostersBefore = 1, fairingBefore = 1;
    while (fc.autopilotEngaged == 1 && Sim().time() < 2000.0) {
        Sim().step(kFrame);
        const Readouts now = Read(core);
        SCOPED_TRACE(testing::Message() << "t = " << Sim().time() << " s, phase " << fc.phase);

        if (fc.phase != phases.back()) {
            phases.push_back(fc.phase);
            switch (fc.phase) {
                case 2:
                    EXPECT_GT(now.altitude, 2000.0);
                    break;
                case 3:  // main engine cut-off once the apoapsis reached the target
                    EXPECT_GE(now.apoapsis, 250000.0);
                    EXPECT_EQ(now.mainLevel, 0.0);
                    break;
                case 4:  // at the apoapsis: circularisation at reduced thrust
                    EXPECT_EQ(fc.targetApoapsis, now.apoapsis);
                    EXPECT_EQ(fc.apoapsisWindowLow, now.apoapsis - 1000.0);
                    EXPECT_EQ(fc.accelLimit, 19.6);
                    EXPECT_EQ(Sim().timeAcceleration(), 1.0);
                    break;
            }
        }
        // The pre-step decided on the read-outs the previous frame ended with.
        const bool transonic = flight_rules::ShockVapourBand(before.mach);
        EXPECT_EQ(core.coreVapourLevel, transonic ? 1.0 : 0.0);
        EXPECT_EQ(core.boosterVapourLevel, transonic && core.boostersAttached == 1 ? 1.0 : 0.0);
        sawVapour |= transonic;
        if (boostersBefore == 1) {
            const bool smoke = flight_rules::BoosterSmokeBand(before.altitude);
            EXPECT_EQ(core.boosterSmokeLevel, smoke ? before.mainLevel : 0.0);
            sawSmoke |= smoke && before.mainLevel > 0.0;
        }
        if (boostersBefore == 1 && core.boostersAttached == 0) {
            EXPECT_EQ(core.boosterTank, nullptr);  // burnt out, not separated early
            EXPECT_NE(Sim().findVessel("Arvex1-LRB4"), nullptr);
        }
        if (fairingBefore == 1 && core.fairingAttached == 0) {
            EXPECT_TRUE(flight_rules::FairingJettisonWindow(before.altitude, before.dynPressure));
            EXPECT_NE(Sim().findVessel("Arvex1-Fairing2"), nullptr);
        }
        const auto* engine = static_cast<const sim::ThrusterRecord*>(core.mainEngines[0]);
        sawGimbal |= engine->dir.y != 0.0;
        sawFullGlow |= core.engineGlow >= 1.0f;
        boostersBefore = core.boostersAttached;
        fairingBefore = core.fairingAttached;
        before = now;
    }

    EXPECT_EQ(phases, (std::vector<int>{1, 2, 3, 4, 0}));
    EXPECT_TRUE(sawVapour);
    EXPECT_TRUE(sawSmoke);
    EXPECT_TRUE(sawGimbal);
    EXPECT_TRUE(sawFullGlow);
    EXPECT_EQ(core.boostersAttached, 0);
    EXPECT_EQ(core.fairingAttached, 0);

    // Disengaged by itself, in orbit.
    EXPECT_EQ(fc.autopilotEngaged, 0);
    EXPECT_EQ(fc.limiterActive, 0);
    EXPECT_EQ(fc.accelLimit, 44.1);
    EXPECT_EQ(core.GetThrusterGroupLevel(THGROUP_MAIN), 0.0);
    const Readouts orbit = Read(core);
    EXPECT_GT(orbit.periapsis, 150000.0);
    EXPECT_LT(orbit.apoapsis, fc.targetApoapsis + 2000.0);
    EXPECT_EQ(core.GetMissionTime(), static_cast<int>(Sim().time() - fc.launchTime));
}

}  // namespace
