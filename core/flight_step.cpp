// What the core vessel does every frame: before the physics, the automatic fairing jettison,
// the shock vapour around Mach 1 and the boosters' throttle, burnout and smoke; after it, the
// payload library's and the flight computer's steps, the one-time notification of payloads
// that offer the XR vessel control interface, the engine glow and the main engines' thrust
// vector control.
#include "arvex.h"
#include "flight_computer.h"
#include "win_services.h"

namespace {

constexpr double kFairingJettisonFloor = 1000.0;      // [m]
constexpr double kFairingJettisonCeiling = 100000.0;  // [m]
constexpr double kFairingJettisonMaxQ = 100.0;        // dynamic pressure [Pa]
constexpr double kShockVapourMachLow = 1.0;
constexpr double kShockVapourMachHigh = 1.05;
constexpr double kBoosterSmokeFloor = 10000.0;    // [m]
constexpr double kBoosterSmokeCeiling = 24000.0;  // [m]
constexpr double kGlowRiseRate = 0.25;            // per second at full throttle
constexpr double kGlowDecayRate = 0.15;           // per second
constexpr float kGlowGreenShare = 0.16666667f;    // green of the glow colour, relative to red

// Position of the XR vessel control operation in a payload's virtual table: the ninth own
// operation after the host's 35 callbacks.
constexpr int kXrOperationSlot = 43;
constexpr const char* kXrFlagSymbol = "XRVesselCtrlFlag";

void JettisonFairingInThinAir(Arvex& v) {
    if (v.fairingType == 0 || v.fairingAttached != 1) return;
    const double altitude = v.GetAltitude();
    if (altitude > kFairingJettisonFloor && altitude < kFairingJettisonCeiling &&
        v.GetDynPressure() < kFairingJettisonMaxQ)
        v.JettisonFairing();
}

void UpdateShockVapour(Arvex& v) {
    const double mach = v.GetMachNumber();
    const bool transonic = mach > kShockVapourMachLow && mach < kShockVapourMachHigh;
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
    const double altitude = v.GetAltitude();
    const bool smokeBand = altitude >= kBoosterSmokeFloor && altitude <= kBoosterSmokeCeiling;
    v.boosterSmokeLevel = smokeBand ? mainLevel : 0.0;
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

// The glow follows the main throttle. The bounds are tested on the glow from before the step's
// change, so one step may carry it past a bound by one increment and the next brings it back.
void UpdateEngineGlow(Arvex& v, double simdt) {
    const double mainLevel = v.GetThrusterGroupLevel(THGROUP_MAIN);
    if (mainLevel > 0.0) {
        if (v.engineGlow > 1.0f)
            v.engineGlow = 1.0f;
        else
            v.engineGlow = static_cast<float>(v.engineGlow + mainLevel * kGlowRiseRate * simdt);
    } else if (v.engineGlow > 0.0f) {
        v.engineGlow = static_cast<float>(v.engineGlow - kGlowDecayRate * simdt);
    } else {
        v.engineGlow = 0.0f;
    }
    v.glowMaterialSpec.emissive.r = v.engineGlow;
    v.glowMaterialSpec.emissive.g = v.engineGlow * kGlowGreenShare;
    if (v.coreDevMesh) oapiSetMaterial(v.coreDevMesh, v.glowMaterial, &v.glowMaterialSpec);
}

// The pilot's attitude input, read from the sensor thrusters, gimbals the two main engines: a
// common y deflection pitches, a common x deflection yaws, opposite y deflections of the
// engines at x = +1.4 and x = -1.4 roll.
void SteerMainEngines(Arvex& v) {
    const auto level = [&v](int sensor) { return v.GetThrusterLevel(v.attitudeSensors[sensor]); };
    v.pitchInput = level(1) - level(0);
    v.pitchDeflection = v.gimbalRange * v.pitchInput;
    v.yawInput = level(3) - level(2);
    v.yawDeflection = v.gimbalRange * v.yawInput;
    v.bankInput = level(5) - level(4);
    v.bankDeflection = v.gimbalRange * v.bankInput;

    const double p = v.pitchDeflection;
    const double y = v.yawDeflection;
    const double b = v.bankDeflection;
    v.engineDir[0] = unit(_V(y, p - b, 1.0 - (b + p)));
    v.engineDir[1] = unit(_V(y, p + b, 1.0 - (b + p)));
    v.SetThrusterDir(v.mainEngines[0], v.engineDir[0]);
    v.SetThrusterDir(v.mainEngines[1], v.engineDir[1]);
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
    SteerMainEngines(*this);
}
