// Thruster levels and propellant flow as the current host computes them: a permanent level and
// a single-step override per thruster, the effective level clamp(permanent + override, 0, 1)
// recomputed every step, thrusters on empty or missing tanks shut down, and propellant burnt at
// the vacuum rate maxth0·L / (efficiency·isp0).
#pragma once

#include "orbiter_api.h"

namespace sim {

class HostVessel;
struct ThrusterRecord;
struct ThrusterGroupRecord;

void setPermanentLevel(ThrusterRecord& th, double level);
void incPermanentLevel(ThrusterRecord& th, double dlevel);
void setSingleStepLevel(ThrusterRecord& th, double level);
void incSingleStepLevel(ThrusterRecord& th, double dlevel);

void setGroupLevel(ThrusterGroupRecord& group, double level);
void incGroupLevel(ThrusterGroupRecord& group, double dlevel);
void incGroupSingleStepLevel(ThrusterGroupRecord& group, double dlevel);
// Mean of the members' effective levels; 0 for an empty group.
double groupLevel(const ThrusterGroupRecord& group);

// Scale of thrust and Isp at ambient pressure p [Pa]: max(0, 1 - p·η).
double pressureScale(const ThrusterRecord& th, double pressure);

// Start of the physics step: effective levels from permanent + override; thrusters whose tank
// is missing or empty go to 0 for good; tank masses noted for the flow rate.
void beginThrustStep(HostVessel& vessel);
// End of the physics step: propellant burnt over dt, flow rates, single-step overrides cleared.
void endThrustStep(HostVessel& vessel, double dt);

// The propellant and engine parts of a VESSELSTATUS: flag[0] & 2 fills the default tank to
// `fuel`, flag[0] & 1 sets the main/retro/hover groups from eng_main and eng_hovr.
void applyStatusLevels(HostVessel& vessel, const VESSELSTATUS& status);

}  // namespace sim
