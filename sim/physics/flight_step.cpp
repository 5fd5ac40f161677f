// The flight physics inside the host's frame (see flight_physics.h).
#include "flight_physics.h"

#include <algorithm>
#include <vector>

#include "attachment_pose.h"
#include "state_bounds.h"
#include "vessel_flight_state.h"
#include "vessel_forces.h"
#include "world.h"

namespace sim {
namespace {

constexpr double kSecondsPerDay = 86400.0;

physics::AttachmentFrame FrameOf(const AttachmentRecord& point) {
    return {point.pos, point.dir, point.rot};
}

void BeginStep(HostVessel& vessel) {
    vessel.body.step_start = vessel.body;
    vessel.body.in_step = true;
}

// A step that leaves a vessel's state beyond the range a scenario can hold (forces beyond any
// number, a force that is none) is not taken: the vessel keeps the state it began the step with,
// and is reported once until one of its steps succeeds again.
void KeepStateWithinBounds(World& world, HostVessel& vessel, const physics::RigidBody& before) {
    if (physics::WithinBounds(vessel.body)) {
        vessel.body.held = false;
        return;
    }
    const bool reported = before.held;
    vessel.body = before;
    BeginStep(vessel);
    vessel.body.held = true;
    if (!reported)
        world.warn("vessel \"" + vessel.name +
                   "\": a step would take it beyond 1e15 m, the speed of light or 1000 rad/s, or "
                   "to no number; it keeps the state it had");
}

// Places the children hanging on `parent` (and theirs) rigidly on it.
void PlaceChildren(World& world, HostVessel& parent, std::vector<const HostVessel*>& placed) {
    placed.push_back(&parent);
    for (const auto& point : parent.childPoints) {
        HostVessel* child = point->connected;
        if (child == nullptr || point->mate == nullptr) continue;
        if (std::find(placed.begin(), placed.end(), child) != placed.end()) continue;
        const physics::RigidBody before = child->body;
        BeginStep(*child);
        const physics::AttachmentFrame at_parent = FrameOf(*point),
                                       at_child = FrameOf(*point->mate);
        physics::PlaceChild(parent.body, at_parent, at_child,
                            physics::AttachmentRotation(at_parent, at_child), child->body);
        KeepStateWithinBounds(world, *child, before);
        PlaceChildren(world, *child, placed);
    }
}

}  // namespace

void integrateFlight(World& world, double t0, double dt) {
    const double mjd0 = world.startMjd + t0 / kSecondsPerDay;
    std::vector<HostVessel*> roots;
    for (const auto& v : world.vessels) {
        if (&physics::RootOf(*v) == v.get()) roots.push_back(v.get());
    }
    for (HostVessel* v : roots) {
        const physics::SurfaceRecord air = physics::OwnSurfaceRecord(*v);
        const physics::MotionInputs in = physics::GatherForces(*v, air, dt);
        const physics::RigidBody before = v->body;
        BeginStep(*v);
        physics::AdvanceMotion(v->body, in, v->touchdownPoints, mjd0, dt);
        KeepStateWithinBounds(world, *v, before);
    }
    std::vector<const HostVessel*> placed;
    for (HostVessel* v : roots) PlaceChildren(world, *v, placed);
    // AddForce acts for one step; so do the forces of children, which ride on their parents.
    for (const auto& v : world.vessels) v->extraForces.clear();
}

void finaliseFlight(World& world) {
    for (const auto& v : world.vessels) {
        physics::RigidBody& body = v->body;
        body.in_step = false;
        // Attached children report contact only when landed; the host checks close to the ground.
        const bool attached = v->attachedTo() != nullptr;
        const bool low = physics::OwnSurfaceRecord(*v).altitude < 2.0 * v->size;
        v->groundContact = body.landed || (!attached && low && body.in_contact);
    }
}

}  // namespace sim
