#include "launcher.h"

#include "arvex.h"

namespace app {

namespace {

constexpr int kCoreProbeMessage = 13097;  // answered non-zero by core vessels only
constexpr int kKilometre = 1000;          // [m]

Arvex* asCore(const sim::HostVessel& vessel) {
    VESSEL3* callbacks = vessel.callbacks3();
    if (callbacks == nullptr || callbacks->clbkGeneric(kCoreProbeMessage, 0, nullptr) == 0) {
        return nullptr;
    }
    return static_cast<Arvex*>(callbacks);
}

}  // namespace

std::optional<GuidanceReadout> readGuidance(const sim::HostVessel& vessel) {
    Arvex* core = asCore(vessel);
    if (core == nullptr) return std::nullopt;
    return GuidanceReadout{core->GetGuidancePhase(),
                           core->GetAutopilotEngaged() == 1,
                           core->GetTargetApoapsisKm() * kKilometre,
                           core->GetTargetHeading(),
                           core->GetEstimatedInclination(),
                           core->GetMissionTime(),
                           core->GetCorePropellant(),
                           core->GetBoosterPropellant(),
                           core->GetPayloadMass()};
}

}  // namespace app
