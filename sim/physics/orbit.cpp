#include "orbit.h"

#include <cmath>
#include <limits>

namespace sim::physics {

OrbitShape OsculatingOrbit(const VECTOR3& r_N, const VECTOR3& v_N, double mu, const VECTOR3& pole) {
    OrbitShape orbit;
    const double r = length(r_N);
    const double v2 = dotp(v_N, v_N);
    // The component cross product of left-handed vectors: for a prograde orbit the angular
    // momentum vector computed this way points to the south pole.
    const VECTOR3 h = crossp(r_N, v_N);
    const double h_len = length(h);
    // Eccentricity vector e = ((v^2 - mu/r) r - (r.v) v) / mu, free of handedness.
    const VECTOR3 e_vec = (r_N * (v2 - mu / r) - v_N * dotp(r_N, v_N)) / mu;
    orbit.eccentricity = length(e_vec);
    // Periapsis from the angular momentum (p = h^2/mu) stays accurate for near-parabolic orbits.
    const double p = h_len * h_len / mu;
    orbit.periapsis = p / (1.0 + orbit.eccentricity);
    const double energy = 0.5 * v2 - mu / r;
    orbit.semi_major_axis =
        energy != 0.0 ? -mu / (2.0 * energy) : std::numeric_limits<double>::infinity();
    // Bound by the energy, not by e < 1: a purely vertical flight has e = 1 and an apoapsis.
    orbit.apoapsis = energy < 0.0 ? orbit.semi_major_axis * (1.0 + orbit.eccentricity)
                                  : std::numeric_limits<double>::infinity();
    orbit.inclination =
        h_len > 0.0 ? std::acos(std::fmax(-1.0, std::fmin(1.0, -dotp(h, pole) / h_len))) : 0.0;
    return orbit;
}

}  // namespace sim::physics
