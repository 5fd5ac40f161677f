// What a module hands the host for one vessel, kept as plain inspectable data. Handles given
// to the module are the addresses of these records (stable: each is held by unique_ptr).
#pragma once

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "orbiter_api.h"

namespace sim {

class HostVessel;

struct TankRecord {
    double maxMass = 0.0;     // [kg]
    double mass = 0.0;        // [kg], not clamped to maxMass (SetPropellantMass)
    double efficiency = 1.0;  // fuel efficiency factor
    double massAtStepStart = 0.0;
    double flowRate = 0.0;  // [kg/s] over the last step
};

struct ThrusterRecord {
    VECTOR3 pos{};                // attack point, vessel frame [m]
    VECTOR3 dir{};                // thrust direction (as stored; SetThrusterDir does not normalise)
    double max0 = 0.0;            // vacuum thrust [N]
    double isp0 = 0.0;            // vacuum Isp [m/s]
    double ispRef = 0.0;          // Isp at the reference pressure [m/s], 0: none
    double pRef = 101.4e3;        // reference pressure [Pa]
    double pressureFactor = 0.0;  // η: thrust and Isp scale by max(0, 1 - p·η)
    TankRecord* tank = nullptr;
    double permanentLevel = 0.0;
    double overrideLevel = 0.0;   // single-step part, reset after every step
    double effectiveLevel = 0.0;  // clamp(permanent + override, 0, 1)
};

struct ThrusterGroupRecord {
    int type = THGROUP_USER;
    std::vector<ThrusterRecord*> thrusters;
};

// An exhaust flame. Each of level, position and direction comes from one source: the module's
// variable read live, a value copied once, or the thruster it belongs to.
struct ExhaustRecord {
    UINT id = 0;
    ThrusterRecord* thruster = nullptr;
    const double* liveLevel = nullptr;
    const VECTOR3* livePos = nullptr;
    const VECTOR3* liveDir = nullptr;
    std::optional<double> fixedLevel;
    std::optional<VECTOR3> fixedPos;
    std::optional<VECTOR3> fixedDir;  // thrust direction (the flame points the other way)
    double lsize = 0.0, wsize = 0.0, lofs = 0.0, modulate = 0.0;
    SURFHANDLE tex = nullptr;
    DWORD flags = 0;

    double level() const;
    VECTOR3 position() const;
    VECTOR3 direction() const;
};

struct ParticleStreamRecord {
    PARTICLESTREAMSPEC spec{};
    bool hasSpec = false;                // false: the host's default stream
    ThrusterRecord* thruster = nullptr;  // exhaust streams follow their thruster
    std::optional<VECTOR3> fixedPos;
    VECTOR3 dir{};                  // emission direction of free streams
    const double* level = nullptr;  // free streams: the module's level variable, read live

    double currentLevel() const;
};

struct MeshTemplate {
    std::string name;
};

struct MeshSlot {
    bool used = false;
    std::string name;
    const MeshTemplate* meshTemplate = nullptr;
    VECTOR3 offset{};
    WORD visibility = MESHVIS_EXTERNAL;
};

struct AnimationComponentRecord {
    double state0 = 0.0, state1 = 1.0;
    MGROUP_TRANSFORM* transform = nullptr;  // module-owned, must outlive the animation
    AnimationComponentRecord* parent = nullptr;
    std::vector<AnimationComponentRecord*> children;
};

struct AnimationRecord {
    double defaultState = 0.0;
    double state = 0.0;
    std::vector<std::unique_ptr<AnimationComponentRecord>> components;
};

// A graphics client's copy of one mesh of a visual; modules write its materials.
struct DevMeshRecord {
    UINT meshIndex = 0;
    std::string meshName;
    std::map<DWORD, MATERIAL> materials;
};

struct VisualRecord {
    std::vector<std::unique_ptr<DevMeshRecord>> devMeshes;
};

struct AirfoilRecord {
    AIRFOIL_ORIENTATION align = LIFT_VERTICAL;
    VECTOR3 ref{};  // centre of pressure, vessel frame [m]
    AirfoilCoeffFunc function = nullptr;
    AirfoilCoeffFuncEx functionEx = nullptr;
    void* context = nullptr;
    double c = 0.0;  // chord [m]
    double S = 0.0;  // wing area [m²], 0: projected cross sections
    double A = 0.0;  // aspect ratio
};

struct DragElementRecord {
    const double* drag = nullptr;  // module variable, read every step
    double factor = 0.0;
    VECTOR3 ref{};
};

struct AttachmentRecord {
    bool toParent = false;
    VECTOR3 pos{}, dir{}, rot{};
    char id[9] = {};  // at most 8 characters
    bool loose = false;
    HostVessel* owner = nullptr;
    HostVessel* connected = nullptr;   // the vessel on the other side, if any
    AttachmentRecord* mate = nullptr;  // its attachment point
};

struct ExtraForce {
    VECTOR3 force{};  // vessel frame [N]
    VECTOR3 point{};  // vessel frame [m]
};

}  // namespace sim
