#include "attachment_pose.h"

#include "rotation.h"

namespace sim::physics {

MATRIX3 AttachmentRotation(const AttachmentFrame& at_parent, const AttachmentFrame& at_child) {
    const VECTOR3 approach = -at_parent.dir;
    const MATRIX3 parent_basis =
        FromColumns(approach, at_parent.rot, crossp(approach, at_parent.rot));
    const MATRIX3 child_basis =
        FromColumns(at_child.dir, at_child.rot, crossp(at_child.dir, at_child.rot));
    return mul(parent_basis, Transpose(child_basis));
}

void PlaceChild(const RigidBody& parent, const AttachmentFrame& at_parent,
                const AttachmentFrame& at_child, const MATRIX3& child_to_parent, RigidBody& child) {
    child.R = mul(parent.R, child_to_parent);
    child.r_N = parent.r_N + mul(parent.R, at_parent.pos - mul(child_to_parent, at_child.pos));
    child.v_N = parent.v_N;
    child.omega_B = tmul(child_to_parent, parent.omega_B);
    child.landed = false;
    child.rest_in_contact = 0.0;
}

VECTOR3 ReleaseVelocity(const RigidBody& parent, const RigidBody& child,
                        const AttachmentFrame& at_parent, double speed) {
    const VECTOR3 offset_B = tmul(parent.R, child.r_N - parent.r_N);
    const VECTOR3 turning = mul(parent.R, crossp(offset_B, parent.omega_B));
    return child.v_N + turning + mul(parent.R, at_parent.dir) * speed;
}

}  // namespace sim::physics
