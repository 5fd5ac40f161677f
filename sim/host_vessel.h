// The host's record of one vessel: identity, the module object, everything the module handed
// over, and the kinematic state the physics integrates.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "physics/rigid_body.h"
#include "vessel_api.h"
#include "vessel_records.h"

namespace sim {

class ModuleLibrary;

class HostVessel {
  public:
    // --- identity -------------------------------------------------------------------------
    std::string name;
    std::string className;                   // exactly as given at creation
    OBJHANDLE handle = nullptr;              // unique for the run, never reused
    VESSEL* iface = nullptr;                 // what ovcInit returned, or the host's plain VESSEL
    std::shared_ptr<ModuleLibrary> module;   // null for a plain vessel
    std::unique_ptr<VESSEL> plainInterface;  // owns iface of a plain vessel
    bool focusEnabled = true;
    bool markedForDeletion = false;

    // --- physical parameters ----------------------------------------------------------------
    double size = 10.0;         // mean radius [m]
    double clipRadius = 0.0;    // 0: use size
    double emptyMass = 1000.0;  // [kg]
    VECTOR3 pmi{};              // mass-normalised principal moments of inertia [m²]
    bool pmiSet = false;        // unset: (2·size, 2·size, size)
    VECTOR3 crossSections = {{20.0, 20.0, 20.0}};  // [m²]
    VECTOR3 rotDrag = {{0.01, 0.01, 0.01}};
    std::array<double, 4> cw = {0.1, 0.3, 0.3, 0.3};  // z+, z-, x, y
    std::vector<TOUCHDOWNVTX> touchdownPoints;        // set in the constructor to the default hull
    VECTOR3 cameraOffset{};
    VECTOR3 cameraDirection = {{0.0, 0.0, 1.0}};
    double cameraTilt = 0.0;
    std::vector<ExtraForce> extraForces;  // AddForce, for the current step only

    // --- propulsion -------------------------------------------------------------------------
    double defaultIsp = 5e4;  // [m/s], for thrusters created without one
    std::vector<std::unique_ptr<TankRecord>> tanks;
    TankRecord* explicitDefaultTank = nullptr;
    std::vector<std::unique_ptr<ThrusterRecord>> thrusters;
    std::vector<std::unique_ptr<ThrusterGroupRecord>> groups;  // default types and user slots
    std::vector<ExhaustRecord> exhausts;
    std::vector<std::unique_ptr<ParticleStreamRecord>> streams;

    // --- meshes, animations, visuals ----------------------------------------------------------
    std::vector<MeshSlot> meshes;
    std::vector<std::unique_ptr<AnimationRecord>> animations;  // null: deleted
    std::unique_ptr<VisualRecord> visual;                      // null while there is no visual

    // --- aerodynamics -------------------------------------------------------------------------
    std::vector<std::unique_ptr<AirfoilRecord>> airfoils;
    std::vector<DragElementRecord> dragElements;
    double lift = 0.0;  // [N], last step
    double drag = 0.0;  // [N], last step

    // --- attachments --------------------------------------------------------------------------
    std::vector<std::unique_ptr<AttachmentRecord>> parentPoints;  // toparent = true
    std::vector<std::unique_ptr<AttachmentRecord>> childPoints;   // toparent = false

    // --- kinematic state ----------------------------------------------------------------------
    physics::RigidBody body;
    bool groundContact = false;  // refreshed at the end of each frame

    HostVessel();

    // Nose, left main, right main; stiffness and friction as the host fills them in.
    void setThreePointTouchdown(const VECTOR3& p1, const VECTOR3& p2, const VECTOR3& p3);
    TankRecord* defaultTank() const;
    // The records behind handles given to the module; nullptr for handles it does not own.
    TankRecord* tank(PROPELLANT_HANDLE handle) const;
    ThrusterRecord* thruster(THRUSTER_HANDLE handle) const;
    ThrusterGroupRecord* groupByHandle(THGROUP_HANDLE handle) const;
    double propellantMass() const;  // all tanks [kg]
    double mass() const;            // empty mass plus propellant [kg]
    VECTOR3 effectivePmi() const;
    ThrusterGroupRecord* group(int type) const;
    AttachmentRecord* attachedTo() const;  // the parent-side point this vessel hangs on, if any
    // The callback interface, or nullptr for a plain vessel (Version 0).
    VESSEL2* callbacks() const;
    VESSEL3* callbacks3() const;
};

// The record behind a handle the host gave out; nullptr for an unknown or dead handle.
HostVessel* findVessel(OBJHANDLE handle);

}  // namespace sim
