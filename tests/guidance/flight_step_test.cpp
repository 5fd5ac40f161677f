// The core vessel's frame steps on a core vessel loaded from the built module and flown by the
// host: booster throttle, burnout and smoke, the automatic fairing jettison, the engine glow on
// the visual, thrust-vector control from the attitude input and the one-time notification of
// payloads offering the XR vessel control interface.
#include <dlfcn.h>

#include <cmath>

#include "core_tree.h"
#include "flight_computer.h"

namespace {

constexpr double kFrame = 0.1;              // [s]
constexpr double kEarthRadius = 6.37101e6;  // mean radius, the altitude datum [m]
constexpr double kEarthMu = 3.98600440e14;  // [m^3/s^2]

class CoreFlightStep : public coretest::CoreTree {
  protected:
    CoreFlightStep() {
        Write("Arvex_Prefs.ini",
              "[Fairing1]\nName = Short\nMesh = Arvex\\Fairings\\short\n"
              "Mass = 1000\n");
    }

    // A core vessel in a circular orbit at the given altitude, nose along the flight path.
    sim::HostVessel& CoreAt(double altitude, const std::string& items = "") {
        VESSELSTATUS vs = FreeFlight();
        const double r = kEarthRadius + altitude;
        vs.rpos = _V(r, 0, 0);
        vs.rvel = _V(0, 0, std::sqrt(kEarthMu / r));
        return Sim().createVessel("Core" + std::to_string(++count), CoreClass("Step", items), vs);
    }

    int count = 0;
};

TEST_F(CoreFlightStep, BoostersFollowTheMainThrottleAndSmokeInTheirBand) {
    struct Case {
        double altitude, mainLevel, smoke;
    };
    const Case cases[] = {{15000.0, 0.6, 0.6}, {30000.0, 0.6, 0.0}, {15000.0, 0.0, 0.0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.altitude << " m, level " << c.mainLevel);
        sim::HostVessel& host = CoreAt(c.altitude);
        Arvex& core = Core(host);
        core.SetThrusterGroupLevel(THGROUP_MAIN, c.mainLevel);
        Sim().step(kFrame);
        EXPECT_EQ(static_cast<const sim::ThrusterRecord*>(core.boosterEngine)->permanentLevel,
                  c.mainLevel);
        EXPECT_DOUBLE_EQ(core.boosterSmokeLevel, c.smoke);
    }
}

TEST_F(CoreFlightStep, EmptyBoosterTankSeparatesTheBoostersInThatPreStep) {
    struct Case {
        double remainder;  // [kg]
        int attached;
    };
    for (const Case& c : {Case{0.0, 0}, {0.001, 1}}) {
        SCOPED_TRACE(c.remainder);
        Arvex& core = Core(CoreAt(629000.0));
        core.SetPropellantMass(core.boosterTank, c.remainder);
        Sim().step(kFrame);
        EXPECT_EQ(core.boostersAttached, c.attached);
        EXPECT_EQ(core.boosterSmokeLevel, 0.0);
    }
}

TEST_F(CoreFlightStep, FairingGoesByItselfOnlyInThinAir) {
    struct Case {
        double altitude;  // [m]
        const char* items;
        int attachedAfter;
    };
    const Case cases[] = {
        {99000.0, "Fairing = 1\n", 0},   // orbital speed, yet hardly any dynamic pressure
        {100500.0, "Fairing = 1\n", 1},  // above the window
        {60000.0, "Fairing = 1\n", 1},   // orbital speed in denser air: q far above 100 Pa
        {99000.0, "", 1},                // no fairing fitted
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.altitude << " m " << c.items);
        Arvex& core = Core(CoreAt(c.altitude, c.items));
        Sim().step(kFrame);
        EXPECT_EQ(core.fairingAttached, c.attachedAfter);
    }
}

TEST_F(CoreFlightStep, EngineGlowReachesTheCoreMeshMaterial) {
    sim::HostVessel& host = CoreAt(629000.0);
    Arvex& core = Core(host);
    Sim().createVisual(host);
    ASSERT_NE(core.coreDevMesh, nullptr);
    const auto* devMesh = reinterpret_cast<const sim::DevMeshRecord*>(core.coreDevMesh);

    core.SetThrusterGroupLevel(THGROUP_MAIN, 1.0);
    Sim().step(kFrame);
    EXPECT_FLOAT_EQ(core.engineGlow, 0.025f);
    const MATERIAL& glow = devMesh->materials.at(core.glowMaterial);
    EXPECT_FLOAT_EQ(glow.emissive.r, 0.025f);
    EXPECT_FLOAT_EQ(glow.emissive.g, 0.025f * 0.16666667f);
    EXPECT_EQ(glow.emissive.b, 0.0f);
    EXPECT_EQ(glow.emissive.a, 1.0f);

    core.SetThrusterGroupLevel(THGROUP_MAIN, 0.0);
    Sim().step(kFrame);
    EXPECT_FLOAT_EQ(core.engineGlow, static_cast<float>(0.025f - 0.015));

    // Without a visual the glow still follows the throttle; nothing is written anywhere.
    Sim().destroyVisual(host);
    EXPECT_EQ(core.coreDevMesh, nullptr);
    Sim().step(kFrame);
    EXPECT_FLOAT_EQ(core.engineGlow,
                    static_cast<float>(static_cast<float>(0.025f - 0.015) - 0.015));
}

// The pilot's attitude input (one-step levels on the attitude groups, as the host's controls
// give them) gimbals the two main engines in the same frame.
TEST_F(CoreFlightStep, AttitudeInputGimbalsTheMainEngines) {
    struct Case {
        THGROUP_TYPE group;
        VECTOR3 engine0, engine1;
    };
    const Case cases[] = {
        {THGROUP_ATT_PITCHDOWN, _V(0, 0.0748424, 0.9971954), _V(0, 0.0748424, 0.9971954)},
        // Pitch-up input lengthens the z component: 1 - (b + p) with p < 0.
        {THGROUP_ATT_PITCHUP, _V(0, -0.0651188, 0.9978775), _V(0, -0.0651188, 0.9978775)},
        {THGROUP_ATT_BANKRIGHT, _V(0, -0.0748424, 0.9971954), _V(0, 0.0748424, 0.9971954)},
        {THGROUP_ATT_YAWLEFT, _V(0.0696437, 0, 0.9975719), _V(0.0696437, 0, 0.9975719)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.group);
        Arvex& core = Core(CoreAt(629000.0));
        core.IncThrusterGroupLevel_SingleStep(c.group, 1.0);
        Sim().step(kFrame);
        const auto* engine0 = static_cast<const sim::ThrusterRecord*>(core.mainEngines[0]);
        const auto* engine1 = static_cast<const sim::ThrusterRecord*>(core.mainEngines[1]);
        EXPECT_TRUE(coretest::Near(engine0->dir, c.engine0, 5e-8));
        EXPECT_TRUE(coretest::Near(engine1->dir, c.engine1, 5e-8));

        // Without input the engines point straight back along the axis again.
        Sim().step(kFrame);
        EXPECT_TRUE(coretest::Near(engine0->dir, _V(0, 0, 1)));
        EXPECT_TRUE(coretest::Near(engine1->dir, _V(0, 0, 1)));
    }
}

// Payloads are notified once, and only those whose module exports a set XR flag, at the
// ninth own operation of their class.
TEST_F(CoreFlightStep, XrPayloadsAreNotifiedOnce) {
    Write("Config/GuidanceTest/XrTestPayload.cfg", "Module = GuidanceTest\\XrTestPayload\n");
    Write("Config/Arvex/Payloads/Arvex-Satellite.cfg", "Module = Arvex\\Arvex-Satellite\n");
    CoreClass("Carrier");
    Sim().loadScenarioText(
        "BEGIN_ENVIRONMENT\n  System Sol\n  Date MJD 51544.5\nEND_ENVIRONMENT\n"
        "BEGIN_SHIPS\n"
        "Core1:CoreTest\\Carrier\n"
        "  STATUS Orbiting Earth\n"
        "  RPOS 7000000.000 0.000 0.000\n"
        "  RVEL 0.0000 0.0000 7546.0000\n"
        "  PAYLOAD GuidanceTest\\XrTestPayload Xr1\n"
        "  PAYLOAD Arvex\\Payloads\\Arvex-Satellite Sat1\n"
        "  PAYLOAD GuidanceTest\\XrTestPayload Xr2\n"
        "END\nEND_SHIPS\n",
        "xr test");
    Arvex& core = Core(*Sim().findVessel("Core1"));

    // The payloads are created and attached in the pre-step, notified in the post-step.
    Sim().step(kFrame);
    void* module =
        dlopen((root / "Modules/GuidanceTest/XrTestPayload.so").c_str(), RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(module, nullptr) << "the host has not loaded the payload module";
    auto counts = reinterpret_cast<const int* (*)()>(dlsym(module, "XrTestPayloadCallCounts"))();
    char* flag = static_cast<char*>(dlsym(module, "XRVesselCtrlFlag"));
    ASSERT_EQ(PayloadManager::GetPayloadsNumber(&core), 3);
    EXPECT_EQ(counts[8], 2);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(counts[i], 0) << "own operation " << i;
    EXPECT_FALSE(core.xrNotifyPending);

    Sim().step(kFrame);
    EXPECT_EQ(counts[8], 2);

    // Set again (as moving the touchdown points does), a cleared flag skips the payloads.
    *flag = 0;
    core.xrNotifyPending = true;
    Sim().step(kFrame);
    EXPECT_EQ(counts[8], 2);
    EXPECT_FALSE(core.xrNotifyPending);
    *flag = 1;
    dlclose(module);
}

}  // namespace
