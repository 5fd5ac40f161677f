// A vessel's state as the host's read-outs present it, with the host's visibility rules: during
// the frame's post-step the global state is still that of the step's start, while the surface
// record already describes its end; an attached child reports its parent's surface record.
#pragma once

#include "host_vessel.h"
#include "rigid_body.h"
#include "surface_record.h"

namespace sim::physics {

// Date of the active simulation [MJD].
double CurrentMjd();

// The top of the vessel's attachment chain (itself when free); a chain that loops back
// (vessels hung on each other) ends before it would repeat.
const HostVessel& RootOf(const HostVessel& vessel);

// Position, velocity, attitude and body rates the global getters report.
Kinematics GlobalState(const HostVessel& vessel);

// The vessel's own surface record (attitude and motion relative to the surface and air).
SurfaceRecord OwnSurfaceRecord(const HostVessel& vessel);

// The surface record the read-outs report: the root parent's for an attached child.
SurfaceRecord ReportedSurfaceRecord(const HostVessel& vessel);

}  // namespace sim::physics
