// Turning scenario contents into vessels, and creating vessels from a status record.
#pragma once

#include <string>

#include "orbiter_api.h"

namespace sim {

class HostVessel;
class World;
struct ScenarioFile;

// Creates the scenario's vessels in file order (construction, clbkLoadStateEx, state applied),
// binds ATTACHED children, then runs every clbkPostCreation in list order. On a bad vessel the
// vessels of this scenario are removed again and sim::Error names the file and line.
void loadScenarioFile(World& world, const ScenarioFile& scenario);

// oapiCreateVessel: construction, the status applied, insertion at the end of the list, then
// clbkPostCreation. Throws sim::Error.
HostVessel& createVesselFromStatus(World& world, const std::string& name,
                                   const std::string& className, const VESSELSTATUS& status);

// oapiCreateVesselEx: as above with a VESSELSTATUS2 handed to clbkSetStateEx.
HostVessel& createVesselFromStatus2(World& world, const std::string& name,
                                    const std::string& className, const VESSELSTATUS2* status);

}  // namespace sim
