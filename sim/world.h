// The runtime's internals behind sim::Simulation, shared by the files that implement the
// host's functions.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <typeindex>
#include <vector>

#include "config_file.h"
#include "host_vessel.h"
#include "module_registry.h"
#include "simulation.h"
#include "vessel_load.h"

namespace sim {

class World;

// A vessel built but not yet in the vessel list. If it never gets there (a callback or the
// scenario fails), it is destroyed through the host: ovcExit, module released, handle dropped.
class PendingVessel {
  public:
    PendingVessel(World& world, std::unique_ptr<HostVessel> vessel)
        : world_(world), vessel_(std::move(vessel)) {}
    ~PendingVessel();
    PendingVessel(PendingVessel&&) = default;
    PendingVessel(const PendingVessel&) = delete;
    PendingVessel& operator=(const PendingVessel&) = delete;

    HostVessel& operator*() const { return *vessel_; }
    HostVessel* operator->() const { return vessel_.get(); }
    std::unique_ptr<HostVessel> release() { return std::move(vessel_); }

  private:
    World& world_;
    std::unique_ptr<HostVessel> vessel_;
};

class World {
  public:
    World(Simulation& owner, const std::filesystem::path& tree, SimulationOptions options);

    Simulation& owner;
    std::filesystem::path tree;
    SimulationOptions options;
    ModuleRegistry modules;

    // Vessel list in host order; a handle is a serial number that is never reused.
    std::vector<std::unique_ptr<HostVessel>> vessels;
    std::map<OBJHANDLE, HostVessel*> byHandle;  // includes vessels under construction
    std::uintptr_t nextSerial = 1;
    HostVessel* focus = nullptr;
    std::set<std::string> warnedClasses;  // classes already reported as plain vessels

    // Time.
    double simTime = 0.0;
    double simStep = 0.0;
    double startMjd = 51544.5;
    double timeAcceleration = 1.0;
    bool inFrame = false;

    // Camera: cockpit (internal) or external view, and the cockpit view angles [rad] relative
    // to the vessel's default camera direction.
    bool cameraInternal = true;
    double cockpitPolar = 0.0;
    double cockpitAzimuth = 0.0;

    // Scenario environment and blocks kept for saving.
    std::string system = "Sol";
    std::vector<std::string> description;
    std::vector<std::vector<std::string>> otherBlocks;

    std::vector<std::string> warnings;
    std::vector<std::string> log;  // the host's log lines (modules attached, ...)
    std::vector<std::pair<std::type_index, std::unique_ptr<Service>>> services;
    VesselLoad* activeLoad = nullptr;  // the vessel whose scenario block is being read

    OBJHANDLE newHandle();
    HostVessel* find(OBJHANDLE handle) const;
    void warn(const std::string& message);

    // Builds a vessel up to (not including) its insertion into the list: configuration,
    // module object, class caps, generic configuration items. Throws sim::Error.
    PendingVessel construct(const std::string& name, const std::string& className);
    HostVessel& insert(PendingVessel vessel);
    void postCreation(HostVessel& vessel);
    void destroy(std::unique_ptr<HostVessel> vessel);
    void removeMarkedVessels();
    VISHANDLE createVisual(HostVessel& vessel);
    void destroyVisual(HostVessel& vessel);
    // Moves the focus, telling both vessels (clbkFocusChanged).
    void setFocus(HostVessel* vessel);
    void destroyAll();

  private:
    void makeModuleObject(HostVessel& vessel, const ConfigFile& config);
};

World& world();        // the active simulation's; throws when none is active
World* activeWorld();  // nullptr when none is active
Simulation* activeSimulation();
void setActiveSimulation(Simulation* simulation);

}  // namespace sim
