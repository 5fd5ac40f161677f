#include "vessel_flight_state.h"

#include <algorithm>
#include <vector>

#include "ground_contact.h"
#include "simulation.h"

namespace sim::physics {
namespace {

// The rigid body with a landed vessel carried along to the current date (the date can change
// after placement, when a scenario sets it after creating its vessels).
RigidBody CurrentBody(const HostVessel& vessel) {
    RigidBody body = vessel.body;
    if (body.landed && !body.in_step) FollowSurface(body, CurrentMjd());
    return body;
}

}  // namespace

const HostVessel& RootOf(const HostVessel& vessel) {
    std::vector<const HostVessel*> chain{&vessel};
    while (const AttachmentRecord* point = chain.back()->attachedTo()) {
        if (std::find(chain.begin(), chain.end(), point->owner) != chain.end()) break;
        chain.push_back(point->owner);
    }
    return *chain.back();
}

double CurrentMjd() {
    const Simulation* sim = Simulation::current();
    return sim != nullptr ? sim->mjd() : earth::kReferenceMjd;
}

Kinematics GlobalState(const HostVessel& vessel) {
    if (vessel.body.in_step) return vessel.body.step_start;
    return CurrentBody(vessel);
}

SurfaceRecord OwnSurfaceRecord(const HostVessel& vessel) {
    const RigidBody body = CurrentBody(vessel);
    if (body.landed)
        return LandedRecord(body, CurrentMjd(), TouchdownGeometry(vessel.touchdownPoints).up_B);
    return FreeFlightRecord(body, CurrentMjd());
}

SurfaceRecord ReportedSurfaceRecord(const HostVessel& vessel) {
    return OwnSurfaceRecord(RootOf(vessel));
}

}  // namespace sim::physics
