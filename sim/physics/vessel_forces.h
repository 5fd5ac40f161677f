// The forces and torques a vessel's records produce over one physics step.
#pragma once

#include "host_vessel.h"
#include "motion_step.h"
#include "surface_record.h"

namespace sim::physics {

// Thrust at the effective levels and the ambient pressure, the module's AddForce calls, and
// (free in the atmosphere) airfoils through the module's coefficient functions, drag elements
// read live and rotational damping, or plain body drag for a vessel without airfoils.
// `air` is the vessel's surface record at the start of the step of dt [s]. Stores the
// aerodynamic lift and drag in the vessel record.
MotionInputs GatherForces(HostVessel& vessel, const SurfaceRecord& air, double dt);

}  // namespace sim::physics
