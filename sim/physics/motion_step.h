// One physics step of one vessel's motion: landed vessels follow the surface until a force acts
// on them, free vessels fly under gravity and the step's load and are kept out of the ground.
#pragma once

#include <vector>

#include "aerodynamics.h"
#include "free_flight.h"
#include "orbiter_api.h"
#include "rigid_body.h"

namespace sim::physics {

struct MotionInputs {
    Load load;  // forces and torques of the step, vessel axes
    MassProperties mass;
    bool force_active = false;    // any force besides gravity acts (thrust, AddForce, ...)
    bool thrust_engaged = false;  // a thruster is firing
};

struct MotionOutcome {
    bool lifted_off = false;  // left the landed state in this step
    bool landed = false;      // came to rest and was frozen onto the surface in this step
};

// Advances body over dt [s] from date mjd0 [MJD]; body.in_contact tells whether it met the ground.
MotionOutcome AdvanceMotion(RigidBody& body, const MotionInputs& in,
                            const std::vector<TOUCHDOWNVTX>& touchdown, double mjd0, double dt);

}  // namespace sim::physics
