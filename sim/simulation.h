// The headless host as tests and programs drive it: a runtime tree, vessels created from
// scenarios or directly through their modules, frames stepped one by one, scenarios saved.
//
// One Simulation is active at a time (the host's oapi* functions act on it); creating a
// second while one exists throws.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

#include "host_vessel.h"
#include "orbitersdk.h"

namespace sim {

class ModuleRegistry;
class World;

// A part of the host that lives as long as the simulation (the MFD displays, the dialogs):
// created on first use through Simulation::service<T>(), told about each frame and each
// deleted vessel, shut down before the vessels are destroyed.
class Service {
  public:
    virtual ~Service() = default;
    virtual void frameEnd() {}  // after post-steps, deletions and ground contact
    virtual void vesselDeleted(HostVessel& /*vessel*/) {}  // before the vessel is destroyed
    virtual void shutdown() {}                             // before any vessel is destroyed
    // Scenario saving: the service writes its own blocks (e.g. "BEGIN_MFD Left" ... "END_MFD")
    // and owns the blocks of that header read from the scenario (Simulation::otherBlocks),
    // which are then not written again as read.
    virtual void saveBlocks(FILEHANDLE /*scn*/) {}
    virtual bool ownsBlock(std::string_view /*header*/) const { return false; }
};

struct SimulationOptions {
    // Plug-in modules to load at start (names below Modules/Plugin, e.g. "Arvex_MFD"), in
    // addition to those listed in the tree's Orbiter.cfg ("ACTIVE_MODULES" ... "END_MODULES").
    std::vector<std::string> plugins;
    bool loadConfiguredPlugins = true;
    // Where warnings go, one line each, besides warnings(). Default: standard error.
    std::function<void(const std::string&)> warningSink;
};

class Simulation {
  public:
    explicit Simulation(const std::filesystem::path& tree, SimulationOptions options = {});
    ~Simulation();
    Simulation(const Simulation&) = delete;
    Simulation& operator=(const Simulation&) = delete;

    // The active simulation, or nullptr.
    static Simulation* current();

    // --- scenarios (throw sim::Error with one line naming the file and line) --------------------
    // A relative path is looked up from the current directory, then below the tree's Scenarios/.
    void loadScenario(const std::filesystem::path& path);
    void loadScenarioText(std::string_view text, const std::string& sourceName = "<scenario>");
    std::string saveScenarioText() const;
    // Written whole or not at all (a temporary file renamed over the target).
    void saveScenario(const std::filesystem::path& path) const;

    // --- vessels ---------------------------------------------------------------------------------
    // As oapiCreateVessel: the vessel's interface is valid and clbkPostCreation has run when
    // this returns; created during a frame, it joins the loops from the next frame on (pre-step
    // loop: at once, as the host's loop re-reads the count).
    HostVessel& createVessel(const std::string& name, const std::string& className,
                             const VESSELSTATUS& status);
    // Marks the vessel; it is removed at the end of the current frame (at once between frames).
    void deleteVessel(HostVessel& vessel);
    std::vector<HostVessel*> vessels() const;  // in list order, including ones marked for deletion
    HostVessel* findVessel(std::string_view name) const;  // case-insensitive
    HostVessel* findVessel(OBJHANDLE handle) const;       // nullptr for dead or unknown handles
    HostVessel* focus() const;
    void setFocus(HostVessel* vessel);
    OBJHANDLE earth() const;  // the handle of the one celestial body

    // --- time ----------------------------------------------------------------------------------
    void step(double dt);                 // one frame of dt seconds
    void run(double seconds, double dt);  // frames of dt until `seconds` have passed
    double time() const;                  // simulation time since start [s]
    double mjd() const;                   // modified Julian date of time()
    double lastStep() const;              // length of the last frame [s]
    double timeAcceleration() const;
    void setTimeAcceleration(double warp);  // clamped to 0.1 .. 100000
    bool inFrame() const;                   // between the first pre-step and the end of a frame

    // --- visuals (no rendering: the module's visual callbacks run and device meshes are kept)
    // -----
    VISHANDLE createVisual(HostVessel& vessel);  // clbkVisualCreated; the existing one if any
    void destroyVisual(HostVessel& vessel);      // clbkVisualDestroyed; nothing if none

    // --- camera ----------------------------------------------------------------------------------
    bool cameraInternal() const;
    void setCameraInternal(bool internal);
    // The cockpit view set by oapiCameraSetCockpitDir: polar (towards -x positive) and azimuth
    // (up positive) [rad] relative to the default direction.
    double cockpitPolar() const;
    double cockpitAzimuth() const;

    // --- keyboard (to the focus vessel) ---------------------------------------------------------
    // A key-down then key-up event through clbkConsumeBufferedKey, with the given keys (e.g.
    // OAPI_KEY_LCONTROL) held; returns what the key-down call returned.
    int pressKey(DWORD key, const std::vector<DWORD>& held = {});

    // --- the rest of the host ----------------------------------------------------------------
    const std::filesystem::path& tree() const;
    ModuleRegistry& modules();
    const std::vector<std::string>& warnings() const;
    void warn(const std::string& message);
    // The host's log: modules attached ("Module <file> [Build <date>, API <version>]").
    const std::vector<std::string>& log() const;
    const std::string& system() const;  // "System" of the scenario environment ("Sol")
    // Scenario blocks the host does not read itself ("BEGIN_MFD Left" ... ), header first,
    // lines as in the file.
    const std::vector<std::vector<std::string>>& otherBlocks() const;

    template <typename T>
    T& service() {
        if (Service* s = findService(typeid(T))) return static_cast<T&>(*s);
        auto created = std::make_unique<T>(*this);
        T& ref = *created;
        addService(typeid(T), std::move(created));
        return ref;
    }
    template <typename T>
    T* existingService() const {
        return static_cast<T*>(findService(typeid(T)));
    }

    World& world();  // the runtime's internals, for the host's own implementation files

  private:
    Service* findService(std::type_index type) const;
    void addService(std::type_index type, std::unique_ptr<Service> service);

    std::unique_ptr<World> world_;
};

}  // namespace sim
