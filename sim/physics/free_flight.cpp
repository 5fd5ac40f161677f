#include "free_flight.h"

#include <algorithm>
#include <cmath>

#include "earth.h"
#include "rotation.h"

namespace sim::physics {
namespace {

constexpr double kMaxOrbitAnglePerSubstep = 2e-3;  // orbital mean motion x sub-step [rad]
constexpr double kMaxTurnPerSubstep = 0.05;        // body rotation per sub-step [rad]
constexpr int kMaxSubsteps = 100000;               // bound on the work of a single frame

int SubstepCount(const RigidBody& body, double dt) {
    const double r = length(body.r_N);
    const double mean_motion = std::sqrt(earth::kGM / (r * r * r));  // [rad/s]
    const double turn_rate = length(body.omega_B);                   // [rad/s]
    const double needed =
        std::max(mean_motion * dt / kMaxOrbitAnglePerSubstep, turn_rate * dt / kMaxTurnPerSubstep);
    // A body whose state is no longer a number gets one sub-step, as more cannot mend it; the
    // bounds apply before the count becomes an integer, which a non-number cannot.
    if (std::isnan(needed)) return 1;
    return static_cast<int>(std::clamp(std::ceil(needed), 1.0, double{kMaxSubsteps}));
}

// Classical Runge-Kutta step of the body rates under a fixed torque.
VECTOR3 AdvanceRates(const VECTOR3& w, const VECTOR3& tau, const MassProperties& mp, double h) {
    const VECTOR3 k1 = AngularAcceleration(w, tau, mp);
    const VECTOR3 k2 = AngularAcceleration(w + k1 * (h / 2), tau, mp);
    const VECTOR3 k3 = AngularAcceleration(w + k2 * (h / 2), tau, mp);
    const VECTOR3 k4 = AngularAcceleration(w + k3 * h, tau, mp);
    return w + (k1 + k2 * 2.0 + k3 * 2.0 + k4) * (h / 6);
}

void Substep(RigidBody& b, const VECTOR3& f_B, const VECTOR3& tau, const MassProperties& mp,
             double h) {
    const VECTOR3 w0 = b.omega_B;
    const VECTOR3 w1 = AdvanceRates(w0, tau, mp, h);
    const VECTOR3 w_mean = (w0 + w1) * 0.5;
    const MATRIX3 R0 = b.R;
    const MATRIX3 R_half = mul(R0, BodyRotation((w0 + w_mean) * 0.5, h / 2));
    const MATRIX3 R1 = Orthonormalised(mul(R0, BodyRotation(w_mean, h)));

    const VECTOR3 thrust0 = mul(R0, f_B) / mp.mass;
    const VECTOR3 thrust_half = mul(R_half, f_B) / mp.mass;
    const VECTOR3 thrust1 = mul(R1, f_B) / mp.mass;
    const VECTOR3 r = b.r_N, v = b.v_N;
    const VECTOR3 k1v = thrust0 + earth::Gravity(r);
    const VECTOR3 k1r = v;
    const VECTOR3 k2v = thrust_half + earth::Gravity(r + k1r * (h / 2));
    const VECTOR3 k2r = v + k1v * (h / 2);
    const VECTOR3 k3v = thrust_half + earth::Gravity(r + k2r * (h / 2));
    const VECTOR3 k3r = v + k2v * (h / 2);
    const VECTOR3 k4v = thrust1 + earth::Gravity(r + k3r * h);
    const VECTOR3 k4r = v + k3v * h;
    b.r_N = r + (k1r + k2r * 2.0 + k3r * 2.0 + k4r) * (h / 6);
    b.v_N = v + (k1v + k2v * 2.0 + k3v * 2.0 + k4v) * (h / 6);
    b.R = R1;
    b.omega_B = w1;
}

}  // namespace

VECTOR3 AngularAcceleration(const VECTOR3& w, const VECTOR3& tau, const MassProperties& mp) {
    const VECTOR3& I = mp.pmi;
    const double m = mp.mass;
    return _V((tau.x / m - (I.y - I.z) * w.y * w.z) / I.x,
              (tau.y / m - (I.z - I.x) * w.z * w.x) / I.y,
              (tau.z / m - (I.x - I.y) * w.x * w.y) / I.z);
}

void AdvanceFreeFlight(RigidBody& body, const VECTOR3& force_B, const VECTOR3& torque_B,
                       const MassProperties& mp, double dt) {
    const int n = SubstepCount(body, dt);
    const double h = dt / n;
    for (int i = 0; i < n; ++i) Substep(body, force_B, torque_B, mp, h);
}

}  // namespace sim::physics
