#include "state_bounds.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace sim::physics {
namespace {

// Not a number compares false, so a bound written this way refuses it too.
bool Within(const VECTOR3& v, double bound) {
    return std::hypot(v.x, v.y, v.z) <= bound;
}

}  // namespace

bool WithinBounds(const Kinematics& state) {
    return Within(state.r_N, kMaxDistance) && Within(state.v_N, kMaxSpeed) &&
           Within(state.omega_B, kMaxRotationRate) &&
           std::all_of(std::begin(state.R.data), std::end(state.R.data),
                       [](double e) { return std::isfinite(e); });
}

}  // namespace sim::physics
