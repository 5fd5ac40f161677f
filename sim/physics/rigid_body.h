// Kinematic state of one vessel as the flight physics integrates it.
#pragma once

#include "orbiter_api.h"

namespace sim::physics {

// Where a landed vessel sits on the rotating planet. While landed the global state is
// rebuilt every step from this record, so the vessel turns with the surface.
struct SurfaceFix {
    double longitude = 0.0;      // [rad], east positive
    double latitude = 0.0;       // [rad], north positive
    double heading = 0.0;        // of the touchdown plane's forward direction [rad], 0 = north
    double cog_elevation = 0.0;  // height of the centre of gravity over the terrain [m]
    // Vessel-local → planet-frame rotation: upright on the touchdown plane at the heading.
    MATRIX3 R_local_to_planet = {{1, 0, 0, 0, 1, 0, 0, 0, 1}};
};

// Position, velocity and attitude in the global frame.
struct Kinematics {
    VECTOR3 r_N = {{0, 0, 0}};                  // relative to Earth's centre, global axes [m]
    VECTOR3 v_N = {{0, 0, 0}};                  // relative to Earth's centre, global axes [m/s]
    MATRIX3 R = {{1, 0, 0, 0, 1, 0, 0, 0, 1}};  // vessel-local → global, kept orthonormal
    VECTOR3 omega_B = {{0, 0, 0}};              // angular velocity in vessel axes [rad/s]
};

struct RigidBody : Kinematics {
    bool landed = false;
    SurfaceFix surface;            // valid while landed
    double rest_in_contact = 0.0;  // time spent in contact and at rest [s]
    bool in_contact = false;       // a touchdown point met the ground in the last step
    bool held = false;  // a step went beyond the state bounds; the state is the one before it

    // Between the physics step and the end of the frame the host's global getters still report
    // the state the step began from, while everything else already describes its end.
    bool in_step = false;
    Kinematics step_start;
};

}  // namespace sim::physics
