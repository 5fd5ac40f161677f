// The state of one vessel being read from a scenario: the VESSELSTATUS2 the host prepared for
// clbkLoadStateEx, the host-owned storage behind its lists, the ATTACHED line to bind once all
// vessels exist, and the first unreadable default line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "orbiter_api.h"

namespace sim {

class HostVessel;
class ScenarioCursor;

struct PendingAttachment {
    DWORD ownIndex = 0;     // the child's parent-type attachment point
    DWORD parentIndex = 0;  // the parent's child-type attachment point
    std::string parentName;
    std::string location;  // "<file>:<line>"
};

struct VesselLoad {
    VesselLoad();

    VESSELSTATUS2 status{};
    std::vector<VESSELSTATUS2::FUELSPEC> fuel;
    std::vector<VESSELSTATUS2::THRUSTSPEC> thrusters;
    std::optional<PendingAttachment> attachment;
    std::string error;  // "<file>:<line>: ..." of the first bad line
    ScenarioCursor* cursor = nullptr;
    std::string vesselName;
};

// Offers one line to the default parser. With `load` (the host's own status record) the
// propellant and thruster lists and the ATTACHED line are kept; a bad value is recorded in
// load->error. Lines the default parser does not know are ignored.
void parseDefaultLine(const char* line, VESSELSTATUS2& status, VesselLoad* load);

// Applies a VESSELSTATUS2 to the vessel: propellant and thruster levels, then the kinematic
// state through DefSetState.
void applyStatus2(HostVessel& vessel, const VESSELSTATUS2& status);

// The host's default state lines of the vessel (SaveDefaultState).
void writeDefaultState(const HostVessel& vessel, FILEHANDLE scn);

}  // namespace sim
