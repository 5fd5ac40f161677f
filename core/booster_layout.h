// The two ways the liquid rocket boosters sit around the core stage: four boosters, or two on
// opposite sides. Everything that differs between the layouts is in these tables.
#pragma once

#include <optional>
#include <span>

#include "orbitersdk.h"

struct BoosterMeshPlacement {
    VECTOR3 offset;  // mesh origin in the core's frame [m]
    // Turn of the whole mesh about rotationRef (mesh frame) and the z axis [rad], if any.
    std::optional<float> rotationAngle;
    VECTOR3 rotationRef;
};

// A booster as it becomes a vessel of its own at separation.
struct SeparatedBooster {
    const char* suffix;          // appended to the core's name
    VECTOR3 position;            // in the core's frame [m]
    std::optional<double> turn;  // about the booster's own z axis [deg]
};

struct BoosterLayout {
    double thrust;           // all boosters together [N]
    double emptyMass;        // all boosters together [kg]
    double tankCapacity;     // shared booster propellant [kg]
    double propellantShare;  // part of the remaining propellant each separated booster gets
    std::span<const BoosterMeshPlacement> meshes;
    std::span<const VECTOR3> flames;          // fixed flame positions [m]
    std::span<const VECTOR3> exhaustStreams;  // on the booster engine [m]
    std::span<const VECTOR3> smokeStreams;    // [m]
    std::span<const VECTOR3> vapourStreams;   // [m]
    std::span<const SeparatedBooster> separated;
};

const BoosterLayout& BoosterLayoutFor(bool twoBoosterLayout);
