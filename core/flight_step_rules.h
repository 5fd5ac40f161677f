// The decisions of the core vessel's flight step that depend only on read-outs: when the
// fairing goes, when the shock vapour and the booster smoke show, how the engine glow follows
// the throttle and where the gimballed main engines point.
#pragma once

#include <array>

#include "orbitersdk.h"

namespace flight_rules {

constexpr double kFairingJettisonFloor = 1000.0;      // [m]
constexpr double kFairingJettisonCeiling = 100000.0;  // [m]
constexpr double kFairingJettisonMaxQ = 100.0;        // dynamic pressure [Pa]
constexpr double kShockVapourMachLow = 1.0;
constexpr double kShockVapourMachHigh = 1.05;
constexpr double kBoosterSmokeFloor = 10000.0;    // [m]
constexpr double kBoosterSmokeCeiling = 24000.0;  // [m]
constexpr double kGlowRiseRate = 0.25;            // per second at full throttle
constexpr double kGlowDecayRate = 0.15;           // per second

// The fairing is no longer needed: out of the dense air, below space.
constexpr bool FairingJettisonWindow(double altitude, double dynPressure) {
    return altitude > kFairingJettisonFloor && altitude < kFairingJettisonCeiling &&
           dynPressure < kFairingJettisonMaxQ;
}

constexpr bool ShockVapourBand(double mach) {
    return mach > kShockVapourMachLow && mach < kShockVapourMachHigh;
}

constexpr bool BoosterSmokeBand(double altitude) {
    return altitude >= kBoosterSmokeFloor && altitude <= kBoosterSmokeCeiling;
}

// The glow after a step of simdt [s] at the given main level, in single precision. The bounds
// are tested on the glow from before the step, so one step may carry it past a bound by one
// increment and the next brings it back.
inline float NextEngineGlow(float glow, double mainLevel, double simdt) {
    if (mainLevel > 0.0) {
        if (glow > 1.0f) return 1.0f;
        return static_cast<float>(glow + mainLevel * kGlowRiseRate * simdt);
    }
    if (glow > 0.0f) return static_cast<float>(glow - kGlowDecayRate * simdt);
    return 0.0f;
}

// Thrust directions of the main engines [0] (x = +1.4) and [1] (x = -1.4) for the pitch, yaw
// and bank deflections [rad]: a common y deflection pitches, a common x deflection yaws,
// opposite y deflections roll.
inline std::array<VECTOR3, 2> GimballedEngineDirections(double pitch, double yaw, double bank) {
    const double z = 1.0 - (bank + pitch);
    return {unit(_V(yaw, pitch - bank, z)), unit(_V(yaw, pitch + bank, z))};
}

}  // namespace flight_rules
