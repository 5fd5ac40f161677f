#include "motion_step.h"

#include "ground_contact.h"

namespace sim::physics {

MotionOutcome AdvanceMotion(RigidBody& body, const MotionInputs& in,
                            const std::vector<TOUCHDOWNVTX>& touchdown, double mjd0, double dt) {
    constexpr double kSecondsPerDay = 86400.0;
    const double mjd1 = mjd0 + dt / kSecondsPerDay;
    MotionOutcome out;
    if (dt <= 0.0) return out;  // a frame without time moves nothing
    if (body.landed) {
        if (!in.force_active) {
            // Placed afresh every step, so that moved touchdown points take effect.
            const SurfaceFix fix = body.surface;
            PlaceLanded(body, touchdown, fix.longitude, fix.latitude, fix.heading, mjd1);
            body.in_contact = true;
            return out;
        }
        LiftOff(body, mjd0);
        out.lifted_off = true;
    }
    AdvanceFreeFlight(body, in.load.force_B, in.load.torque_B, in.mass, dt);
    body.in_contact = ResolveGroundContact(body, touchdown, in.mass, mjd1, dt);
    out.landed = TrackLanding(body, touchdown, body.in_contact, in.thrust_engaged, dt, mjd1);
    return out;
}

}  // namespace sim::physics
