#include "arvex_spent.h"

#include <strings.h>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "orbiter_module.h"

namespace {

constexpr double kKickTankMass = 1.0;                 // separation thruster propellant [kg]
constexpr double kConfiguredEmptyMass = 250;          // fairing half [kg]
constexpr double kConfiguredSize = 10;                // mean radius [m]
const VECTOR3 kConfiguredPMI = {66.69, 65.46, 6.77};  // [m^2]
const VECTOR3 kConfiguredCrossSections = {8.65, 33.75, 2.81};  // [m^2]
const VECTOR3 kKickPosition = {0, 0, 8};                       // [m]
const VECTOR3 kKickDirection = {0, 1, 0};
constexpr double kKickThrust = 5000;         // [N]
constexpr double kKickIsp = 5000;            // vacuum specific impulse [m/s]
constexpr double kKickIspRef = 0;            // no pressure dependence
constexpr double kKickPressureRef = 101400;  // [Pa]
constexpr double kLifetime = 60;             // lifetime of a configured part [s]
// Airspeed above which ground contact destroys a plain part [m/s].
constexpr double kImpactSpeed = 10;

constexpr char kMeshKey[] = "Mesh";
constexpr std::size_t kMeshKeyLength = sizeof kMeshKey - 1;
constexpr std::size_t kMeshValueOffset = kMeshKeyLength + 1;  // the value follows one separator
constexpr char kTimerKey[] = "Timer";
constexpr std::size_t kTimerKeyLength = sizeof kTimerKey - 1;

}  // namespace

Arvex_spent::Arvex_spent(OBJHANDLE hVessel, int flightModel) : VESSEL3(hVessel, flightModel) {}

void Arvex_spent::clbkSetClassCaps(FILEHANDLE cfg) {
    oapiReadItem_int(cfg, "Config", config);
    kickTank = CreatePropellantResource(kKickTankMass, -1, 1.0);
    if (config != 1) return;
    SetEmptyMass(kConfiguredEmptyMass);
    SetSize(kConfiguredSize);
    SetPMI(kConfiguredPMI);
    SetCrossSections(kConfiguredCrossSections);
    kickThruster = CreateThruster(kKickPosition, kKickDirection, kKickThrust, kickTank, kKickIsp,
                                  kKickIspRef, kKickPressureRef);
}

void Arvex_spent::clbkPostCreation() {
    // A configured part pushes itself clear of the vehicle until its 1 kg tank runs dry. One
    // loaded from a scenario after that stays cold: the host turns a dry engine off, and a
    // saved scenario must read back as it was written.
    if (config == 1 && GetPropellantMass(kickTank) > 0.0) SetThrusterLevel(kickThruster, 1.0);
}

void Arvex_spent::clbkPostStep(double, double simdt, double) {
    if (config == 0) {
        if (GroundContact() && GetAirspeed() > kImpactSpeed) DeleteSelf();
    } else if (config == 1) {
        if (lifeTimer < kLifetime) {
            lifeTimer += simdt;
        } else {
            DeleteSelf();
        }
    }
}

int Arvex_spent::clbkGeneric(int msgid, int, void* context) {
    if (msgid == kMeshMessage && context != nullptr) ShowMesh(static_cast<const char*>(context));
    return 0;
}

void Arvex_spent::clbkLoadStateEx(FILEHANDLE scn, void* status) {
    char* line;
    while (oapiReadScenario_nextline(scn, line)) {
        if (strncasecmp(line, kMeshKey, kMeshKeyLength) == 0) {
            // A bare keyword names no mesh; the value never starts beyond the line's end.
            ShowMesh(std::strlen(line) > kMeshValueOffset ? line + kMeshValueOffset : "");
        } else if (strncasecmp(line, kTimerKey, kTimerKeyLength) == 0) {
            double timer = lifeTimer;
            std::sscanf(line + kTimerKeyLength, "%lf", &timer);
            if (std::isfinite(timer)) lifeTimer = timer;  // else unreadable: no lifetime to count
        } else {
            ParseScenarioLineEx(line, status);
        }
    }
}

void Arvex_spent::clbkSaveState(FILEHANDLE scn) {
    SaveDefaultState(scn);
    if (config != 1) return;
    // Written whole: a name cut to a fixed line length would name another mesh on loading.
    oapiWriteScenario_string(scn, kMeshKey, meshName.c_str());
    oapiWriteScenario_float(scn, kTimerKey, lifeTimer);
}

void Arvex_spent::ShowMesh(const char* name) {
    meshName = name;
    AddMesh(meshName.c_str());
}

// By handle, not by name: another vessel may bear the same name.
void Arvex_spent::DeleteSelf() {
    oapiDeleteVessel(GetHandle(), nullptr);
}

// ---- module entry points ----

DLLCLBK VESSEL* ovcInit(OBJHANDLE hVessel, int flightModel) {
    return new Arvex_spent(hVessel, flightModel);
}

DLLCLBK void ovcExit(VESSEL* vessel) {
    delete static_cast<Arvex_spent*>(vessel);
}
