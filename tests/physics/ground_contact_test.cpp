// Touchdown points, the landed state, lift-off and coming to rest on the ground.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "flight_fixtures.h"
#include "physics/ground_contact.h"
#include "physics/motion_step.h"
#include "physics/surface_record.h"

namespace sim::physics {
namespace {

using testing::Attitude;
using testing::BodyAt;
using testing::kMjd;

constexpr double kDt = 0.1;                   // frame [s]
constexpr double kFrameDays = kDt / 86400.0;  // frame [days]

std::vector<TOUCHDOWNVTX> Hull(const VECTOR3& p1, const VECTOR3& p2, const VECTOR3& p3) {
    return {{p1, 1e6, 1e5, 0.5, 0.1}, {p2, 1e6, 1e5, 0.5, 0.1}, {p3, 1e6, 1e5, 0.5, 0.1}};
}
// A rocket standing on its tail: the plane 15 m below the centre of gravity, front point on -y.
const std::vector<TOUCHDOWNVTX> kStanding =
    Hull(_V(0, -400, -15), _V(-400, 400, -15), _V(400, 400, -15));
// A body lying on its belly, like a spent booster.
const std::vector<TOUCHDOWNVTX> kLying = Hull(_V(0, -2, 12), _V(-1, -2, -1.5), _V(1, -2, -1.5));

const MassProperties kRocket{1.0e6, _V(136, 136, 6)};

TEST(Touchdown, PlaneNormalForwardDirectionAndElevation) {
    const TouchdownFrame standing = TouchdownGeometry(kStanding);
    EXPECT_NEAR(length(standing.up_B - _V(0, 0, 1)), 0.0, 1e-12);
    EXPECT_NEAR(length(standing.forward_B - _V(0, -1, 0)), 0.0, 1e-12);
    EXPECT_NEAR(standing.cog_elevation, 15.0, 1e-12);
    const TouchdownFrame lying = TouchdownGeometry(kLying);
    EXPECT_NEAR(length(lying.up_B - _V(0, 1, 0)), 0.0, 1e-12);
    EXPECT_NEAR(length(lying.forward_B - _V(0, 0, 1)), 0.0, 1e-12);
    EXPECT_NEAR(lying.cog_elevation, 2.0, 1e-12);
}

TEST(Landed, StandsUprightAndTurnsWithTheEarth) {
    RigidBody body;
    PlaceLanded(body, kStanding, -80.6 * RAD, 28.5 * RAD, 90 * RAD, kMjd);
    double mjd = kMjd;
    for (int i = 0; i < 600; ++i, mjd += kFrameDays)
        AdvanceMotion(body, {{}, kRocket}, kStanding, mjd, kDt);
    EXPECT_TRUE(body.landed);
    EXPECT_TRUE(body.in_contact);
    const SurfaceRecord rec = FreeFlightRecord(body, mjd);
    EXPECT_NEAR(rec.position.longitude * DEG, -80.6, 1e-9);
    EXPECT_NEAR(rec.position.latitude * DEG, 28.5, 1e-9);
    EXPECT_NEAR(rec.altitude, 15.0, 1e-6);
    EXPECT_NEAR(rec.pitch * DEG, 90.0, 1e-6);    // nose straight up...
    EXPECT_NEAR(rec.heading * DEG, 90.0, 1e-6);  // ...with its belly (-y) to the east
    EXPECT_NEAR(rec.groundspeed, 0.0, 1e-6);
}

// Thrust along the nose of the standing rocket, weight 9.8e6 N.
MotionInputs Thrust(double newtons) {
    MotionInputs in{{}, kRocket};
    in.load.force_B = _V(0, 0, newtons);
    in.force_active = in.thrust_engaged = newtons > 0.0;
    return in;
}

TEST(Landed, ThrustBelowWeightLeavesItOnThePad) {
    RigidBody body;
    PlaceLanded(body, kStanding, 0.3, 0.2, 1.0, kMjd);
    body.omega_B = _V(0.01, 0, 0);  // a rate set on the ground does not survive lift-off
    double mjd = kMjd;
    MotionOutcome first = AdvanceMotion(body, Thrust(5e6), kStanding, mjd, kDt);
    EXPECT_TRUE(first.lifted_off);
    for (int i = 1; i < 100; ++i)
        AdvanceMotion(body, Thrust(5e6), kStanding, mjd += kFrameDays, kDt);
    const SurfaceRecord rec = FreeFlightRecord(body, mjd + kFrameDays);
    EXPECT_FALSE(body.landed);  // thrust is engaged, so it never settles
    EXPECT_TRUE(body.in_contact);
    // Settled onto all three points of the wide stance, which the curved ground lowers a little.
    EXPECT_NEAR(rec.altitude, 15.0, 0.05);
    EXPECT_NEAR(rec.pitch * DEG, 90.0, 0.01);
    EXPECT_LT(rec.groundspeed, 1e-4);
    EXPECT_TRUE(AtRestOnSurface(body, mjd + kFrameDays));
}

TEST(Landed, ThrustAboveWeightLiftsOffVertically) {
    RigidBody body;
    PlaceLanded(body, kStanding, 0.3, 0.2, 1.0, kMjd);
    body.omega_B = _V(0.01, 0, 0);
    double mjd = kMjd;
    const double thrust = 1.2e7;
    for (int i = 0; i < 100; ++i, mjd += kFrameDays)
        AdvanceMotion(body, Thrust(thrust), kStanding, mjd, kDt);
    const SurfaceRecord rec = FreeFlightRecord(body, mjd);
    const double a = thrust / kRocket.mass - 9.80;  // net upward acceleration [m/s^2]
    EXPECT_FALSE(body.in_contact);
    EXPECT_NEAR(rec.altitude, 15.0 + 0.5 * a * 100.0, 1.0);
    // The rate set on the ground was dropped (it would have turned the nose by 5.7 degrees).
    EXPECT_NEAR(rec.pitch * DEG, 90.0, 0.1);
    EXPECT_LT(length(body.omega_B), 1e-3);
}

TEST(FreeContact, DroppedBodyComesToRestAndLandsAfterFiveSeconds) {
    // Released 3 m above its touchdown height, lying level and sliding north at 2 m/s.
    RigidBody body = BodyAt(10, -20, 2.0 + 3.0, Attitude(0, 0, 0), _V(0, 0, 2));
    const MassProperties booster{5e4, _V(115, 115, 2)};
    MotionInputs coast{{}, booster};
    double mjd = kMjd;
    double deepest = -1e9, landed_at = -1.0;
    for (int i = 0; i < 150; ++i, mjd += kFrameDays) {
        if (AdvanceMotion(body, coast, kLying, mjd, kDt).landed) landed_at = (i + 1) * kDt;
        deepest = std::max(deepest, DeepestPenetration(body, kLying));
    }
    EXPECT_LE(deepest, 1e-6);  // never left below the surface after a step
    EXPECT_TRUE(body.landed);
    // Fell for about 0.8 s, slid to a stop within a second, then rested for 5 s.
    EXPECT_GT(landed_at, 5.5);
    EXPECT_LT(landed_at, 8.0);
    const SurfaceRecord rec = LandedRecord(body, mjd, TouchdownGeometry(kLying).up_B);
    EXPECT_NEAR(rec.altitude, 2.0, 1e-6);
    EXPECT_NEAR(rec.pitch, 0.0, 1e-12);
    // Still facing north.
    EXPECT_NEAR(std::remainder(body.surface.heading * DEG, 360.0), 0.0, 0.01);

    // A frame without time leaves it exactly where it is.
    const RigidBody resting = body;
    body.landed = false;
    AdvanceMotion(body, coast, kLying, mjd, 0.0);
    EXPECT_EQ(length(body.r_N - resting.r_N), 0.0);
}

TEST(FreeContact, TiltedTouchdownSettlesOnAllPoints) {
    RigidBody body = BodyAt(0, 0, 2.5, Attitude(90, 10, 5));
    const MassProperties booster{5e4, _V(115, 115, 2)};
    double mjd = kMjd;
    for (int i = 0; i < 300 && !body.landed; ++i, mjd += kFrameDays)
        AdvanceMotion(body, {{}, booster}, kLying, mjd, kDt);
    ASSERT_TRUE(body.landed);
    EXPECT_NEAR(body.surface.heading * DEG, 90.0, 5.0);
}

}  // namespace
}  // namespace sim::physics
