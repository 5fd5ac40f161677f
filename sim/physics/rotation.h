// Rotation-matrix helpers in the host's conventions (left-handed frames, component cross
// product, R maps vessel-local to global).
#pragma once

#include "orbiter_api.h"

namespace sim::physics {

MATRIX3 Transpose(const MATRIX3& m);

// The matrix whose columns are a, b and c.
MATRIX3 FromColumns(const VECTOR3& a, const VECTOR3& b, const VECTOR3& c);

// Rotation of a body turning at rate omega [rad/s] for dt [s], in the body's own axes: a body
// vector v moves as dv/dt = crossp(v, omega), the host's sense of positive body rates.
MATRIX3 BodyRotation(const VECTOR3& omega, double dt);

// Nearest orthonormal matrix (Gram-Schmidt on the columns, z first: the nose axis is kept).
MATRIX3 Orthonormalised(const MATRIX3& m);

// The host's Euler angles (alpha, beta, gamma) with R = Rx(alpha) Ry(beta) Rz(gamma).
VECTOR3 EulerAngles(const MATRIX3& r);
MATRIX3 FromEulerAngles(const VECTOR3& arot);

}  // namespace sim::physics
