// A module that reaches a core vessel the way the control MFD does: it converts the host's
// VESSEL interface to Arvex and calls the own operations through the virtual table.
#include <cstring>

#include "arvex.h"
#include "core_command_table.h"

namespace {

Arvex* AsArvex(VESSEL* vessel) {
    return static_cast<Arvex*>(vessel);
}

// Position of a virtual operation in the virtual table, read from its member pointer (the
// Itanium C++ ABI stores one plus the entry's byte offset there).
template <typename Member>
int PositionOf(Member member) {
    static_assert(sizeof(Member) == 2 * sizeof(std::ptrdiff_t));
    std::ptrdiff_t raw[2];
    std::memcpy(raw, &member, sizeof raw);
    return static_cast<int>((raw[0] - 1) / static_cast<std::ptrdiff_t>(sizeof(void*)));
}

const CoreCommandTable kTable = {
    [](VESSEL* v) { AsArvex(v)->JettisonFairing(); },
    [](VESSEL* v) { AsArvex(v)->CycleAccelLimit(); },
    [](VESSEL* v) { AsArvex(v)->ToggleAutopilot(); },
    [](VESSEL* v) { return AsArvex(v)->GetGuidancePhase(); },
    [](VESSEL* v) { return AsArvex(v)->GetAutopilotEngaged(); },
    [](VESSEL* v) { return AsArvex(v)->GetMissionTime(); },
    [](VESSEL* v, double altitude) { AsArvex(v)->SetTargetApoapsis(altitude); },
    [](VESSEL* v) { return AsArvex(v)->GetTargetApoapsisKm(); },
    [](VESSEL* v) { return AsArvex(v)->GetAccelLimit(); },
    [](VESSEL* v) { AsArvex(v)->DetachLastPayload(); },
    [](VESSEL* v) { return AsArvex(v)->GetApoapsisAltitude(); },
    [](VESSEL* v) { return AsArvex(v)->GetPeriapsisAltitude(); },
    [](VESSEL* v) { return AsArvex(v)->GetCurrentHeading(); },
    [](VESSEL* v) { return AsArvex(v)->GetEstimatedInclination(); },
    [](VESSEL* v, double heading) { AsArvex(v)->SetTargetHeading(heading); },
    [](VESSEL* v) { return AsArvex(v)->GetTargetHeading(); },
    [](VESSEL* v) { return AsArvex(v)->GetPayloadMass(); },
    [](VESSEL* v) { return AsArvex(v)->GetCorePropellant(); },
    [](VESSEL* v) { return AsArvex(v)->GetBoosterPropellant(); },
    [](VESSEL* v) { return AsArvex(v)->GetLaunchOffset(); },
    [](VESSEL* v) { AsArvex(v)->ToggleFairingVisibility(); },
    [](VESSEL* v, int msgid, int prm, void* context) {
        return AsArvex(v)->clbkGeneric(msgid, prm, context);
    },
    {
        PositionOf(&Arvex::JettisonFairing),         PositionOf(&Arvex::CycleAccelLimit),
        PositionOf(&Arvex::ToggleAutopilot),         PositionOf(&Arvex::GetGuidancePhase),
        PositionOf(&Arvex::GetAutopilotEngaged),     PositionOf(&Arvex::GetMissionTime),
        PositionOf(&Arvex::SetTargetApoapsis),       PositionOf(&Arvex::GetTargetApoapsisKm),
        PositionOf(&Arvex::GetAccelLimit),           PositionOf(&Arvex::DetachLastPayload),
        PositionOf(&Arvex::GetApoapsisAltitude),     PositionOf(&Arvex::GetPeriapsisAltitude),
        PositionOf(&Arvex::GetCurrentHeading),       PositionOf(&Arvex::GetEstimatedInclination),
        PositionOf(&Arvex::SetTargetHeading),        PositionOf(&Arvex::GetTargetHeading),
        PositionOf(&Arvex::GetPayloadMass),          PositionOf(&Arvex::GetCorePropellant),
        PositionOf(&Arvex::GetBoosterPropellant),    PositionOf(&Arvex::GetLaunchOffset),
        PositionOf(&Arvex::ToggleFairingVisibility),
    },
};

}  // namespace

DLLCLBK const CoreCommandTable* CoreCommands() {
    return &kTable;
}
