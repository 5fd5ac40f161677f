#include "atmosphere.h"

#include <array>
#include <cmath>

namespace sim::physics {
namespace {

constexpr double kSeaLevelDensity = 1.2247;         // rho0 [kg/m^3]
constexpr double kSeaLevelTemperature = 288.15;     // [K]
constexpr double kHydrostaticConstant = 34.163195;  // g0 M / R* [K/km]
constexpr double kGeopotentialRadius = 6369.0;      // Earth radius of the geopotential [km]
constexpr double kUniversalGasTerm = 8315.2;        // R* in the pressure formula [J/(kmol K)]
constexpr double kMolarMass = 28.96;                // sea-level molar mass [kg/kmol]

// The layers start at these geopotential heights; the table stops where the standard does.
struct Layer {
    double base_height;       // [km geopotential]
    double base_temperature;  // [K]
    double lapse_rate;        // [K/km]
    double base_pressure;     // p/p0
};
constexpr std::array<Layer, 7> kLayers = {{
    {0.0, 288.15, -6.5, 1.0},
    {11.0, 216.65, 0.0, 2.233611e-1},
    {20.0, 216.65, 1.0, 5.403295e-2},
    {32.0, 228.65, 2.8, 8.5666784e-3},
    {47.0, 270.65, 0.0, 1.0945601e-3},
    {51.0, 270.65, -2.8, 6.6063531e-4},
    {71.0, 214.65, -2.0, 3.9046834e-5},
}};

// Above this geometric altitude the mesosphere is taken as isothermal at the temperature it has
// reached there (about 188 K), as the host's model does.
constexpr double kIsothermalBase = 85.0;  // [km geometric]
constexpr double kStandardTop = 90.0;     // [km geometric]

// Continuation above 90 km: the density scale height grows linearly with altitude,
// H(Z) = H90 + kScaleHeightGrowth (Z - 90 km), which integrates to
// rho = rho90 (H(Z)/H90)^(-1/kScaleHeightGrowth). It reproduces the US 1976 densities within a
// factor of about 3.5 from 100 km to 1000 km. The temperature rises towards the exospheric value
// as in Bates' profile; the pressure follows the ideal gas law from the 90 km state.
constexpr double kScaleHeightGrowth = 0.16;        // dH/dZ [-]
constexpr double kExosphericTemperature = 1000.0;  // [K]
constexpr double kThermalRiseLength = 70.0;        // e-folding length of the temperature rise [km]
constexpr double kStandardGravity = 9.80665;       // [m/s^2]
constexpr double kGravityRadius = 6356.766;        // radius for the gravity fall-off [km]

double GeopotentialHeight(double z_km) {
    return z_km * kGeopotentialRadius / (z_km + kGeopotentialRadius);
}

// Pressure ratio p/p0 and temperature at a geopotential height inside the layered standard.
struct LayerState {
    double pressure_ratio;
    double temperature;
};
LayerState StandardLayers(double h_km) {
    const Layer* layer = &kLayers.front();
    for (const Layer& candidate : kLayers)
        if (h_km >= candidate.base_height) layer = &candidate;
    const double dh = h_km - layer->base_height;
    const double t = layer->base_temperature + layer->lapse_rate * dh;
    const double ratio =
        layer->lapse_rate == 0.0
            ? layer->base_pressure * std::exp(-kHydrostaticConstant * dh / layer->base_temperature)
            : layer->base_pressure *
                  std::pow(layer->base_temperature / t, kHydrostaticConstant / layer->lapse_rate);
    return {ratio, t};
}

LayerState LowerAtmosphere(double z_km) {
    if (z_km <= kIsothermalBase) return StandardLayers(GeopotentialHeight(z_km));
    const LayerState base = StandardLayers(GeopotentialHeight(kIsothermalBase));
    const double dh = GeopotentialHeight(z_km) - GeopotentialHeight(kIsothermalBase);
    return {base.pressure_ratio * std::exp(-kHydrostaticConstant * dh / base.temperature),
            base.temperature};
}

// Fraction by which the mean molar mass has dropped through dissociation (negligible below
// about 80 km).
double MolarMassLoss(double z_km) {
    const double dz = z_km - 85.0;
    return std::pow(10.0, -3.7469 + dz * (0.226434 - dz * 5.945e-3));
}

AtmosphereSample WithSpeedOfSound(AtmosphereSample s) {
    s.speed_of_sound = std::sqrt(kHeatCapacityRatio * kGasConstant * s.temperature);
    return s;
}

AtmosphereSample StandardAtmosphere(double z_km) {
    const LayerState layer = LowerAtmosphere(z_km);
    const double y = MolarMassLoss(z_km);
    AtmosphereSample s;
    s.temperature = layer.temperature;
    s.density = kSeaLevelDensity * layer.pressure_ratio *
                (kSeaLevelTemperature / layer.temperature) * (1.0 - y);
    s.pressure = s.density * kUniversalGasTerm * s.temperature / (kMolarMass * (1.0 - y));
    return WithSpeedOfSound(s);
}

AtmosphereSample UpperAtmosphere(double z_km) {
    const AtmosphereSample top = StandardAtmosphere(kStandardTop);
    const double g_top =
        kStandardGravity * std::pow(kGravityRadius / (kGravityRadius + kStandardTop), 2);
    const double h_top = kGasConstant * top.temperature / g_top / 1000.0;  // scale height [km]
    const double dz = z_km - kStandardTop;
    AtmosphereSample s;
    s.density =
        top.density * std::pow(1.0 + kScaleHeightGrowth * dz / h_top, -1.0 / kScaleHeightGrowth);
    s.temperature = kExosphericTemperature -
                    (kExosphericTemperature - top.temperature) * std::exp(-dz / kThermalRiseLength);
    s.pressure = top.pressure * (s.density / top.density) * (s.temperature / top.temperature);
    return WithSpeedOfSound(s);
}

}  // namespace

AtmosphereSample SampleAtmosphere(double altitude) {
    if (!InsideAtmosphere(altitude)) return {};
    const double z_km = altitude / 1000.0;
    return z_km <= kStandardTop ? StandardAtmosphere(z_km) : UpperAtmosphere(z_km);
}

}  // namespace sim::physics
