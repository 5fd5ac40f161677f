// The rotating Earth's frames and the osculating orbit read-outs.
#include <gtest/gtest.h>

#include <cmath>

#include "flight_fixtures.h"
#include "physics/earth.h"
#include "physics/orbit.h"

namespace sim::physics {
namespace {

using testing::kMjd;

TEST(Earth, SurfacePointsMoveEastAndTheFramesAreRotations) {
    const earth::EquatorialPosition pos{0.4, -0.3, earth::kRadius};
    const VECTOR3 p = earth::FromEquatorial(pos);
    const earth::EquatorialPosition back = earth::ToEquatorial(p);
    EXPECT_NEAR(back.longitude, 0.4, 1e-12);
    EXPECT_NEAR(back.latitude, -0.3, 1e-12);
    EXPECT_NEAR(back.radius, earth::kRadius, 1e-6);

    // A fixed surface point a minute later sits at a larger inertial longitude.
    const MATRIX3 R0 = earth::PlanetRotation(kMjd), R1 = earth::PlanetRotation(kMjd + 60.0 / 86400);
    const earth::EquatorialPosition later = earth::ToEquatorial(tmul(R0, mul(R1, p)));
    EXPECT_NEAR(later.longitude - 0.4, earth::kRotationRate * 60.0, 1e-9);
    // ...at the speed the surface-velocity formula gives, along the local east.
    const VECTOR3 v = earth::SurfaceVelocity(pos);
    const MATRIX3 L2H = earth::HorizonMatrix(pos);
    EXPECT_NEAR(mul(L2H, v).x, earth::kRotationRate * earth::kRadius * std::cos(-0.3), 1e-6);
    EXPECT_NEAR(mul(L2H, p).y, earth::kRadius, 1e-6);  // "up" is radial

    // The pole is the planet's +y axis, tilted by the obliquity from ecliptic north.
    const VECTOR3 pole = mul(R0, _V(0, 1, 0));
    EXPECT_NEAR(dotp(pole, earth::NorthPole()), 1.0, 1e-12);
    EXPECT_NEAR(std::acos(pole.y), earth::kObliquity, 1e-12);
}

TEST(Earth, GravityPointsToTheCentreWithGM) {
    const VECTOR3 g = earth::Gravity(_V(0, 0, earth::kRadius));
    EXPECT_NEAR(g.z, -9.8203, 1e-3);
    EXPECT_NEAR(std::hypot(g.x, g.y), 0.0, 1e-12);
    EXPECT_NEAR(earth::kGM, 3.98600440e14, 1e6);
}

// Position and velocity of an orbit crossing the equator eastward at inclination i [rad], in
// global axes.
void EquatorCrossing(double radius, double speed, double incl, VECTOR3& r_N, VECTOR3& v_N) {
    const MATRIX3 R = earth::PlanetRotation(kMjd);
    const earth::EquatorialPosition pos{0.0, 0.0, radius};
    const MATRIX3 H2P = Transpose(earth::HorizonMatrix(pos));
    r_N = mul(R, earth::FromEquatorial(pos));
    v_N = mul(R, mul(H2P, _V(speed * std::cos(incl), 0, speed * std::sin(incl))));
}

TEST(Orbit, CircularOrbitsAndTheirInclination) {
    const double r = earth::kRadius + 300e3;
    const double v = std::sqrt(earth::kGM / r);
    for (double incl_deg : {0.0, 28.5, 51.6, 90.0, 135.0, 180.0}) {
        VECTOR3 r_N, v_N;
        EquatorCrossing(r, v, incl_deg * RAD, r_N, v_N);
        const OrbitShape o = OsculatingOrbit(r_N, v_N, earth::kGM, earth::NorthPole());
        EXPECT_NEAR(o.eccentricity, 0.0, 1e-9) << incl_deg;
        EXPECT_NEAR(o.periapsis, r, 1e-3) << incl_deg;
        EXPECT_NEAR(o.apoapsis, r, 1e-3) << incl_deg;
        EXPECT_NEAR(o.inclination * DEG, incl_deg, 1e-7) << incl_deg;
    }
}

TEST(Orbit, EllipticOpenAndVerticalTrajectories) {
    const double rp = earth::kRadius + 200e3, ra = earth::kRadius + 35786e3;
    const double vp = std::sqrt(earth::kGM * 2 * ra / (rp * (rp + ra)));
    VECTOR3 r_N, v_N;
    EquatorCrossing(rp, vp, 0.1, r_N, v_N);
    OrbitShape o = OsculatingOrbit(r_N, v_N, earth::kGM, earth::NorthPole());
    EXPECT_NEAR(o.periapsis, rp, 1e-2);
    EXPECT_NEAR(o.apoapsis, ra, 1.0);
    EXPECT_NEAR(o.semi_major_axis, (rp + ra) / 2, 1.0);

    EquatorCrossing(rp, 1.01 * std::sqrt(2 * earth::kGM / rp), 0.0, r_N, v_N);
    o = OsculatingOrbit(r_N, v_N, earth::kGM, earth::NorthPole());
    EXPECT_GT(o.eccentricity, 1.0);
    EXPECT_NEAR(o.periapsis, rp, 1e-2);
    EXPECT_TRUE(std::isinf(o.apoapsis));

    // Straight up at 1 km/s from the surface: apoapsis from the energy, periapsis at the centre.
    const double r0 = earth::kRadius;
    o = OsculatingOrbit(_V(0, r0, 0), _V(0, 1000, 0), earth::kGM, earth::NorthPole());
    const double r_top = 1.0 / (1.0 / r0 - 1000.0 * 1000.0 / (2 * earth::kGM));
    EXPECT_NEAR(o.apoapsis, r_top, 1e-3);
    EXPECT_NEAR(o.periapsis, 0.0, 1e-3);
}

}  // namespace
}  // namespace sim::physics
