// Children ride rigidly on their parents and leave with the parent's motion.
#include <gtest/gtest.h>

#include "physics/attachment_pose.h"
#include "physics/rotation.h"

namespace sim::physics {
namespace {

void ExpectNear(const VECTOR3& a, const VECTOR3& b, double tol) {
    EXPECT_NEAR(a.x, b.x, tol);
    EXPECT_NEAR(a.y, b.y, tol);
    EXPECT_NEAR(a.z, b.z, tol);
}

// A payload hung on top of a carrier: the carrier's point at (0, 0, 26) faces up its nose, the
// payload's point at its base (0, 0, -2) faces down.
const AttachmentFrame kOnCarrier{_V(0, 0, 26), _V(0, 0, 1), _V(0, 1, 0)};
const AttachmentFrame kOnPayload{_V(0, 0, -2), _V(0, 0, -1), _V(0, 1, 0)};

TEST(Attachment, DirectionsMeetAntiParallelAndRotationsParallel) {
    const MATRIX3 Q = AttachmentRotation(kOnCarrier, kOnPayload);
    ExpectNear(mul(Q, kOnPayload.dir), -kOnCarrier.dir, 1e-12);
    ExpectNear(mul(Q, kOnPayload.rot), kOnCarrier.rot, 1e-12);
    // A sideways point turns the child as well.
    const AttachmentFrame side{_V(3, 0, 0), _V(1, 0, 0), _V(0, 0, 1)};
    const MATRIX3 Q2 = AttachmentRotation(side, kOnPayload);
    ExpectNear(mul(Q2, kOnPayload.dir), _V(-1, 0, 0), 1e-12);
    ExpectNear(mul(Q2, kOnPayload.rot), _V(0, 0, 1), 1e-12);
}

TEST(Attachment, ChildFollowsPositionAttitudeAndMotionOfTheParent) {
    RigidBody parent;
    parent.r_N = _V(7e6, 1e5, -3e5);
    parent.v_N = _V(10, 7600, 3);
    parent.R = FromEulerAngles(_V(0.3, -0.2, 1.1));
    parent.omega_B = _V(0.01, 0.02, -0.03);
    RigidBody child;
    child.landed = true;
    const MATRIX3 Q = AttachmentRotation(kOnCarrier, kOnPayload);
    PlaceChild(parent, kOnCarrier, kOnPayload, Q, child);
    // The two attachment points coincide in space.
    ExpectNear(parent.r_N + mul(parent.R, kOnCarrier.pos), child.r_N + mul(child.R, kOnPayload.pos),
               1e-6);
    ExpectNear(mul(child.R, kOnPayload.dir), -mul(parent.R, kOnCarrier.dir), 1e-12);
    ExpectNear(child.v_N, parent.v_N, 0.0);
    ExpectNear(mul(child.R, child.omega_B), mul(parent.R, parent.omega_B), 1e-15);
    EXPECT_FALSE(child.landed);

    // Released with 1 m/s along the carrier point's direction: plus the parent's turning at the
    // child's centre of gravity, 28 m up the nose.
    const VECTOR3 v = ReleaseVelocity(parent, child, kOnCarrier, 1.0);
    const VECTOR3 turning = mul(parent.R, crossp(_V(0, 0, 28), parent.omega_B));
    ExpectNear(v, parent.v_N + turning + mul(parent.R, _V(0, 0, 1)), 1e-9);
}

}  // namespace
}  // namespace sim::physics
