#include "aerodynamics.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Lift coefficients every 10 degrees from -180 to +180 degrees: the body gives no lift.
constexpr std::array<double, 37> kBodyLift{};
// Lift coefficients every 45 degrees from -180 to +180 degrees.
constexpr std::array<double, 9> kSideLift{};

// Linear interpolation in a table whose entries cover -180 to +180 degrees evenly. Angles outside
// that range take the end values.
template <std::size_t N>
double LiftAt(const std::array<double, N>& table, double aoa) {
    constexpr double kLastIndex = static_cast<double>(N - 1);
    const double x = std::clamp((aoa / PI + 1.0) * 0.5 * kLastIndex, 0.0, kLastIndex);
    const std::size_t i = static_cast<std::size_t>(x);
    if (i + 1 >= N) return table[N - 1];
    const double f = x - static_cast<double>(i);
    return (1.0 - f) * table[i] + f * table[i + 1];
}

constexpr double kBaseDrag = 0.06;          // drag coefficient head-on
constexpr double kBodyCrossflowDrag = 0.4;  // added drag coefficient broadside

}  // namespace

void BodyAirfoilCoeff(VESSEL*, double aoa, double M, double, void*, double* cl, double* cm,
                      double* cd) {
    *cl = LiftAt(kBodyLift, aoa);
    *cm = 0.0;
    const double sinAoa = std::sin(aoa);
    *cd = kBaseDrag + kBodyCrossflowDrag * sinAoa * sinAoa + oapiGetInducedDrag(*cl, 20.0, 1.0) +
          oapiGetWaveDrag(M, 0.75, 1.0, 1.1, 0.8);
}

void SideAirfoilCoeff(VESSEL*, double aoa, double M, double, void*, double* cl, double* cm,
                      double* cd) {
    *cl = LiftAt(kSideLift, aoa);
    *cm = 0.0;
    *cd = kBaseDrag + oapiGetInducedDrag(*cl, 2.0, 0.6) + oapiGetWaveDrag(M, 0.75, 1.0, 1.1, 0.04);
}
