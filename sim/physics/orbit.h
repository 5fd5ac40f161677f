// Osculating orbit of a vessel around the Earth.
#pragma once

#include "orbiter_api.h"

namespace sim::physics {

struct OrbitShape {
    double semi_major_axis = 0.0;  // [m], negative for open orbits
    double eccentricity = 0.0;
    double periapsis = 0.0;    // distance from the centre [m]
    double apoapsis = 0.0;     // distance from the centre [m]; +infinity for open orbits
    double inclination = 0.0;  // against the equator [rad], 0..pi, < pi/2 for prograde
};

// Orbit from position r_N [m] and velocity v_N [m/s] relative to the body's centre (global axes),
// with mu = G (M_body + m_vessel) [m^3/s^2] and the body's north pole in global axes.
OrbitShape OsculatingOrbit(const VECTOR3& r_N, const VECTOR3& v_N, double mu, const VECTOR3& pole);

}  // namespace sim::physics
