// The physical vehicle of a core vessel: the variant chosen by the class configuration, its
// masses, tanks, engines, thruster groups, effects, payload settings and touchdown points; the
// meshes and animations completed after the scenario state is read; the engine-glow material.
#include "aerodynamics.h"
#include "arvex.h"
#include "booster_layout.h"
#include "shared_rotation.h"

namespace {

// The vehicle variants selected by the class configuration item "Mode".
struct VehicleVariant {
    const char* coreMeshName;  // null: no core mesh
    DWORD glowMaterial;        // material of the core mesh that glows with the engines
    bool twoBoosterLayout;
    VECTOR3 payloadPos;  // default payload attachment [m]
    VECTOR3 payloadDir;
    VECTOR3 payloadRot;
    double payloadDetachSpeed;  // [m/s]
};

const VehicleVariant kSideStage = {
    "Arvex\\arvex_core-side-stage", 0, true, _V(0, -5, 0), _V(0, 0, 1), _V(0, -1, 0), 0.0};
const VehicleVariant kStage80 = {
    "Arvex\\arvex_core-stage80", 6, true, _V(0, -5, 0), _V(0, 0, 1), _V(0, -1, 0), 0.0};
const VehicleVariant kStage = {
    "Arvex\\arvex_core-stage", 6, false, _V(0, 0, 26), _V(0, 0, 1), _V(0, 1, 0), 1.0};
const VehicleVariant kUnknownStage = {nullptr,     0,           false, _V(0, 0, 26),
                                      _V(0, 0, 1), _V(0, 1, 0), 1.0};

const VehicleVariant& VariantFor(int mode) {
    switch (mode) {
        case 0:
            return kSideStage;
        case 1:
            return kStage80;
        case 2:
            return kStage;
        default:
            return kUnknownStage;
    }
}

constexpr int kDefaultMode = 2;
constexpr double kDefaultGimbalRange = 0.06981317;  // 4 degrees [rad]
constexpr double kTouchdownZ = -15.0;               // touchdown plane without offset [m]
constexpr double kTouchdownSpread = 400.0;          // [m]
constexpr double kEmptyMass = 30000.0;              // core stage alone [kg]
constexpr double kSize = 28.0;                      // mean radius [m]
constexpr double kCoreTankCapacity = 500000.0;      // [kg]
constexpr double kMainEngineThrust = 3750000.0;     // each, vacuum [N]
constexpr double kHydrogenIsp = 4450.62;            // vacuum [m/s]
constexpr double kSensorIsp = 1e10;                 // the sensors burn practically nothing [m/s]
constexpr double kRollThrust = 20000.0;             // [N]
constexpr double kReferencePressure = 101400.0;     // [Pa]
constexpr int kMaxConfigLine = 512;                 // the host's longest configuration line

struct ThrusterPlacement {
    VECTOR3 pos;
    VECTOR3 dir;
};

// One 1 N sensor per attitude group; the host's attitude controls drive them.
struct AttitudeSensor {
    ThrusterPlacement placement;
    THGROUP_TYPE group;
};
const AttitudeSensor kAttitudeSensors[6] = {
    {{_V(0, 3, -12), _V(0, -1, 0)}, THGROUP_ATT_PITCHUP},
    {{_V(0, -3, -12), _V(0, 1, 0)}, THGROUP_ATT_PITCHDOWN},
    {{_V(3, 0, -12), _V(-1, 0, 0)}, THGROUP_ATT_YAWRIGHT},
    {{_V(-3, 0, -12), _V(1, 0, 0)}, THGROUP_ATT_YAWLEFT},
    {{_V(3, 0, -12), _V(-1, 0, 0)}, THGROUP_ATT_BANKLEFT},
    {{_V(-3, 0, -12), _V(1, 0, 0)}, THGROUP_ATT_BANKRIGHT},
};

// Reaction-control thrusters at the tail, set tangentially.
const ThrusterPlacement kRollThrusters[8] = {
    {_V(0.72, 3.2, -12.3), _V(-1, 0, 0)},  {_V(-0.72, 3.2, -12.3), _V(1, 0, 0)},
    {_V(-0.72, -3.2, -12.3), _V(1, 0, 0)}, {_V(0.72, -3.2, -12.3), _V(-1, 0, 0)},
    {_V(3.2, 0.72, -12.3), _V(0, -1, 0)},  {_V(3.2, -0.72, -12.3), _V(0, 1, 0)},
    {_V(-3.2, 0.72, -12.3), _V(0, -1, 0)}, {_V(-3.2, -0.72, -12.3), _V(0, 1, 0)},
};

const VECTOR3 kMainEnginePos[2] = {_V(1.4, 0, -15.5), _V(-1.4, 0, -15.5)};
const VECTOR3 kAlongAxis = _V(0, 0, 1);

// The two fairing halves are one mesh inserted twice, turned into place by +90 and +270 degrees.
constexpr float kFairingHalfTurn[2] = {1.5707964f, 4.712389f};

}  // namespace

void Arvex::clbkSetClassCaps(FILEHANDLE cfg) {
    boosterAnim = CreateAnimation(0.0);
    fairingAnim = CreateAnimation(0.0);

    char item[kMaxConfigLine] = {};
    if (oapiReadItem_string(cfg, "Module", item)) {
        modulePath += item;
    } else {
        modulePath = "Modules\\Arvex\\Arvex-Core.dll";
    }
    fairingType = 0;
    oapiReadItem_int(cfg, "Fairing", fairingType);
    gimbalRange = kDefaultGimbalRange;
    oapiReadItem_float(cfg, "Gimble", gimbalRange);
    vehicleMode = kDefaultMode;
    oapiReadItem_int(cfg, "Mode", vehicleMode);
    oapiReadItem_float(cfg, "Offset", launchOffset);

    const VehicleVariant& variant = VariantFor(vehicleMode);
    if (variant.coreMeshName) coreMesh = AddMesh(variant.coreMeshName);
    glowMaterial = variant.glowMaterial;
    twoBoosterLayout = variant.twoBoosterLayout;

    adapterMeshPath = "Arvex\\Adapters\\";
    hasAdapter = oapiReadItem_string(cfg, "Adapter", item);
    if (hasAdapter) adapterMeshPath += item;

    if (variant.coreMeshName) SetMeshVisibilityMode(coreMesh, MESHVIS_ALWAYS);
    SetTouchdownPointsFromOffset();

    PayloadManager::SetVehiclePMI(this, _V(136, 136, 6));
    PayloadManager::SetVehicleCS(this, _V(242, 242, 36), _V(0, 0, 1));
    SetRotDrag(_V(1.2, 1.2, 0.2));
    SetSize(kSize);
    SetEmptyMass(kEmptyMass);
    PayloadManager::VehicleEmptyMassWasChanged(this);
    SetCameraOffset(_V(0, 4.5, 15));

    CreateAirfoil3(LIFT_VERTICAL, _V(0, 0, 0), BodyAirfoilCoeff, nullptr, 0.0, 37.6, 7.0);
    CreateAirfoil3(LIFT_HORIZONTAL, _V(0, 0, 0), SideAirfoilCoeff, nullptr, 0.0, 6.12, 1.0);

    coreTank = CreatePropellantResource(kCoreTankCapacity, -1.0, 1.0);
    boosterTank =
        CreatePropellantResource(BoosterLayoutFor(twoBoosterLayout).tankCapacity, -1.0, 1.0);

    for (int k = 0; k < 2; ++k) {
        mainEngines[k] = CreateThruster(kMainEnginePos[k], kAlongAxis, kMainEngineThrust, coreTank,
                                        kHydrogenIsp, 0.0, kReferencePressure);
        AddExhaust(mainEngines[k], 20.0, 3.0, hydrogenExhaustTexture);
    }
    CreateThrusterGroup(mainEngines, 2, THGROUP_MAIN);

    for (int k = 0; k < 6; ++k) {
        const AttitudeSensor& sensor = kAttitudeSensors[k];
        attitudeSensors[k] = CreateThruster(sensor.placement.pos, sensor.placement.dir, 1.0,
                                            coreTank, kSensorIsp, 0.0, kReferencePressure);
        groupScratch[0] = attitudeSensors[k];
        CreateThrusterGroup(groupScratch, 1, sensor.group);
    }

    PayloadManager::SetDefaultAttachmentParams(this, variant.payloadPos, variant.payloadDir,
                                               variant.payloadRot);
    PayloadManager::SetDetachSpeed(this, variant.payloadDetachSpeed);
    PayloadManager::SetDetachInterval(this, 1.0);
    PayloadManager::SetSendFocus(this, false);
    PayloadManager::SetMaximumPayloadsNumber(this, 12);
    PayloadManager::SetCapsRefreshPeriod(this, 5.0);

    coreVapourStream =
        AddParticleStream(&coreVapourSpec, _V(0, 0, 17), _V(0, 0, -1), &coreVapourLevel);

    // Not in any group while the boosters are attached; GroupRollThrusters adds them.
    for (int k = 0; k < 8; ++k) {
        rollThrusters[k] = CreateThruster(kRollThrusters[k].pos, kRollThrusters[k].dir, kRollThrust,
                                          coreTank, kHydrogenIsp, 0.0, kReferencePressure);
        AddExhaust(rollThrusters[k], 4.0, 0.25);
    }
}

void Arvex::SetTouchdownPointsFromOffset() {
    const double z = static_cast<float>(kTouchdownZ - launchOffset);
    SetTouchdownPoints(_V(0, -kTouchdownSpread, z), _V(-kTouchdownSpread, kTouchdownSpread, z),
                       _V(kTouchdownSpread, kTouchdownSpread, z));
    xrNotifyPending = true;
}

void Arvex::SetLaunchOffset(double offset) {
    launchOffset = offset;
    SetTouchdownPointsFromOffset();
}

void Arvex::clbkPostCreation() {
    SetUpBoosters();
    FitFairing(fairingType, false);
    for (int half = 0; half < 2; ++half) {
        AddAnimationComponent(
            fairingAnim, 0.0, 1.0,
            SharedRotation(fairingMeshes[half], _V(0, 0, 0), kAlongAxis, kFairingHalfTurn[half]));
    }
    // Both animations stay at their end state: boosters and halves in place.
    SetAnimation(boosterAnim, 1.0);
    SetAnimation(fairingAnim, 1.0);
    if (boostersAttached == 0) GroupRollThrusters();
    if (hasAdapter) {
        adapterMesh = AddMesh(adapterMeshPath.c_str());
        SetMeshVisibilityMode(adapterMesh, MESHVIS_ALWAYS);
    }
    // A vessel loaded in flight has its attitude input from the scenario: its engines must point
    // as that input says from the first step on, not one step late.
    SteerMainEngines();
}

void Arvex::clbkVisualCreated(VISHANDLE vis, int) {
    coreDevMesh = GetDevMesh(vis, coreMesh);
    const COLOUR4 white = {1.0f, 1.0f, 1.0f, 1.0f};
    glowMaterialSpec = {white, white, white, {0.0f, 0.0f, 0.0f, 1.0f}, 0.0f};
    if (coreDevMesh) oapiSetMaterial(coreDevMesh, glowMaterial, &glowMaterialSpec);
}

void Arvex::clbkVisualDestroyed(VISHANDLE, int) {
    coreDevMesh = nullptr;
}
