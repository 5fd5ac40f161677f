#include "earth.h"

#include <cmath>

namespace sim::physics::earth {
namespace {

constexpr double kSecondsPerDay = 86400.0;

// Planet frame with the pole tilted by the obliquity about the equinox direction (+x): the
// planet's +y (north pole) becomes (0, cos e, -sin e) in global axes, the pole of the equator in
// left-handed ecliptic coordinates.
MATRIX3 Tilt() {
    const double c = std::cos(kObliquity), s = std::sin(kObliquity);
    return _M(1, 0, 0, 0, c, s, 0, -s, c);
}

}  // namespace

MATRIX3 PlanetRotation(double mjd) {
    // The precession of the axis is not modelled.
    const double theta = kRotationOffset + (mjd - kReferenceMjd) * kSecondsPerDay * kRotationRate;
    const double c = std::cos(theta), s = std::sin(theta);
    return mul(Tilt(), _M(c, 0, -s, 0, 1, 0, s, 0, c));
}

VECTOR3 NorthPole() {
    return mul(Tilt(), _V(0, 1, 0));
}

EquatorialPosition ToEquatorial(const VECTOR3& p) {
    EquatorialPosition pos;
    pos.radius = length(p);
    pos.longitude = std::atan2(p.z, p.x);
    pos.latitude = pos.radius > 0.0 ? std::asin(p.y / pos.radius) : 0.0;
    return pos;
}

VECTOR3 FromEquatorial(const EquatorialPosition& pos) {
    const double cl = std::cos(pos.latitude);
    return _V(pos.radius * cl * std::cos(pos.longitude), pos.radius * std::sin(pos.latitude),
              pos.radius * cl * std::sin(pos.longitude));
}

VECTOR3 SurfaceVelocity(const EquatorialPosition& pos) {
    const double w = kRotationRate * pos.radius * std::cos(pos.latitude);
    return _V(-w * std::sin(pos.longitude), 0.0, w * std::cos(pos.longitude));
}

MATRIX3 HorizonMatrix(const EquatorialPosition& pos) {
    const double sl = std::sin(pos.longitude), cl = std::cos(pos.longitude);
    const double sp = std::sin(pos.latitude), cp = std::cos(pos.latitude);
    return _M(-sl, 0, cl,               // east
              cp * cl, sp, cp * sl,     // up
              -sp * cl, cp, -sp * sl);  // north
}

VECTOR3 Gravity(const VECTOR3& r_N) {
    const double r = length(r_N);
    return r_N * (-kGM / (r * r * r));
}

}  // namespace sim::physics::earth
