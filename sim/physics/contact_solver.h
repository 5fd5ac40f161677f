// Impulses that stop a rigid body's points from moving into the ground: a small linear
// complementarity problem over the contact normals, solved directly so that widely spread
// contacts on a slender body (a rocket on its pad) come to rest exactly.
#pragma once

#include <vector>

#include "free_flight.h"
#include "orbiter_api.h"
#include "rigid_body.h"

namespace sim::physics {

struct ContactRow {
    VECTOR3 up_N{};        // surface normal at the point, global axes (unit)
    VECTOR3 pos_B{};       // the point, vessel axes [m]
    VECTOR3 ground_v_N{};  // velocity of the ground under the point [m/s]
    // Normal velocity the point may keep towards the ground [m/s] (negative: it may close a
    // small gap within the step).
    double target_velocity = 0.0;
};

// Applies to body the non-negative normal impulses after which no point moves into the ground
// faster than its target; contacts that would have to pull are released. Returns the sum of the
// normal impulses [N s].
double ApplyContactImpulses(RigidBody& body, const MassProperties& mp,
                            const std::vector<ContactRow>& rows);

}  // namespace sim::physics
