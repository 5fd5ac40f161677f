#include "rotation.h"

#include <cmath>

namespace sim::physics {

MATRIX3 Transpose(const MATRIX3& m) {
    return _M(m.m11, m.m21, m.m31, m.m12, m.m22, m.m32, m.m13, m.m23, m.m33);
}

MATRIX3 FromColumns(const VECTOR3& a, const VECTOR3& b, const VECTOR3& c) {
    return _M(a.x, b.x, c.x, a.y, b.y, c.y, a.z, b.z, c.z);
}

MATRIX3 BodyRotation(const VECTOR3& omega, double dt) {
    const double rate = length(omega);
    const double angle = rate * dt;
    if (angle == 0.0) return identity();
    const VECTOR3 k = omega / rate;
    const double c = std::cos(angle), s = std::sin(angle), t = 1.0 - c;
    // Rodrigues' formula with the skew matrix of v -> crossp(v, k).
    return _M(c + t * k.x * k.x, t * k.x * k.y + s * k.z, t * k.x * k.z - s * k.y,
              t * k.y * k.x - s * k.z, c + t * k.y * k.y, t * k.y * k.z + s * k.x,
              t * k.z * k.x + s * k.y, t * k.z * k.y - s * k.x, c + t * k.z * k.z);
}

MATRIX3 Orthonormalised(const MATRIX3& m) {
    const VECTOR3 z = unit(_V(m.m13, m.m23, m.m33));
    VECTOR3 y = _V(m.m12, m.m22, m.m32);
    y = unit(y - z * dotp(y, z));
    return FromColumns(crossp(y, z), y, z);
}

VECTOR3 EulerAngles(const MATRIX3& r) {
    const double sin_beta = std::fmax(-1.0, std::fmin(1.0, r.m13));
    return _V(std::atan2(r.m23, r.m33), -std::asin(sin_beta), std::atan2(r.m12, r.m11));
}

MATRIX3 FromEulerAngles(const VECTOR3& arot) {
    const double sa = std::sin(arot.x), ca = std::cos(arot.x);
    const double sb = std::sin(arot.y), cb = std::cos(arot.y);
    const double sg = std::sin(arot.z), cg = std::cos(arot.z);
    return _M(cb * cg, cb * sg, -sb,                                    //
              sa * sb * cg - ca * sg, sa * sb * sg + ca * cg, sa * cb,  //
              ca * sb * cg + sa * sg, ca * sb * sg - sa * cg, ca * cb);
}

}  // namespace sim::physics
