// Vessel states built from what a pilot would state: where, which way, how fast over ground.
#pragma once

#include <cmath>

#include "physics/earth.h"
#include "physics/rigid_body.h"
#include "physics/rotation.h"

namespace sim::physics::testing {

inline constexpr double kMjd = 51544.5;  // reference date of the tests [MJD]

// Vessel axes → horizon axes (east, up, north) for a nose heading and pitch and a bank to the
// right (right wing down), all in degrees.
inline MATRIX3 Attitude(double heading_deg, double pitch_deg, double bank_right_deg) {
    const double h = heading_deg * RAD, p = pitch_deg * RAD, b = bank_right_deg * RAD;
    const VECTOR3 nose = _V(std::cos(p) * std::sin(h), std::sin(p), std::cos(p) * std::cos(h));
    const VECTOR3 right0 = _V(std::cos(h), 0, -std::sin(h));
    const VECTOR3 up0 = crossp(nose, right0);
    const VECTOR3 right = right0 * std::cos(b) - up0 * std::sin(b);
    const VECTOR3 up = up0 * std::cos(b) + right0 * std::sin(b);
    return FromColumns(right, up, nose);
}

// A free vessel at longitude/latitude [deg] and altitude [m], with the given attitude and a
// velocity over the ground in horizon axes [m/s].
inline RigidBody BodyAt(double lng_deg, double lat_deg, double altitude, const MATRIX3& attitude,
                        const VECTOR3& ground_v_H = _V(0, 0, 0), double mjd = kMjd) {
    const earth::EquatorialPosition pos{lng_deg * RAD, lat_deg * RAD, earth::kRadius + altitude};
    const MATRIX3 R_planet = earth::PlanetRotation(mjd);
    const MATRIX3 H2P = Transpose(earth::HorizonMatrix(pos));
    RigidBody body;
    body.r_N = mul(R_planet, earth::FromEquatorial(pos));
    body.v_N = mul(R_planet, earth::SurfaceVelocity(pos) + mul(H2P, ground_v_H));
    body.R = mul(R_planet, mul(H2P, attitude));
    return body;
}

}  // namespace sim::physics::testing
