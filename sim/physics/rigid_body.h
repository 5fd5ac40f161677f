// Kinematic state of one vessel as the flight physics integrates it.
#pragma once

#include "orbiter_api.h"

namespace sim::physics {

// Where a landed vessel sits on the rotating planet. While landed the global state is
// rebuilt every step from this record, so the vessel turns with the surface.
struct SurfaceFix {
    double longitude = 0.0;    // [rad], east positive
    double latitude = 0.0;     // [rad], north positive
    double heading = 0.0;      // [rad], 0 = north, pi/2 = east
    double cog_elevation = 0.0; // height of the centre of gravity over the terrain [m]
    // Vessel-local → planet-frame rotation, frozen at touchdown (includes pitch/bank
    // from the touchdown plane).
    MATRIX3 R_local_to_planet = {{1, 0, 0, 0, 1, 0, 0, 0, 1}};
};

struct RigidBody {
    VECTOR3 r_N = {{0, 0, 0}};      // position relative to Earth's centre, global axes [m]
    VECTOR3 v_N = {{0, 0, 0}};      // velocity relative to Earth's centre, global axes [m/s]
    MATRIX3 R = {{1, 0, 0, 0, 1, 0, 0, 0, 1}}; // vessel-local → global, kept orthonormal
    VECTOR3 omega_B = {{0, 0, 0}};  // angular velocity in vessel axes [rad/s]

    bool landed = false;
    SurfaceFix surface;             // valid while landed
    double rest_in_contact = 0.0;   // time spent in contact and at rest [s]
};

} // namespace sim::physics
