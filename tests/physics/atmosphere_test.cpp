// The atmosphere against the US Standard Atmosphere 1976 and its continuation above 90 km.
#include <gtest/gtest.h>

#include <cmath>

#include "physics/atmosphere.h"

namespace sim::physics {
namespace {

// Geometric altitude [m] of a geopotential height [km] in the host's model.
double GeometricAltitude(double h_km) {
    return 1000.0 * h_km * 6369.0 / (6369.0 - h_km);
}

TEST(Atmosphere, LayerBasesMatchTheStandardTable) {
    struct Base {
        double h_km, temperature, pressure_ratio;
    };
    const Base bases[] = {{0, 288.15, 1.0},           {11, 216.65, 2.233611e-1},
                          {20, 216.65, 5.403295e-2},  {32, 228.65, 8.5666784e-3},
                          {47, 270.65, 1.0945601e-3}, {51, 270.65, 6.6063531e-4},
                          {71, 214.65, 3.9046834e-5}};
    for (const Base& b : bases) {
        const AtmosphereSample s = SampleAtmosphere(GeometricAltitude(b.h_km));
        EXPECT_NEAR(s.temperature, b.temperature, 1e-6) << b.h_km << " km";
        EXPECT_NEAR(s.pressure / 101325.0, b.pressure_ratio, 2e-4 * b.pressure_ratio)
            << b.h_km << " km";
        EXPECT_NEAR(s.density, 1.2247 * b.pressure_ratio * 288.15 / b.temperature, 2e-4 * s.density)
            << b.h_km << " km";
        EXPECT_NEAR(s.speed_of_sound, std::sqrt(1.4 * 286.91 * b.temperature), 1e-9)
            << b.h_km << " km";
    }
}

TEST(Atmosphere, PublishedValuesAtGeometricAltitudes) {
    struct Point {
        double z, temperature, pressure, density;  // [m], [K], [Pa], [kg/m^3]
    };
    // US Standard Atmosphere 1976 tables.
    const Point points[] = {{0, 288.15, 101325, 1.2250},        {5000, 255.68, 54048, 0.73643},
                            {10000, 223.25, 26500, 0.41351},    {30000, 226.51, 1197.0, 1.8410e-2},
                            {50000, 270.65, 79.779, 1.0269e-3}, {80000, 198.64, 1.0524, 1.8458e-5}};
    for (const Point& p : points) {
        const AtmosphereSample s = SampleAtmosphere(p.z);
        EXPECT_NEAR(s.temperature, p.temperature, 0.01) << p.z;
        EXPECT_NEAR(s.pressure, p.pressure, 2e-3 * p.pressure) << p.z;
        EXPECT_NEAR(s.density, p.density, 3e-3 * p.density) << p.z;
    }
}

TEST(Atmosphere, ContinuousAcrossTheModelBoundaries) {
    for (double z : {85e3, 90e3}) {
        const AtmosphereSample below = SampleAtmosphere(z - 1.0);
        const AtmosphereSample above = SampleAtmosphere(z + 1.0);
        EXPECT_NEAR(above.density / below.density, 1.0, 1e-3) << z;
        EXPECT_NEAR(above.pressure / below.pressure, 1.0, 1e-3) << z;
        EXPECT_NEAR(above.temperature, below.temperature, 1.0) << z;
    }
}

TEST(Atmosphere, ThinsOutSmoothlyToTheLimitThenVacuum) {
    double previous = SampleAtmosphere(90e3).density;
    for (double z = 100e3; z < kAtmosphereLimit; z += 50e3) {
        const AtmosphereSample s = SampleAtmosphere(z);
        EXPECT_LT(s.density, previous) << z;
        EXPECT_GT(s.density, 0.0) << z;
        EXPECT_GT(s.pressure, 0.0) << z;
        EXPECT_GE(s.temperature, 180.0) << z;
        EXPECT_LE(s.temperature, 1000.0) << z;
        previous = s.density;
    }
    // Within a factor of a few of the 1976 standard in low orbit.
    EXPECT_NEAR(std::log10(SampleAtmosphere(200e3).density), std::log10(2.54e-10), 0.6);
    EXPECT_NEAR(std::log10(SampleAtmosphere(400e3).density), std::log10(2.80e-12), 0.6);

    const AtmosphereSample vacuum = SampleAtmosphere(kAtmosphereLimit);
    EXPECT_FALSE(InsideAtmosphere(kAtmosphereLimit));
    EXPECT_EQ(vacuum.pressure, 0.0);
    EXPECT_EQ(vacuum.density, 0.0);
    EXPECT_EQ(vacuum.temperature, 0.0);
    EXPECT_EQ(vacuum.speed_of_sound, 0.0);
}

}  // namespace
}  // namespace sim::physics
