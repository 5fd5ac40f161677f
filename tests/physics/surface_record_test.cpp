// Signs and units of the surface-relative read-outs against the host's definitions.
#include <gtest/gtest.h>

#include "flight_fixtures.h"
#include "physics/surface_record.h"

namespace sim::physics {
namespace {

using testing::Attitude;
using testing::BodyAt;
using testing::kMjd;

struct AttitudeCase {
    const char* name;
    double heading, pitch, bank_right;       // as flown [deg]
    double want_pitch, want_bank, want_yaw;  // read-outs [deg]
};

// Difference of two angles [deg] folded into -180..180: a heading of 359.9999999 is north.
double AngleDiff(double a, double b) {
    return std::remainder(a - b, 360.0);
}

class AttitudeReadout : public ::testing::TestWithParam<AttitudeCase> {};

TEST_P(AttitudeReadout, MatchesHostSigns) {
    const AttitudeCase& c = GetParam();
    for (double lat : {0.0, 28.5, -60.0}) {
        const SurfaceRecord rec = FreeFlightRecord(
            BodyAt(-80.6, lat, 1000.0, Attitude(c.heading, c.pitch, c.bank_right)), kMjd);
        EXPECT_NEAR(rec.pitch * DEG, c.want_pitch, 1e-6) << c.name << " lat " << lat;
        EXPECT_NEAR(AngleDiff(rec.bank * DEG, c.want_bank), 0.0, 1e-6) << c.name << " lat " << lat;
        EXPECT_NEAR(AngleDiff(rec.heading * DEG, c.want_yaw), 0.0, 1e-6)
            << c.name << " lat " << lat;
        EXPECT_GE(rec.heading, 0.0);
        EXPECT_LT(rec.heading, PI2);
    }
}

INSTANTIATE_TEST_SUITE_P(Attitudes, AttitudeReadout,
                         ::testing::Values(AttitudeCase{"level north", 0, 0, 0, 0, 0, 0},
                                           AttitudeCase{"level east", 90, 0, 0, 0, 0, 90},
                                           AttitudeCase{"level south", 180, 0, 0, 0, 0, 180},
                                           AttitudeCase{"level west", 270, 0, 0, 0, 0, 270},
                                           AttitudeCase{"nose up", 45, 30, 0, 30, 0, 45},
                                           AttitudeCase{"nose down", 45, -30, 0, -30, 0, 45},
                                           // Right side low reads negative, left side low positive.
                                           AttitudeCase{"bank right", 0, 0, 20, 0, -20, 0},
                                           AttitudeCase{"bank left", 0, 0, -20, 0, 20, 0},
                                           AttitudeCase{"nearly inverted", 0, 0, 170, 0, -170, 0},
                                           AttitudeCase{"climbing turn", 120, 10, 15, 10, -15,
                                                        120}));

TEST(AttitudeReadout, VerticalNoseTakesHeadingFromBelly) {
    // Standing on its tail with the belly (-y) facing east, like a rocket on the pad.
    const MATRIX3 standing = FromColumns(_V(0, 0, 1), _V(-1, 0, 0), _V(0, 1, 0));
    const SurfaceRecord rec = FreeFlightRecord(BodyAt(0, 10, 100, standing), kMjd);
    EXPECT_NEAR(rec.pitch * DEG, 90.0, 1e-6);
    EXPECT_NEAR(rec.heading * DEG, 90.0, 1e-6);
    EXPECT_NEAR(rec.bank, 0.0, 1e-12);  // up lies along +z: bank undefined, reported as 0
}

TEST(AirData, AngleOfAttackAndSlipSigns) {
    struct Case {
        const char* name;
        double heading, pitch;       // attitude [deg]
        VECTOR3 path_H;              // flight path over ground (east, up, north) [m/s]
        double want_aoa, want_slip;  // [deg]
    };
    const Case cases[] = {
        {"nose above path", 0, 5, _V(0, 0, 200), 5, 0},
        {"nose below path", 0, -5, _V(0, 0, 200), -5, 0},
        {"nose right of path", 10, 0, _V(0, 0, 200), 0, 10},
        {"nose left of path", -10, 0, _V(0, 0, 200), 0, -10},
        {"descending level", 0, 0, _V(0, -200 * std::tan(8 * RAD), 200), 8, 0},
    };
    for (const Case& c : cases) {
        const SurfaceRecord rec =
            FreeFlightRecord(BodyAt(30, 45, 5000, Attitude(c.heading, c.pitch, 0), c.path_H), kMjd);
        EXPECT_NEAR(rec.aoa * DEG, c.want_aoa, 1e-6) << c.name;
        EXPECT_NEAR(rec.slip * DEG, c.want_slip, 1e-6) << c.name;
    }
}

TEST(AirData, SpeedsPressureAndMachFollowTheAirAtTheVessel) {
    const VECTOR3 path = _V(30, 40, 0);  // 50 m/s over ground
    const SurfaceRecord rec = FreeFlightRecord(BodyAt(10, 0, 0, Attitude(0, 0, 0), path), kMjd);
    EXPECT_NEAR(rec.groundspeed, 50.0, 1e-6);
    EXPECT_NEAR(rec.airspeed, 50.0, 1e-6);
    EXPECT_NEAR(rec.altitude, 0.0, 1e-6);
    EXPECT_TRUE(rec.in_atmosphere);
    EXPECT_NEAR(rec.dynamic_pressure, 0.5 * 1.2247 * 2500.0, 1e-3);
    EXPECT_NEAR(rec.mach, 50.0 / 340.21, 1e-4);
    // In horizon axes the air-speed vector is the path itself.
    const VECTOR3 h = mul(rec.L2H, tmul(rec.R_planet, rec.airspeed_N));
    EXPECT_NEAR(h.x, 30, 1e-6);
    EXPECT_NEAR(h.y, 40, 1e-6);
    EXPECT_NEAR(h.z, 0, 1e-6);
}

TEST(AirData, VesselRestingOnTheRotatingSurfaceHasNoAirspeed) {
    const RigidBody body = BodyAt(-80.6, 28.5, 10, Attitude(0, 0, 0));
    const SurfaceRecord rec = FreeFlightRecord(body, kMjd);
    EXPECT_NEAR(rec.groundspeed, 0.0, 1e-6);
    EXPECT_NEAR(rec.airspeed, 0.0, 1e-6);
    // ...although it moves east with the surface in the inertial frame.
    const VECTOR3 v_H = mul(rec.L2H, tmul(rec.R_planet, body.v_N));
    EXPECT_NEAR(v_H.x, earth::kRotationRate * (earth::kRadius + 10) * std::cos(28.5 * RAD), 1e-6);
    EXPECT_NEAR(v_H.y, 0.0, 1e-6);
    EXPECT_NEAR(v_H.z, 0.0, 1e-6);
}

TEST(AirData, OutsideTheAtmosphereAirDataAreZero) {
    const SurfaceRecord rec =
        FreeFlightRecord(BodyAt(0, 0, 3.0e6, Attitude(90, 0, 0), _V(7000, 0, 0)), kMjd);
    EXPECT_FALSE(rec.in_atmosphere);
    EXPECT_EQ(rec.dynamic_pressure, 0.0);
    EXPECT_EQ(rec.mach, 0.0);
    EXPECT_EQ(rec.air.pressure, 0.0);
    EXPECT_NEAR(rec.airspeed, 7000.0, 1e-6);  // still reported outside the atmosphere
}

TEST(HorizonFrame, VesselToHorizonRecoversTheAttitude) {
    const MATRIX3 attitude = Attitude(200, -12, 33);
    const RigidBody body = BodyAt(123, -45, 400e3, attitude);
    const SurfaceRecord rec = FreeFlightRecord(body, kMjd);
    const MATRIX3 back = VesselToHorizon(rec, body.R);
    for (int i = 0; i < 9; ++i) EXPECT_NEAR(back.data[i], attitude.data[i], 1e-9);
}

TEST(LandedReadout, PitchAndBankComeFromTheTouchdownPlane) {
    RigidBody body = BodyAt(0, 0, 15, Attitude(0, 90, 0));
    body.landed = true;
    body.surface.heading = 1.25;
    const SurfaceRecord upright = LandedRecord(body, kMjd, _V(0, 0, 1));
    EXPECT_NEAR(upright.pitch * DEG, 90.0, 1e-9);
    EXPECT_NEAR(upright.bank, 0.0, 1e-12);
    EXPECT_EQ(upright.heading, 1.25);
    EXPECT_EQ(upright.airspeed, 0.0);
    EXPECT_EQ(upright.dynamic_pressure, 0.0);
    const SurfaceRecord on_wheels = LandedRecord(body, kMjd, _V(0, 1, 0));
    EXPECT_NEAR(on_wheels.pitch, 0.0, 1e-12);
    EXPECT_NEAR(on_wheels.bank, 0.0, 1e-12);
}

}  // namespace
}  // namespace sim::physics
