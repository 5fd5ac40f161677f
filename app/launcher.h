// The flight computer of a core vessel as the program sees it: found with the core's recognition
// probe and read through its command interface, as the control MFD reads it. The program is not
// linked against the core module; the calls go through the vessel's virtual table.
#pragma once

#include <optional>

#include "host_vessel.h"

namespace app {

struct GuidanceReadout {
    int phase = 0;  // 0 idle .. 4 circularisation
    bool autopilotEngaged = false;
    double targetApoapsis = 0.0;        // [m] above 6371026 m
    double targetHeading = 0.0;         // [deg]
    double estimatedInclination = 0.0;  // [deg], for a launch from here on the target heading
    int missionTime = 0;                // [s], whole seconds since lift-off
    double corePropellant = 0.0;        // [kg]
    double boosterPropellant = 0.0;     // [kg], 0 once the boosters are gone
    double payloadMass = 0.0;           // [kg]
};

// The guidance read-outs of a core vessel; empty for every other vessel.
std::optional<GuidanceReadout> readGuidance(const sim::HostVessel& vessel);

}  // namespace app
