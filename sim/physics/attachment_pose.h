// How an attached child rides on its parent.
#pragma once

#include "orbiter_api.h"
#include "rigid_body.h"

namespace sim::physics {

// An attachment point in its owner's axes.
struct AttachmentFrame {
    VECTOR3 pos{};  // [m]
    VECTOR3 dir{};  // approach direction (unit)
    VECTOR3 rot{};  // longitudinal alignment (unit, orthogonal to dir)
};

// Child axes → parent axes when the child's parent-type point meets the parent's child-type
// point: the dir vectors end up anti-parallel, the rot vectors parallel.
MATRIX3 AttachmentRotation(const AttachmentFrame& at_parent, const AttachmentFrame& at_child);

// Places the child rigidly on the parent (child_to_parent from AttachmentRotation, or the frozen
// relative orientation of a loose attachment). The child moves with the parent's velocity.
void PlaceChild(const RigidBody& parent, const AttachmentFrame& at_parent,
                const AttachmentFrame& at_child, const MATRIX3& child_to_parent, RigidBody& child);

// Velocity [m/s] of a child released from the parent: the parent's motion at the child's centre
// of gravity plus speed [m/s] along the parent point's dir.
VECTOR3 ReleaseVelocity(const RigidBody& parent, const RigidBody& child,
                        const AttachmentFrame& at_parent, double speed);

}  // namespace sim::physics
