// The core vessel's command interface as seen from another module: the probe module
// (core_command_probe.cpp) is built against arvex.h without linking the core module, as the
// control MFD is, and hands the tests one plain function per operation, each taking the
// VESSEL interface that the host gives out for a core vessel.
#pragma once

#include "orbitersdk.h"

struct CoreCommandTable {
    void (*JettisonFairing)(VESSEL*);
    void (*CycleAccelLimit)(VESSEL*);
    void (*ToggleAutopilot)(VESSEL*);
    int (*GetGuidancePhase)(VESSEL*);
    int (*GetAutopilotEngaged)(VESSEL*);
    int (*GetMissionTime)(VESSEL*);
    void (*SetTargetApoapsis)(VESSEL*, double);
    double (*GetTargetApoapsisKm)(VESSEL*);
    double (*GetAccelLimit)(VESSEL*);
    void (*DetachLastPayload)(VESSEL*);
    double (*GetApoapsisAltitude)(VESSEL*);
    double (*GetPeriapsisAltitude)(VESSEL*);
    double (*GetCurrentHeading)(VESSEL*);
    double (*GetEstimatedInclination)(VESSEL*);
    void (*SetTargetHeading)(VESSEL*, double);
    double (*GetTargetHeading)(VESSEL*);
    double (*GetPayloadMass)(VESSEL*);
    double (*GetCorePropellant)(VESSEL*);
    double (*GetBoosterPropellant)(VESSEL*);
    double (*GetLaunchOffset)(VESSEL*);
    void (*ToggleFairingVisibility)(VESSEL*);
    int (*Generic)(VESSEL*, int msgid, int prm, void* context);  // clbkGeneric

    // Virtual-table positions of the 21 own operations, in declaration order, as the
    // compiler laid them out for this module.
    int positions[21];
};

// The probe module's one export.
using CoreCommandTableFunction = const CoreCommandTable* (*)();
inline constexpr const char* kCoreCommandTableSymbol = "CoreCommands";
