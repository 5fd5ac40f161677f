#include "parachute.h"

namespace {

constexpr double kDrogueBandTop = 8000;     // [m]
constexpr double kDrogueBandBottom = 7000;  // [m]
constexpr double kDrogueState = 0.75;       // canopy half open
constexpr double kMainBandTop = 5000;       // [m]
constexpr double kMainBandBottom = 2500;    // [m]
constexpr double kMainState = 1.0;          // fully open
constexpr double kRate = 0.1;               // deployment per second [1/s]

}  // namespace

double ParachuteTarget(double altitude, double target) {
    if (altitude < kDrogueBandTop && altitude > kDrogueBandBottom) target = kDrogueState;
    if (altitude < kMainBandTop && altitude > kMainBandBottom) target = kMainState;
    return target;
}

double MoveParachute(double state, double target, double simdt) {
    const double step = simdt * kRate;
    if (state > target) state -= step;
    if (target > state) state += step;
    if (state <= 0) state = 0.0;
    if (state >= 1) state = 1.0;
    return state;
}
