#include "flight_computer.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "fake_guidance_vessel.h"

namespace {

constexpr std::array<THGROUP_TYPE, 6> kAttitudeGroups = {
    THGROUP_ATT_PITCHUP,  THGROUP_ATT_PITCHDOWN, THGROUP_ATT_YAWLEFT,
    THGROUP_ATT_YAWRIGHT, THGROUP_ATT_BANKLEFT,  THGROUP_ATT_BANKRIGHT};

class FlightComputerTest : public ::testing::Test {
  protected:
    // A fresh computer on a fresh fake, for each row of a table.
    void Reset() {
        auto fake = std::make_unique<FakeGuidanceVessel>();
        vessel = fake.get();
        fc = FlightComputer(std::move(fake));
    }

    // An engaged computer in the given phase, as after a scenario load in flight.
    void Engage(int phase) {
        fc.autopilotEngaged = 1;
        fc.phase = phase;
    }
    void ExpectAttitudeLevels(const std::array<double, 6>& expected) const {
        for (size_t i = 0; i < kAttitudeGroups.size(); ++i)
            EXPECT_NEAR(vessel->Level(kAttitudeGroups[i]), expected[i], 1e-9) << "group " << i;
    }

    FlightComputer fc{std::make_unique<FakeGuidanceVessel>()};
    FakeGuidanceVessel* vessel = static_cast<FakeGuidanceVessel*>(fc.vessel.get());
};

TEST_F(FlightComputerTest, StartsWithTheDocumentedValues) {
    EXPECT_EQ(fc.limiterActive, 0);
    EXPECT_EQ(fc.autopilotEngaged, 0);
    EXPECT_EQ(fc.targetApoapsis, 250000.0);
    EXPECT_EQ(fc.apoapsisWindowLow, 249000.0);
    EXPECT_EQ(fc.targetHeading, 90.0);
    EXPECT_EQ(fc.accelLimit, 35.0);
    EXPECT_EQ(fc.phase, 0);
    EXPECT_EQ(fc.pitchLoop.setpoint, 86.0);
    EXPECT_EQ(fc.pitchLoop.kp, 0.25);
    EXPECT_EQ(fc.pitchLoop.kd, 0.5);
    EXPECT_EQ(fc.yawLoop.kp, 0.25);
    EXPECT_EQ(fc.yawLoop.kd, 0.5);
    EXPECT_EQ(fc.bankLoop.kp, 0.5);
    EXPECT_EQ(fc.bankLoop.kd, 2.5);
    EXPECT_EQ(fc.bankLoop.ki, 0.0);
}

// Disengaged: the six attitude groups are zeroed on every step, in any phase, and the main
// throttle moves only by the limiter's trim.
TEST_F(FlightComputerTest, DisengagedStepZeroesAttitudeAndTrimsOnlyThroughTheLimiter) {
    struct Case {
        int limiter;
        int phase;
        double mainLevel;
        double airspeedAfter;  // from 100 m/s at the previous sample, over 0.5 s
        double expectedMain;
    };
    const Case cases[] = {
        {0, 0, 0.7, 200.0, 0.7},    // limiter off: throttle left alone
        {0, 3, 0.7, 200.0, 0.7},    // disengaged mid-flight: no loops either
        {1, 2, 0.0, 200.0, 0.0},    // limiter on, engine off: no sample
        {1, 2, 0.7, 200.0, 0.675},  // 200 m/s^2 > 35: throttle down by 0.05 * 0.5
        {1, 2, 0.7, 110.0, 0.725},  // 20 m/s^2: throttle up
        {1, 2, 0.7, 117.5, 0.725},  // exactly the limit raises the throttle
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "limiter " << c.limiter << " phase " << c.phase
                                        << " main " << c.mainLevel << " v " << c.airspeedAfter);
        Reset();
        fc.limiterActive = c.limiter;
        fc.phase = c.phase;
        fc.lastAirspeed = 100.0;
        vessel->levels.clear();
        vessel->levels[THGROUP_MAIN] = c.mainLevel;
        for (THGROUP_TYPE g : kAttitudeGroups) vessel->levels[g] = 0.3;
        vessel->airspeed = c.airspeedAfter;
        vessel->altitude = 30000.0;
        vessel->pitch = 0.5;

        fc.step(100.0, 0.5);

        EXPECT_DOUBLE_EQ(vessel->Level(THGROUP_MAIN), c.expectedMain);
        ExpectAttitudeLevels({0, 0, 0, 0, 0, 0});
        EXPECT_EQ(fc.phase, c.phase);
    }
}

TEST_F(FlightComputerTest, LimiterSamplesOnlyWhileTheEngineRuns) {
    fc.limiterActive = 1;
    fc.lastAirspeed = 40.0;
    vessel->airspeed = 90.0;
    fc.step(1.0, 0.1);
    EXPECT_EQ(fc.lastAirspeed, 40.0);
    EXPECT_EQ(fc.measuredAccel, 0.0);

    vessel->levels[THGROUP_MAIN] = 1.0;
    fc.step(1.1, 0.1);
    EXPECT_EQ(fc.lastAirspeed, 90.0);
    EXPECT_NEAR(fc.measuredAccel, 500.0, 1e-9);
}

TEST_F(FlightComputerTest, FirstEngagedStepLiftsOff) {
    Engage(0);
    fc.launchTime = 5.0;
    fc.step(20.0, 0.1);

    EXPECT_EQ(fc.phase, 1);
    EXPECT_EQ(fc.launchTime, 20.0);
    EXPECT_EQ(fc.missionElapsedTime, 15.0);  // still counted from the previous launch time
    EXPECT_EQ(fc.limiterActive, 1);
    EXPECT_EQ(vessel->Level(THGROUP_MAIN), 1.0);
    EXPECT_EQ(vessel->angularVel.x, 0.01);
    EXPECT_EQ(vessel->angularVel.y, 0.0);
    EXPECT_EQ(vessel->angularVel.z, 0.0);
    ExpectAttitudeLevels({0, 0, 0, 0, 0, 0});

    fc.step(21.5, 0.1);
    EXPECT_EQ(fc.missionElapsedTime, 1.5);
    EXPECT_EQ(fc.phase, 1);
}

// In the vertical rise only the bank groups work, on the heading error, from above 50 m.
TEST_F(FlightComputerTest, VerticalRiseRollsToTheAzimuthOnly) {
    struct Case {
        double altitude;
        double heading;  // [deg]
        std::array<double, 6> levels;
        int phaseAfter;
    };
    // Error 10 deg over 1 s: 0.5 * 10 + 2.5 * 10 = 30, clamped to the roll limit 1.5.
    // Error 0.1 deg: 0.05 + 0.25 = 0.3.
    const Case cases[] = {
        {30.0, 100.0, {0, 0, 0, 0, 0, 0}, 1},    {50.0, 100.0, {0, 0, 0, 0, 0, 0}, 1},
        {51.0, 100.0, {0, 0, 0, 0, 0, 1.5}, 1},  {51.0, 80.0, {0, 0, 0, 0, 1.5, 0}, 1},
        {1999.0, 90.1, {0, 0, 0, 0, 0, 0.3}, 1}, {2000.0, 89.9, {0, 0, 0, 0, 0.3, 0}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "altitude " << c.altitude << " heading " << c.heading);
        Reset();
        fc.bankLoop = PidLoop{.kp = 0.5, .kd = 2.5};
        Engage(1);
        vessel->altitude = c.altitude;
        vessel->pitch = 1.5;  // far off any pitch setpoint: pitch groups must stay at 0
        vessel->SetUprightHeading(c.heading);
        fc.step(10.0, 1.0);
        ExpectAttitudeLevels(c.levels);
        EXPECT_EQ(fc.phase, c.phaseAfter);
    }
}

TEST_F(FlightComputerTest, LeavingTheVerticalRiseDropsTheRollCommand) {
    Engage(1);
    vessel->altitude = 2000.5;
    vessel->apoapsis = 1000.0;
    vessel->SetUprightHeading(120.0);
    vessel->pitch = 87.0 * kRadPerDeg;
    fc.step(10.0, 1.0);

    EXPECT_EQ(fc.phase, 2);
    EXPECT_EQ(vessel->Level(THGROUP_ATT_BANKLEFT), 0.0);
    EXPECT_EQ(vessel->Level(THGROUP_ATT_BANKRIGHT), 0.0);
    EXPECT_NE(fc.bankLoop.error, 0.0);  // the roll loop ran before the phase changed
    // The pitch program is already served in this step: 90 - 0.001432 * 2000.5 deg.
    EXPECT_NEAR(fc.pitchLoop.setpoint, 87.135284, 1e-9);
    EXPECT_GT(vessel->Level(THGROUP_ATT_PITCHUP), 0.0);
}

TEST_F(FlightComputerTest, PitchProgramSetpoints) {
    struct Case {
        double altitude;
        double setpoint;
    };
    const Case cases[] = {
        {2000.0, 86.0},  // not above 2000 m: the setpoint stays where it was
        {2000.001, 87.136}, {10000.0, 75.68}, {50000.0, 18.4},
        {61103.0, 2.5},     {61200.0, 2.5},   {150000.0, 2.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "altitude " << c.altitude);
        Reset();
        Engage(2);
        vessel->altitude = c.altitude;
        vessel->apoapsis = 100000.0;
        fc.step(100.0, 0.1);
        EXPECT_NEAR(fc.pitchLoop.setpoint, c.setpoint, 1e-3);
        EXPECT_EQ(fc.phase, 2);
    }
}

TEST_F(FlightComputerTest, TargetAlreadyExceededCutsTheEngineOnEnteringThePitchProgram) {
    Engage(1);
    vessel->levels[THGROUP_MAIN] = 1.0;
    vessel->altitude = 2100.0;
    vessel->apoapsis = 250000.0;  // equal to the target counts as reached
    fc.step(60.0, 0.1);

    EXPECT_EQ(fc.phase, 3);
    EXPECT_EQ(vessel->Level(THGROUP_MAIN), 0.0);
    EXPECT_EQ(fc.pitchLoop.setpoint, 0.0);
}

TEST_F(FlightComputerTest, ReachingTheApoapsisStartsCircularisation) {
    Engage(3);
    fc.limiterActive = 0;
    vessel->altitude = 251234.0;
    vessel->apoapsis = 251234.0;
    vessel->periapsis = 100000.0;
    vessel->horizonAirspeed = _V(7000.0, 12.0, 0.0);
    fc.step(400.0, 0.1);

    EXPECT_EQ(fc.phase, 4);
    EXPECT_EQ(vessel->timeAcceleration, 1.0);
    EXPECT_EQ(fc.accelLimit, 19.6);
    EXPECT_EQ(vessel->Level(THGROUP_MAIN), 0.125);
    EXPECT_EQ(fc.targetApoapsis, 251234.0);
    EXPECT_EQ(fc.apoapsisWindowLow, 250234.0);
    // Circularisation is served in the same step: nose below the horizon while climbing.
    EXPECT_NEAR(fc.pitchLoop.setpoint, -1.2, 1e-12);
    EXPECT_EQ(fc.autopilotEngaged, 1);
}

TEST_F(FlightComputerTest, CoastHoldsTheNoseLevelInsideTheApoapsisWindow) {
    Engage(3);
    fc.pitchLoop.setpoint = 5.0;
    vessel->altitude = 249000.0;
    vessel->apoapsis = 250500.0;
    fc.step(300.0, 0.1);
    EXPECT_EQ(fc.phase, 3);
    EXPECT_EQ(fc.pitchLoop.setpoint, 0.0);
}

TEST_F(FlightComputerTest, CircularisationCutOff) {
    struct Case {
        double periapsis;
        double apoapsis;
        bool cutOff;
    };
    const Case cases[] = {
        {249000.0, 250500.0, true},  // periapsis within 1000 m of the target
        {200000.0, 251000.0, true},  // apoapsis 1000 m beyond the target
        {248999.0, 250999.0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "pe " << c.periapsis << " ap " << c.apoapsis);
        Reset();
        Engage(4);
        fc.limiterActive = 1;
        fc.accelLimit = 19.6;
        vessel->levels[THGROUP_MAIN] = 0.125;
        vessel->altitude = 250000.0;
        vessel->periapsis = c.periapsis;
        vessel->apoapsis = c.apoapsis;
        vessel->pitch = 0.1;
        fc.step(500.0, 0.1);

        if (c.cutOff) {
            EXPECT_EQ(fc.phase, 0);
            EXPECT_EQ(fc.autopilotEngaged, 0);
            EXPECT_EQ(fc.limiterActive, 0);
            EXPECT_EQ(fc.accelLimit, 44.1);
            EXPECT_EQ(vessel->Level(THGROUP_MAIN), 0.0);
            ExpectAttitudeLevels({0, 0, 0, 0, 0, 0});  // idle again: no attitude loops
        } else {
            EXPECT_EQ(fc.phase, 4);
            EXPECT_EQ(fc.autopilotEngaged, 1);
            EXPECT_GT(vessel->Level(THGROUP_ATT_PITCHDOWN), 0.0);
        }
    }
}

// Above 2500 m the yaw loop steers to the azimuth in the pitch program and to zero slip later;
// the bank loop holds the wings level in radians with limit 1.
TEST_F(FlightComputerTest, YawAndWingsLevelAboveTheHoldAltitude) {
    struct Case {
        int phase;
        double altitude;
        std::array<double, 6> levels;
    };
    // Pitch on its setpoint; yaw 91 deg (error +1 deg in phase 2), slip -2 deg, bank -0.1 rad.
    // Over 1 s: yaw 0.25 * 1 + 0.5 * 1 = 0.75 -> 0.5 (left); slip 0.25 * -2 + 0.5 * -2 = -1.5
    // -> -0.5 (right); bank 0.5 * -0.1 + 2.5 * -0.1 = -0.3 (left).
    const Case cases[] = {
        {2, 2500.0, {0, 0, 0, 0, 0, 0}},
        {2, 2501.0, {0, 0, 0.5, 0, 0.3, 0}},
        {3, 2501.0, {0, 0, 0, 0.5, 0.3, 0}},
        {4, 2501.0, {0, 0, 0, 0.5, 0.3, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "phase " << c.phase << " altitude " << c.altitude);
        Reset();
        Engage(c.phase);
        fc.pitchLoop.setpoint = 0.0;
        vessel->altitude = c.altitude;
        vessel->apoapsis = 1e6;  // far above: neither cut-off nor phase change
        fc.targetApoapsis = 2e6;
        fc.apoapsisWindowLow = 2e6 - 1000.0;
        vessel->periapsis = -1e6;
        vessel->yaw = 91.0 * kRadPerDeg;
        vessel->slip = -2.0 * kRadPerDeg;
        vessel->bank = -0.1;
        // Keep the phase-2 pitch program out of the picture.
        vessel->pitch = (90.0 - 0.001432 * c.altitude) * kRadPerDeg;
        if (c.phase != 2) vessel->pitch = 0.0;
        fc.step(100.0, 1.0);
        EXPECT_EQ(fc.phase, c.phase);
        ExpectAttitudeLevels(c.levels);
    }
}

// A step of zero length has no acceleration sample and no loop update; the loops hold their
// last output and nothing becomes infinite or NaN.
TEST_F(FlightComputerTest, ZeroLengthStepHoldsTheLoopsAndTheThrottle) {
    Engage(2);
    fc.limiterActive = 1;
    fc.targetApoapsis = 1e6;
    vessel->levels[THGROUP_MAIN] = 0.8;
    vessel->altitude = 30000.0;
    vessel->apoapsis = 90000.0;
    vessel->airspeed = 900.0;
    vessel->pitch = 0.7;
    vessel->yaw = 95.0 * kRadPerDeg;
    vessel->bank = 0.05;
    fc.step(100.0, 0.1);
    const PidLoop pitchBefore = fc.pitchLoop;
    const double pitchDown = vessel->Level(THGROUP_ATT_PITCHDOWN);
    const double yawLeft = vessel->Level(THGROUP_ATT_YAWLEFT);
    const double bankRight = vessel->Level(THGROUP_ATT_BANKRIGHT);
    const double main = vessel->Level(THGROUP_MAIN);
    const double accel = fc.measuredAccel;

    vessel->airspeed = 1000.0;
    vessel->pitch = 0.2;
    fc.step(100.0, 0.0);

    EXPECT_EQ(fc.measuredAccel, accel);
    EXPECT_EQ(fc.lastAirspeed, 900.0);
    EXPECT_EQ(vessel->Level(THGROUP_MAIN), main);
    EXPECT_EQ(fc.pitchLoop.error, pitchBefore.error);
    EXPECT_EQ(fc.pitchLoop.integral, pitchBefore.integral);
    EXPECT_EQ(fc.pitchLoop.derivative, pitchBefore.derivative);
    EXPECT_EQ(vessel->Level(THGROUP_ATT_PITCHDOWN), pitchDown);
    EXPECT_EQ(vessel->Level(THGROUP_ATT_YAWLEFT), yawLeft);
    EXPECT_EQ(vessel->Level(THGROUP_ATT_BANKRIGHT), bankRight);
    for (THGROUP_TYPE g : kAttitudeGroups) EXPECT_TRUE(std::isfinite(vessel->Level(g)));
}

TEST(PidLoopTest, UpdateClampsAndKeepsHistory) {
    PidLoop loop{.kp = 0.25, .ki = 0.1, .kd = 0.5};
    EXPECT_DOUBLE_EQ(loop.Update(0.4, 1.0, 0.5), 0.25 * 0.4 + 0.1 * 0.4 + 0.5 * 0.4);
    EXPECT_EQ(loop.previousError, 0.4);
    EXPECT_DOUBLE_EQ(loop.integral, 0.4);
    EXPECT_DOUBLE_EQ(loop.Update(0.4, 2.0, 0.5), 0.25 * 0.4 + 0.1 * 1.2);
    EXPECT_EQ(loop.derivative, 0.0);
    EXPECT_EQ(loop.Update(-100.0, 1.0, 0.5), -0.5);
    EXPECT_EQ(loop.output, -0.5);
    EXPECT_EQ(loop.Update(100.0, 1.0, 0.5), 0.5);
}

// Up to 85 degrees of pitch the nose gives the heading; above, the +y axis does.
TEST(CurrentHeadingTest, UsesTheNoseUpToEightyFiveDegreesOfPitch) {
    struct Case {
        double pitchDeg;
        double heading;
    };
    const Case cases[] = {{10.0, 123.0}, {85.0, 123.0}, {85.001, 250.0}, {90.0, 250.0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "pitch " << c.pitchDeg);
        FakeGuidanceVessel vessel;
        vessel.pitch = c.pitchDeg / kDegPerRad;
        ASSERT_EQ(vessel.pitch * kDegPerRad, c.pitchDeg);
        vessel.yaw = 123.0 * kRadPerDeg;
        vessel.SetUprightHeading(250.0);
        EXPECT_NEAR(CurrentHeading(vessel), c.heading, 1e-9);
    }
}
}  // namespace
