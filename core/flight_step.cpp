// What the core vessel does every frame: before the physics, the automatic fairing jettison,
// the shock vapour around Mach 1 and the boosters' throttle, burnout and smoke; after it, the
// payload library's and the flight computer's steps, the one-time notification of payloads
// that offer the XR vessel control interface, the engine glow and the main engines' thrust
// vector control.
#include "arvex.h"
#include "flight_computer.h"
#include "flight_step_rules.h"
#include "win_services.h"

namespace {

using namespace flight_rules;

constexpr float kGlowGreenShare = 0.16666667f;  // green of the glow colour, relative to red

// Position of the XR vessel control operation in a payload's virtual table: the ninth own
// operation after the host's 35 callbacks.
constexpr int kXrOperationSlot = 43;
constexpr const char* kXrFlagSymbol = "XRVesselCtrlFlag";

void JettisonFairingInThinAir(Arvex& v) {
    if (v.fairingType == 0 || v.fairingAttached != 1) return;
    if (FairingJettisonWindow(v.GetAltitude(), v.GetDynPressure())) v.JettisonFairing();
}

void UpdateShockVapour(Arvex& v) {
    const bool transonic = ShockVapourBand(v.GetMachNumber());
    v.coreVapourLevel = transonic ? 1.0 : 0.0;
    // The boosters' vapour streams stay on the core after separation; they must not show then.
    v.boosterVapourLevel = transonic && v.boostersAttached == 1 ? 1.0 : 0.0;
}

void RunBoosters(Arvex& v) {
    if (v.boostersAttached != 1) {
        v.boosterSmokeLevel = 0.0;
        return;
    }
    const double mainLevel = v.GetThrusterGroupLevel(THGROUP_MAIN);
    v.SetThrusterLevel(v.boosterEngine, mainLevel);
    if (v.GetPropellantMass(v.boosterTank) == 0.0) v.SeparateBoosters();
    // Decided from the level of this frame even when the boosters have just separated.
    v.boosterSmokeLevel = BoosterSmokeBand(v.GetAltitude()) ? mainLevel : 0.0;
}

// Whether the payload's module exports the XR flag and has it set.
bool OffersXrControl(VESSEL& payload) {
    const HMODULE module = GetModuleHandleA(payload.GetClassName());
    if (!module) return false;
    const auto* flag = reinterpret_cast<const char*>(GetProcAddress(module, kXrFlagSymbol));
    return flag && *flag != 0;
}

// Calls the XR operation on the payload's object. The VESSEL interface the host hands out
// lies right after the object's virtual-table pointer; the operation takes no arguments and
// its result is not used.
void CallXrOperation(VESSEL& payload) {
    VESSEL2* object = static_cast<VESSEL2*>(&payload);
    void* const* vtable = *reinterpret_cast<void* const* const*>(object);
    reinterpret_cast<void (*)(VESSEL2*)>(vtable[kXrOperationSlot])(object);
}

void NotifyXrPayloads(Arvex& v) {
    // The count is asked again before every index: a notified payload may change it.
    for (int i = 0; i < PayloadManager::GetPayloadsNumber(&v); ++i) {
        VESSEL* payload = oapiGetVesselInterface(PayloadManager::GetPayloadByIndex(&v, i));
        // A plain vessel (Version 0) has no virtual table to call through.
        if (!payload || payload->Version() < 1 || !OffersXrControl(*payload)) continue;
        CallXrOperation(*payload);
    }
    v.xrNotifyPending = false;
}

void UpdateEngineGlow(Arvex& v, double simdt) {
    v.engineGlow = NextEngineGlow(v.engineGlow, v.GetThrusterGroupLevel(THGROUP_MAIN), simdt);
    v.glowMaterialSpec.emissive.r = v.engineGlow;
    v.glowMaterialSpec.emissive.g = v.engineGlow * kGlowGreenShare;
    if (v.coreDevMesh) oapiSetMaterial(v.coreDevMesh, v.glowMaterial, &v.glowMaterialSpec);
}

}  // namespace

void Arvex::clbkPreStep(double simt, double simdt, double mjd) {
    PayloadManager::clbkPreStep(this, simt, simdt, mjd);
    JettisonFairingInThinAir(*this);
    UpdateShockVapour(*this);
    RunBoosters(*this);
}

void Arvex::clbkPostStep(double simt, double simdt, double mjd) {
    PayloadManager::clbkPostStep(this, simt, simdt, mjd);
    flightComputer->step(simt, simdt);
    if (xrNotifyPending) NotifyXrPayloads(*this);
    UpdateEngineGlow(*this, simdt);
    SteerMainEngines();
}

// The attitude input, read from the sensor thrusters, gimbals the two main engines.
void Arvex::SteerMainEngines() {
    const auto level = [this](int sensor) { return GetThrusterLevel(attitudeSensors[sensor]); };
    pitchInput = level(1) - level(0);
    pitchDeflection = gimbalRange * pitchInput;
    yawInput = level(3) - level(2);
    yawDeflection = gimbalRange * yawInput;
    bankInput = level(5) - level(4);
    bankDeflection = gimbalRange * bankInput;

    const auto dirs = GimballedEngineDirections(pitchDeflection, yawDeflection, bankDeflection);
    engineDir[0] = dirs[0];
    engineDir[1] = dirs[1];
    SetThrusterDir(mainEngines[0], engineDir[0]);
    SetThrusterDir(mainEngines[1], engineDir[1]);
}
