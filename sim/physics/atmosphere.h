// Earth's atmosphere as the host's default model presents it to vessels.
#pragma once

namespace sim::physics {

struct AtmosphereSample {
    double pressure = 0.0;        // static pressure [Pa]
    double density = 0.0;         // [kg/m^3]
    double temperature = 0.0;     // [K]
    double speed_of_sound = 0.0;  // [m/s]
};

inline constexpr double kAtmosphereLimit = 2.5e6;  // top of the modelled atmosphere [m]
inline constexpr double kGasConstant = 286.91;     // specific gas constant R [J/(kg K)]
inline constexpr double kHeatCapacityRatio = 1.4;  // gamma

// Whether a geometric altitude over the mean sphere [m] lies inside the atmosphere, where the
// host reports air data.
inline bool InsideAtmosphere(double altitude) {
    return altitude < kAtmosphereLimit;
}

// Atmosphere at a geometric altitude over the mean sphere [m]: the US Standard Atmosphere 1976
// below 90 km, a smooth continuation above (see the source), all zero outside the atmosphere.
AtmosphereSample SampleAtmosphere(double altitude);

}  // namespace sim::physics
