// The rigid-body integrator: orbits kept over a revolution, F = ma, the host's rotation sense.
#include <gtest/gtest.h>

#include <cmath>

#include "physics/earth.h"
#include "physics/free_flight.h"
#include "physics/orbit.h"

namespace sim::physics {
namespace {

struct Invariants {
    double energy;  // specific orbital energy [J/kg]
    VECTOR3 h;      // specific angular momentum [m^2/s]
};
Invariants OrbitInvariants(const RigidBody& b) {
    return {0.5 * dotp(b.v_N, b.v_N) - earth::kGM / length(b.r_N), crossp(b.r_N, b.v_N)};
}

RigidBody CircularOrbit(double radius) {
    RigidBody b;
    b.r_N = _V(radius, 0, 0);
    b.v_N = _V(0, 0.3, 0.9) * (std::sqrt(earth::kGM / radius) / std::sqrt(0.9));
    return b;
}

// One revolution at the host's usual step and at high time acceleration.
TEST(FreeFlight, CircularOrbitKeepsItsShapeOverARevolution) {
    const MassProperties mp{1000.0, _V(2, 2, 1)};
    for (double dt : {0.1, 10.0, 1000.0}) {
        const double r0 = earth::kRadius + 400e3;
        RigidBody b = CircularOrbit(r0);
        const Invariants start = OrbitInvariants(b);
        const double period = 2 * PI * std::sqrt(r0 * r0 * r0 / earth::kGM);
        const int steps = static_cast<int>(std::round(period / dt));
        double r_min = r0, r_max = r0;
        for (int i = 0; i < steps; ++i) {
            AdvanceFreeFlight(b, _V(0, 0, 0), _V(0, 0, 0), mp, dt);
            r_min = std::min(r_min, length(b.r_N));
            r_max = std::max(r_max, length(b.r_N));
        }
        const Invariants end = OrbitInvariants(b);
        EXPECT_NEAR(end.energy / start.energy, 1.0, 1e-10) << dt;
        EXPECT_NEAR(length(end.h - start.h) / length(start.h), 0.0, 1e-10) << dt;
        EXPECT_LT(r_max - r0, 0.01) << dt;  // radius held to a centimetre
        EXPECT_LT(r0 - r_min, 0.01) << dt;
        const OrbitShape o = OsculatingOrbit(b.r_N, b.v_N, earth::kGM, earth::NorthPole());
        EXPECT_NEAR(o.apoapsis, r0, 0.01) << dt;
        EXPECT_NEAR(o.periapsis, r0, 0.01) << dt;
    }
}

TEST(FreeFlight, ThrustAcceleratesByForceOverMass) {
    // Two identical bodies far out, one thrusting along its nose (+z).
    const MassProperties mp{2.0e5, _V(10, 10, 2)};
    const double thrust = 3.0e6, dt = 0.1;
    RigidBody coasting;
    coasting.r_N = _V(0, 0, 1e12);
    RigidBody thrusting = coasting;
    for (int i = 0; i < 100; ++i) {
        AdvanceFreeFlight(coasting, _V(0, 0, 0), _V(0, 0, 0), mp, dt);
        AdvanceFreeFlight(thrusting, _V(0, 0, thrust), _V(0, 0, 0), mp, dt);
    }
    const VECTOR3 dv = thrusting.v_N - coasting.v_N;
    EXPECT_NEAR(dv.z, thrust / mp.mass * 10.0, 1e-6);
    EXPECT_NEAR(std::hypot(dv.x, dv.y), 0.0, 1e-9);
    EXPECT_NEAR(thrusting.r_N.z - coasting.r_N.z, 0.5 * thrust / mp.mass * 100.0, 1e-6);
}

TEST(FreeFlight, PositiveTorquesPitchUpYawLeftAndBankRight) {
    const MassProperties mp{1000.0, _V(4, 4, 1)};
    struct Case {
        const char* name;
        VECTOR3 torque;
        int axis;       // vessel axis (column of R) that is watched
        VECTOR3 moves;  // towards this direction of the starting frame
    };
    const Case cases[] = {
        {"pitch up: nose towards +y", _V(100, 0, 0), 2, _V(0, 1, 0)},
        {"yaw left: nose towards -x", _V(0, 100, 0), 2, _V(-1, 0, 0)},
        {"bank right: right side down", _V(0, 0, 100), 0, _V(0, -1, 0)},
    };
    for (const Case& c : cases) {
        RigidBody b;
        b.r_N = _V(0, 0, 1e12);  // far from the Earth
        for (int i = 0; i < 10; ++i) AdvanceFreeFlight(b, _V(0, 0, 0), c.torque, mp, 0.1);
        const VECTOR3 axis = _V(b.R.data[c.axis], b.R.data[3 + c.axis], b.R.data[6 + c.axis]);
        EXPECT_GT(dotp(axis, c.moves), 1e-3) << c.name;
        EXPECT_GT(dotp(b.omega_B, c.torque), 0.0) << c.name;
        // Constant torque about a principal axis: omega = tau t / (m I).
        const int k = c.torque.x != 0 ? 0 : c.torque.y != 0 ? 1 : 2;
        EXPECT_NEAR(b.omega_B.data[k], 100.0 * 1.0 / (mp.mass * mp.pmi.data[k]), 1e-12) << c.name;
    }
}

TEST(FreeFlight, TorqueFreeTumbleConservesEnergyAndMomentum) {
    const MassProperties mp{500.0, _V(3, 5, 1)};
    RigidBody b;
    b.r_N = _V(0, 0, 1e12);
    b.omega_B = _V(0.3, 0.02, 0.5);
    auto rotational_energy = [&] {
        const VECTOR3& w = b.omega_B;
        return 0.5 * (mp.pmi.x * w.x * w.x + mp.pmi.y * w.y * w.y + mp.pmi.z * w.z * w.z);
    };
    auto global_momentum = [&] {
        const VECTOR3& w = b.omega_B;
        return mul(b.R, _V(mp.pmi.x * w.x, mp.pmi.y * w.y, mp.pmi.z * w.z));
    };
    const double e0 = rotational_energy();
    const VECTOR3 l0 = global_momentum();
    for (int i = 0; i < 3000; ++i) AdvanceFreeFlight(b, _V(0, 0, 0), _V(0, 0, 0), mp, 0.1);
    EXPECT_NEAR(rotational_energy() / e0, 1.0, 1e-6);
    EXPECT_LT(length(global_momentum() - l0) / length(l0), 1e-4);
    // R stays a rotation.
    const VECTOR3 x = _V(b.R.m11, b.R.m21, b.R.m31), y = _V(b.R.m12, b.R.m22, b.R.m32);
    EXPECT_NEAR(length(x), 1.0, 1e-12);
    EXPECT_NEAR(dotp(x, y), 0.0, 1e-12);
}

}  // namespace
}  // namespace sim::physics
