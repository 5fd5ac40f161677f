// What the probe vessel module records from inside the host's frame, and what it is told to do
// there.
#pragma once

#include "orbitersdk.h"

struct ProbeLog {
    // Read in the last pre-step.
    VECTOR3 pre_pos{};
    double pre_altitude = 0.0;
    // Read in the last post-step.
    VECTOR3 post_pos{};
    VECTOR3 post_status_rpos{};
    double post_altitude = 0.0;
    double post_pitch = 0.0;
    double post_mass = 0.0;
    bool post_contact = false;
    // Set by the test: a body rate the next post-step applies, then clears.
    bool spin_in_post_step = false;
    VECTOR3 spin{};
};

// Exported by the probe module: the record of one of its vessels.
using ProbeLogOfFn = ProbeLog* (*)(VESSEL*);
