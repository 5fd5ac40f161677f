// The upper stage in flight: the glowing nozzle, the pilot's keys and the fairing jettison.
#include "eds.h"

namespace {

const VECTOR3 kFairingMeshOffset = {{0, 0, 4.6}};  // [m]
constexpr double kGlowRise = 0.25;                 // per second at full thrust: 0 to 1 in 4 s [1/s]
constexpr double kGlowFall = 0.15;                 // per second with the engine off [1/s]
constexpr float kGreenShare = 6.0f;                // the glow's green is a sixth of its red

}  // namespace

void EDS::clbkPostStep(double simt, double simdt, double mjd) {
    VesselWithPM::clbkPostStep(simt, simdt, mjd);
    UpdateNozzleGlow(simdt);
}

// The glow is stored in single precision after each step's change, so it may pass 1 or 0 by one
// step before the next step sets it back to the limit.
void EDS::UpdateNozzleGlow(double simdt) {
    const double level = GetThrusterGroupLevel(THGROUP_MAIN);
    if (level > 0) {
        engineGlow =
            engineGlow > 1 ? 1.0f : static_cast<float>(engineGlow + level * kGlowRise * simdt);
    } else {
        engineGlow = engineGlow > 0 ? static_cast<float>(engineGlow - kGlowFall * simdt) : 0.0f;
    }
    nozzleMaterial.emissive.r = engineGlow;
    nozzleMaterial.emissive.g = engineGlow / kGreenShare;
    if (devMesh) oapiSetMaterial(devMesh, 0, &nozzleMaterial);
}

int EDS::clbkConsumeBufferedKey(DWORD key, bool down, char* kstate) {
    if (!down) return 0;
    switch (key) {
        case OAPI_KEY_J:
            ReleaseLastPayload();
            return 1;
        case OAPI_KEY_K:
            if (KEYMOD_CONTROL(kstate)) return 0;
            JettisonFairing();
            return 1;
        default:
            return 0;
    }
}

void EDS::ReleaseLastPayload() {
    const int count = PayloadManager::GetPayloadsNumber(this);
    if (count > 0) PayloadManager::DetachPayloadByIndex(this, count - 1);
}

void EDS::JettisonFairing() {
    staging::JettisonFairing(Fairing());
}

staging::FairingCarrier EDS::Fairing() {
    return {*this,           kFairingMeshOffset, fairingType,    fairingAttached,
            fairingMass,     fairingMeshes,      fairingSection, fairingMeshName,
            fairingMassText, prefsPath,          spawnedVessel,  spawnedVesselObj};
}
