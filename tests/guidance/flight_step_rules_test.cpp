#include "flight_step_rules.h"

#include <gtest/gtest.h>

namespace {

using namespace flight_rules;

TEST(FlightStepRulesTest, FairingGoesOnlyInsideTheStrictWindow) {
    struct Case {
        double altitude, dynPressure;
        bool jettison;
    };
    const Case cases[] = {
        {1000.0, 50.0, false},   {1000.001, 50.0, true},  {99999.9, 50.0, true},
        {100000.0, 50.0, false}, {50000.0, 100.0, false}, {50000.0, 99.999, true},
        {500.0, 0.0, false},     {150000.0, 0.0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FairingJettisonWindow(c.altitude, c.dynPressure), c.jettison)
            << c.altitude << " m, " << c.dynPressure << " Pa";
}

TEST(FlightStepRulesTest, VapourAndSmokeBands) {
    struct MachCase {
        double mach;
        bool vapour;
    };
    for (const MachCase& c : {MachCase{0.99, false},
                              {1.0, false},
                              {1.02, true},
                              {1.0499, true},
                              {1.05, false},
                              {2.0, false}})
        EXPECT_EQ(ShockVapourBand(c.mach), c.vapour) << "Mach " << c.mach;

    struct AltitudeCase {
        double altitude;
        bool smoke;
    };
    for (const AltitudeCase& c : {AltitudeCase{9999.9, false},
                                  {10000.0, true},
                                  {17000.0, true},
                                  {24000.0, true},
                                  {24000.1, false}})
        EXPECT_EQ(BoosterSmokeBand(c.altitude), c.smoke) << c.altitude << " m";
}

// Rises at 0.25/s at full throttle, decays at 0.15/s, and overshoots a bound by at most one
// step before coming back to it.
TEST(FlightStepRulesTest, EngineGlowSequences) {
    struct Case {
        float glow;
        double mainLevel;
        float expected[2];  // after one and after two steps of 0.1 s
    };
    const Case cases[] = {
        {0.0f, 1.0, {0.025f, 0.05f}},
        {0.0f, 0.5, {0.0125f, 0.025f}},
        {0.99f, 1.0, {static_cast<float>(0.99f + 0.025), 1.0f}},
        {1.0f, 1.0, {static_cast<float>(1.0f + 0.025), 1.0f}},
        {0.01f, 0.0, {static_cast<float>(0.01f - 0.015), 0.0f}},
        {0.0f, 0.0, {0.0f, 0.0f}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "glow " << c.glow << " level " << c.mainLevel);
        const float once = NextEngineGlow(c.glow, c.mainLevel, 0.1);
        EXPECT_FLOAT_EQ(once, c.expected[0]);
        EXPECT_FLOAT_EQ(NextEngineGlow(once, c.mainLevel, 0.1), c.expected[1]);
    }
    EXPECT_NEAR(NextEngineGlow(0.99f, 1.0, 0.1), 1.015f, 1e-6);
    EXPECT_NEAR(NextEngineGlow(0.01f, 0.0, 0.1), -0.005f, 1e-6);
}

TEST(FlightStepRulesTest, GimballedEngineDirections) {
    constexpr double kGimbal = 0.06981317;  // 4 degrees [rad]
    struct Case {
        const char* input;
        double pitch, yaw, bank;
        VECTOR3 engine0, engine1;
    };
    const Case cases[] = {
        {"none", 0, 0, 0, _V(0, 0, 1), _V(0, 0, 1)},
        {"pitch down", kGimbal, 0, 0, _V(0, 0.0748424, 0.9971954), _V(0, 0.0748424, 0.9971954)},
        {"bank right", 0, 0, kGimbal, _V(0, -0.0748424, 0.9971954), _V(0, 0.0748424, 0.9971954)},
        {"yaw left", 0, kGimbal, 0, _V(0.0696437, 0, 0.9975719), _V(0.0696437, 0, 0.9975719)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        const auto dirs = GimballedEngineDirections(c.pitch, c.yaw, c.bank);
        const VECTOR3 expected[2] = {c.engine0, c.engine1};
        for (int e = 0; e < 2; ++e)
            for (int i = 0; i < 3; ++i)
                EXPECT_NEAR(dirs[e].data[i], expected[e].data[i], 5e-8) << "engine " << e;
    }
}

}  // namespace
