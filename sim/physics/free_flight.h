// Integration of a free vessel: gravity of the Earth plus forces and torques that stay fixed in
// the vessel's axes over the step.
#pragma once

#include "orbiter_api.h"
#include "rigid_body.h"

namespace sim::physics {

struct MassProperties {
    double mass = 0.0;  // [kg]
    VECTOR3 pmi{};      // principal moments of inertia divided by the mass [m^2]
};

// Angular acceleration [rad/s^2] from Euler's equations in the host's form: torque tau [N m]
// about the vessel axes, rates omega [rad/s].
VECTOR3 AngularAcceleration(const VECTOR3& omega, const VECTOR3& tau, const MassProperties& mp);

// Advance body over dt [s]. force_B [N] and torque_B [N m] act in vessel axes and are held
// fixed over the step; gravity is re-evaluated along the path. Long steps are divided so that
// an orbit is followed accurately at any time acceleration.
void AdvanceFreeFlight(RigidBody& body, const VECTOR3& force_B, const VECTOR3& torque_B,
                       const MassProperties& mp, double dt);

}  // namespace sim::physics
