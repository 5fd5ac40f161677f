// The host's Earth: a rotating sphere with a point-mass gravity field, whose centre is the
// origin of the global frame (global axes: ecliptic and equinox of J2000, left-handed).
#pragma once

#include "orbiter_api.h"

namespace sim::physics::earth {

inline constexpr double kRadius = 6.37101e6;            // mean radius ("Size") [m]
inline constexpr double kMass = 5.973698968e24;         // [kg]
inline constexpr double kSiderealPeriod = 86164.10132;  // [s]
inline constexpr double kRotationRate = 2.0 * 3.14159265358979323846 / kSiderealPeriod;  // [rad/s]
inline constexpr double kObliquity = 0.4090928023;     // tilt of the equator to the ecliptic [rad]
inline constexpr double kRotationOffset = 4.88948754;  // rotation angle at kReferenceMjd [rad]
inline constexpr double kReferenceMjd = 51544.5;       // epoch of kRotationOffset (J2000) [MJD]
inline const double kGM = GGRAV * kMass;               // gravitational parameter [m^3/s^2]

// Position on the planet in the host's equatorial coordinates.
struct EquatorialPosition {
    double longitude = 0.0;  // [rad], -pi..pi, east positive
    double latitude = 0.0;   // [rad], -pi/2..pi/2
    double radius = 0.0;     // distance from the centre [m]
};

// Planet frame (rotating with the Earth) to global axes at a date [MJD].
MATRIX3 PlanetRotation(double mjd);

// The direction of the north pole in global axes.
VECTOR3 NorthPole();

EquatorialPosition ToEquatorial(const VECTOR3& p_planet);
VECTOR3 FromEquatorial(const EquatorialPosition& pos);

// Velocity of a point fixed to the planet at pos, in planet-frame axes [m/s].
VECTOR3 SurfaceVelocity(const EquatorialPosition& pos);

// Planet frame to the local horizon at pos: rows east, up, north.
MATRIX3 HorizonMatrix(const EquatorialPosition& pos);

// Gravitational acceleration at r_N (relative to the centre, global axes) [m/s^2].
VECTOR3 Gravity(const VECTOR3& r_N);

}  // namespace sim::physics::earth
