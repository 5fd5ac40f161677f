// The upper stage's definition: construction, class set-up, post-creation (fairing, fairing
// animation, adapter) and the nozzle material of each visual.
#include "aerodynamics.h"
#include "eds.h"
#include "preferences.h"
#include "shared_rotation.h"

namespace {

// Airframe
constexpr char kMainMeshName[] = "Arvex\\arvex_ms";
constexpr char kAdapterFolder[] = "Arvex\\Adapters\\";
const VECTOR3 kTouchdownNose = {{0, -1, -7.95}};         // [m]
const VECTOR3 kTouchdownLeft = {{-1, 1, -7.95}};         // [m]
const VECTOR3 kTouchdownRight = {{1, 1, -7.95}};         // [m]
const VECTOR3 kVehiclePMI = {{136, 136, 6}};             // without payloads [m^2]
const VECTOR3 kVehicleCrossSections = {{242, 242, 36}};  // without payloads [m^2]
const VECTOR3 kPayloadsInLine = {{0, 0, 1}};  // payloads sit in line with the stage along z
const VECTOR3 kRotDrag = {{1.2, 1.2, 0.2}};
constexpr double kSize = 10;                  // mean radius [m]
constexpr double kEmptyMass = 10000;          // without fairing and payloads [kg]
const VECTOR3 kCameraOffset = {{0, 4.5, 0}};  // [m]

// Aerodynamics
const VECTOR3 kAirfoilRef = {{0, 0, 0}};  // centre of pressure [m]
constexpr double kAirfoilChord = 0;       // [m]
constexpr double kBodyAirfoilArea = 9.5;  // [m^2]
constexpr double kBodyAirfoilAspect = 7.0;
constexpr double kSideAirfoilArea = 6.12;  // [m^2]
constexpr double kSideAirfoilAspect = 1.0;

// Propulsion
constexpr double kTankCapacity = 65000;               // [kg]
constexpr double kIspRef = 0;                         // no pressure dependence
constexpr double kPressureRef = 101400;               // [Pa]
const VECTOR3 kMainEnginePosition = {{0, 0, -7.95}};  // [m]
const VECTOR3 kForward = {{0, 0, 1}};
constexpr double kMainThrust = 1000000;       // [N]
constexpr double kMainIsp = 4450.62;          // vacuum [m/s]
constexpr double kMainFlameLength = 20;       // [m]
constexpr double kMainFlameWidth = 3;         // [m]
constexpr double kAttitudeThrust = 10000;     // [N]
constexpr double kAttitudeIsp = 4410;         // vacuum [m/s]
constexpr double kAttitudeFlameLength = 4;    // [m]
constexpr double kAttitudeFlameWidth = 0.25;  // [m]

struct AttitudeThruster {
    VECTOR3 pos;       // [m]
    VECTOR3 dir;       // thrust direction
    VECTOR3 flamePos;  // [m]
    VECTOR3 flameDir;  // exhaust direction
};
// Two pairs fire up and down on either side for pitch and bank, one each sideways for yaw.
const AttitudeThruster kAttitudeThrusters[6] = {
    {{{-3.15, 0, -4.75}}, {{0, -1, 0}}, {{-3.15, 0.25, -4.75}}, {{0, 1, 0}}},
    {{{3.15, 0, -4.75}}, {{0, -1, 0}}, {{3.15, 0.25, -4.75}}, {{0, 1, 0}}},
    {{{-3.15, 0, -4.75}}, {{0, 1, 0}}, {{-3.15, -0.25, -4.75}}, {{0, -1, 0}}},
    {{{3.15, 0, -4.75}}, {{0, 1, 0}}, {{3.15, -0.25, -4.75}}, {{0, -1, 0}}},
    {{{3.192, 0, -4.763}}, {{-1, 0, 0}}, {{3.192, 0, -4.763}}, {{1, 0, 0}}},
    {{{-3.192, 0, -4.763}}, {{1, 0, 0}}, {{-3.192, 0, -4.763}}, {{-1, 0, 0}}},
};

// Payload handling
const VECTOR3 kAttachmentPosition = {{0, 0, 5}};  // [m]
const VECTOR3 kAttachmentDirection = {{0, 0, 1}};
const VECTOR3 kAttachmentRotation = {{0, 1, 0}};
constexpr double kDetachSpeed = 1.0;     // [m/s]
constexpr double kDetachInterval = 1.0;  // [s]
constexpr int kMaximumPayloads = 12;
constexpr double kCapsRefreshPeriod = 5.0;  // [s]

// The fairing halves are turned into place about the stage's axis.
const VECTOR3 kFairingTurnRef = {{0, 0, 0}};
const VECTOR3 kFairingTurnAxis = {{0, 0, 1}};
const float kFairingHalf1Turn = static_cast<float>(PI05);      // [rad]
const float kFairingHalf2Turn = static_cast<float>(3 * PI05);  // [rad]

// The nozzle material before it glows: white, not emissive.
constexpr COLOUR4 kWhite = {1, 1, 1, 1};
constexpr COLOUR4 kNotEmissive = {0, 0, 0, 1};

SURFHANDLE hydrogenExhaustTexture = nullptr;

// Registers the vehicle's four textures once, when the host loads the module, before any stage
// exists. The stage shows only the hydrogen flame of its main engine.
struct TextureRegistration {
    TextureRegistration() {
        oapiRegisterParticleTexture("Arvex//lrb-particle-smoke");
        oapiRegisterParticleTexture("Arvex//maxq-particle");
        oapiRegisterExhaustTexture("Arvex//kero-exh");
        hydrogenExhaustTexture = oapiRegisterExhaustTexture("Arvex//hydro-exh");
    }
};

const TextureRegistration textureRegistration;

}  // namespace

EDS::EDS(OBJHANDLE hVessel, int flightModel) : VesselWithPM(hVessel, flightModel) {
    BuildPrefsPath(prefsPath);
}

void EDS::clbkSetClassCaps(FILEHANDLE cfg) {
    if (!oapiReadItem_int(cfg, "Fairing", fairingType)) fairingType = 0;
    mainMesh = AddMesh(kMainMeshName);
    adapterMeshName = kAdapterFolder;
    // Sized for the longest line of a configuration file, so the reader cannot overrun it.
    char adapter[512];
    if (oapiReadItem_string(cfg, "Adapter", adapter)) {
        adapterMeshName += adapter;
        hasAdapter = true;
    }
    SetMeshVisibilityMode(mainMesh, MESHVIS_ALWAYS);
    SetTouchdownPoints(kTouchdownNose, kTouchdownLeft, kTouchdownRight);
    PayloadManager::SetVehiclePMI(this, kVehiclePMI);
    PayloadManager::SetVehicleCS(this, kVehicleCrossSections, kPayloadsInLine);
    DefineAirframe();
    SetCameraOffset(kCameraOffset);
    CreateAirfoil3(LIFT_VERTICAL, kAirfoilRef, BodyAirfoilCoeff, nullptr, kAirfoilChord,
                   kBodyAirfoilArea, kBodyAirfoilAspect);
    CreateAirfoil3(LIFT_HORIZONTAL, kAirfoilRef, SideAirfoilCoeff, nullptr, kAirfoilChord,
                   kSideAirfoilArea, kSideAirfoilAspect);
    propellant = CreatePropellantResource(kTankCapacity, -1, 1.0);
    DefineMainEngine();
    DefinePayloadHandling();
    DefineAttitudeThrusters();
}

void EDS::DefineAirframe() {
    SetRotDrag(kRotDrag);
    SetSize(kSize);
    SetEmptyMass(kEmptyMass);
    PayloadManager::VehicleEmptyMassWasChanged(this);
}

void EDS::DefineMainEngine() {
    mainEngine = CreateThruster(kMainEnginePosition, kForward, kMainThrust, propellant, kMainIsp,
                                kIspRef, kPressureRef);
    AddExhaust(mainEngine, kMainFlameLength, kMainFlameWidth, hydrogenExhaustTexture);
    CreateThrusterGroup(&mainEngine, 1, THGROUP_MAIN);
}

void EDS::DefinePayloadHandling() {
    PayloadManager::SetDefaultAttachmentParams(this, kAttachmentPosition, kAttachmentDirection,
                                               kAttachmentRotation);
    PayloadManager::SetDetachSpeed(this, kDetachSpeed);
    PayloadManager::SetDetachInterval(this, kDetachInterval);
    PayloadManager::SetSendFocus(this, false);
    PayloadManager::SetMaximumPayloadsNumber(this, kMaximumPayloads);
    PayloadManager::SetCapsRefreshPeriod(this, kCapsRefreshPeriod);
}

void EDS::DefineAttitudeThrusters() {
    for (int i = 0; i < 6; ++i) {
        const AttitudeThruster& t = kAttitudeThrusters[i];
        attitudeThrusters[i] = CreateThruster(t.pos, t.dir, kAttitudeThrust, propellant,
                                              kAttitudeIsp, kIspRef, kPressureRef);
        AddExhaust(attitudeThrusters[i], kAttitudeFlameLength, kAttitudeFlameWidth, t.flamePos,
                   t.flameDir);
    }
    THRUSTER_HANDLE* th = attitudeThrusters;
    THRUSTER_HANDLE pitchUp[] = {th[0], th[1]};
    THRUSTER_HANDLE pitchDown[] = {th[2], th[3]};
    THRUSTER_HANDLE bankLeft[] = {th[0], th[3]};
    THRUSTER_HANDLE bankRight[] = {th[1], th[2]};
    CreateThrusterGroup(pitchUp, 2, THGROUP_ATT_PITCHUP);
    CreateThrusterGroup(pitchDown, 2, THGROUP_ATT_PITCHDOWN);
    CreateThrusterGroup(&th[4], 1, THGROUP_ATT_YAWRIGHT);
    CreateThrusterGroup(&th[5], 1, THGROUP_ATT_YAWLEFT);
    CreateThrusterGroup(bankLeft, 2, THGROUP_ATT_BANKLEFT);
    CreateThrusterGroup(bankRight, 2, THGROUP_ATT_BANKRIGHT);
}

void EDS::clbkPostCreation() {
    staging::FitFairing(Fairing(), fairingType, false);
    SetUpFairingAnimation();
    if (hasAdapter) AddAdapter();
}

// One animation turns both halves into place; it stays at its end state.
void EDS::SetUpFairingAnimation() {
    const UINT anim = CreateAnimation(0.0);
    AddAnimationComponent(
        anim, 0.0, 1.0,
        SharedRotation(fairingMeshes[0], kFairingTurnRef, kFairingTurnAxis, kFairingHalf1Turn));
    AddAnimationComponent(
        anim, 0.0, 1.0,
        SharedRotation(fairingMeshes[1], kFairingTurnRef, kFairingTurnAxis, kFairingHalf2Turn));
    SetAnimation(anim, 1.0);
}

void EDS::AddAdapter() {
    adapterMesh = AddMesh(adapterMeshName.c_str());
    SetMeshVisibilityMode(adapterMesh, MESHVIS_ALWAYS);
}

void EDS::clbkVisualCreated(VISHANDLE vis, int) {
    devMesh = GetDevMesh(vis, mainMesh);
    nozzleMaterial = {kWhite, kWhite, kWhite, kNotEmissive, 0.0f};
    oapiSetMaterial(devMesh, 0, &nozzleMaterial);
}

void EDS::clbkVisualDestroyed(VISHANDLE, int) {
    devMesh = nullptr;
}
