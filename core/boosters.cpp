// The liquid rocket boosters: while attached they are meshes, one engine and effects of the core
// vessel; at separation each becomes a booster vessel with its share of the propellant left.
#include "arvex.h"
#include "booster_layout.h"
#include "shared_rotation.h"

namespace {

constexpr const char* kBoosterMesh = "Arvex\\arvex_lrb";
constexpr const char* kBoosterClass = "Arvex//Misc//Arvex-LRB";
constexpr double kBoosterIsp = 3313.62;          // vacuum [m/s]
constexpr double kReferencePressure = 101400.0;  // [Pa]
constexpr double kFlameLength = 10.0;            // [m]
constexpr double kFlameWidth = 0.75;             // [m]
const VECTOR3 kBoosterEnginePos = _V(0, 0, -20);
const VECTOR3 kAlongAxis = _V(0, 0, 1);
const VECTOR3 kAft = _V(0, 0, -1);

}  // namespace

void Arvex::SetUpBoosters() {
    if (boostersAttached != 1) {
        DelPropellantResource(boosterTank);
        return;
    }
    const BoosterLayout& layout = BoosterLayoutFor(twoBoosterLayout);
    oapiLoadMeshGlobal(kBoosterMesh);
    boosterEngine = CreateThruster(kBoosterEnginePos, kAlongAxis, layout.thrust, boosterTank,
                                   kBoosterIsp, 0.0, kReferencePressure);
    ChangeOwnEmptyMass(layout.emptyMass);

    for (std::size_t k = 0; k < layout.meshes.size(); ++k) {
        const BoosterMeshPlacement& placement = layout.meshes[k];
        boosterMeshes[k] = AddMesh(kBoosterMesh, &placement.offset);
        SetMeshVisibilityMode(boosterMeshes[k], MESHVIS_ALWAYS);
        if (placement.rotationAngle) {
            AddAnimationComponent(boosterAnim, 0.0, 1.0,
                                  SharedRotation(boosterMeshes[k], placement.rotationRef,
                                                 kAlongAxis, *placement.rotationAngle));
        }
    }
    for (const VECTOR3& flame : layout.flames) {
        AddExhaust(boosterEngine, kFlameLength, kFlameWidth, flame, kAft, keroseneExhaustTexture);
    }
    for (const VECTOR3& pos : layout.exhaustStreams) {
        AddExhaustStream(boosterEngine, pos, &boosterExhaustSpec);
    }
    for (std::size_t k = 0; k < layout.smokeStreams.size(); ++k) {
        boosterSmokeStreams[k] =
            AddParticleStream(&boosterSmokeSpec, layout.smokeStreams[k], kAft, &boosterSmokeLevel);
    }
    for (std::size_t k = 0; k < layout.vapourStreams.size(); ++k) {
        boosterVapourStreams[k] =
            AddParticleStream(&coreVapourSpec, layout.vapourStreams[k], kAft, &boosterVapourLevel);
    }
}

void Arvex::SeparateBoosters() {
    if (boostersAttached != 1) return;
    const BoosterLayout& layout = BoosterLayoutFor(twoBoosterLayout);
    ChangeOwnEmptyMass(-layout.emptyMass);
    for (std::size_t k = 0; k < layout.meshes.size(); ++k) {
        SetMeshVisibilityMode(boosterMeshes[k], MESHVIS_NEVER);
    }
    // The tank is not drawn down between boosters: each gets the same share of what is left.
    const double propellantPerBooster = GetPropellantMass(boosterTank) * layout.propellantShare;
    for (const SeparatedBooster& booster : layout.separated) {
        SpawnVessel(kBoosterClass, booster.suffix, false, booster.position, _V(0, 0, 0));
        if (booster.turn) RotateSpawnedVessel(*booster.turn);
        if (!spawnedVesselObj) continue;  // the host made no vessel we could hand anything to
        PROPELLANT_HANDLE tank = spawnedVesselObj->GetDefaultPropellantResource();
        if (tank) spawnedVesselObj->SetPropellantMass(tank, propellantPerBooster);
    }
    DelPropellantResource(boosterTank);
    DelThruster(boosterEngine);
    boostersAttached = 0;
    GroupRollThrusters();
}

void Arvex::GroupRollThrusters() {
    struct AttitudeGroup {
        THGROUP_TYPE type;
        int rollThrusterCount;
        int rollThrusterIndices[4];
        int sensorIndex;
    };
    static constexpr AttitudeGroup kGroups[] = {
        {THGROUP_ATT_PITCHUP, 2, {4, 6}, 0},        {THGROUP_ATT_PITCHDOWN, 2, {5, 7}, 1},
        {THGROUP_ATT_YAWLEFT, 2, {1, 2}, 3},        {THGROUP_ATT_YAWRIGHT, 2, {0, 3}, 2},
        {THGROUP_ATT_BANKLEFT, 4, {0, 6, 2, 5}, 4}, {THGROUP_ATT_BANKRIGHT, 4, {1, 4, 3, 7}, 5},
    };
    // The sensors stay in their groups: the flight step reads the pilot's input from them.
    for (const AttitudeGroup& group : kGroups) {
        for (int i = 0; i < group.rollThrusterCount; ++i) {
            groupScratch[i] = rollThrusters[group.rollThrusterIndices[i]];
        }
        groupScratch[group.rollThrusterCount] = attitudeSensors[group.sensorIndex];
        CreateThrusterGroup(groupScratch, group.rollThrusterCount + 1, group.type);
    }
}
