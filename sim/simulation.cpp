#include "simulation.h"

#include <array>
#include <fstream>
#include <sstream>

#include "error.h"
#include "flight_physics.h"
#include "scenario_file.h"
#include "scenario_loader.h"
#include "scenario_saver.h"
#include "scenario_writer.h"
#include "celestial.h"
#include "text.h"
#include "thruster_levels.h"
#include "world.h"

namespace fs = std::filesystem;

namespace sim {

namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kMinTimeAcceleration = 0.1;
constexpr double kMaxTimeAcceleration = 100000.0;

fs::path checkedTree(const fs::path& tree) {
    std::error_code ec;
    const fs::path absolute = fs::absolute(tree, ec);
    if (ec || !fs::is_directory(absolute))
        throw Error(tree.string() + ": the runtime tree is not a folder");
    return absolute.lexically_normal();
}

std::string readWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Error(path.string() + ": cannot read the scenario file");
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// Plug-ins named in the tree's Orbiter.cfg between "ACTIVE_MODULES" and "END_MODULES".
std::vector<std::string> configuredPlugins(const fs::path& tree) {
    std::vector<std::string> names;
    std::ifstream in(tree / "Orbiter.cfg");
    std::string line;
    bool inList = false;
    while (std::getline(in, line)) {
        const std::string_view t = text::trim(text::stripComment(line));
        if (text::equalsNoCase(t, "ACTIVE_MODULES")) {
            inList = true;
        } else if (text::equalsNoCase(t, "END_MODULES")) {
            inList = false;
        } else if (inList && !t.empty()) {
            names.emplace_back(t);
        }
    }
    return names;
}

}  // namespace

Simulation::Simulation(const fs::path& tree, SimulationOptions options) {
    if (activeSimulation() != nullptr) throw Error("a simulation is already active");
    world_ = std::make_unique<World>(*this, checkedTree(tree), std::move(options));
    setActiveSimulation(this);
    std::vector<std::string> plugins = world_->options.plugins;
    if (world_->options.loadConfiguredPlugins) {
        for (std::string& name : configuredPlugins(world_->tree))
            plugins.push_back(std::move(name));
    }
    for (const std::string& name : plugins) {
        try {
            world_->modules.loadPlugin(name);
        } catch (const Error& e) {
            world_->warn(std::string("plug-in \"") + name + "\" not loaded: " + e.what());
        }
    }
}

Simulation::~Simulation() {
    world_->destroyAll();
    world_->modules.releasePlugins();
    world_.reset();
    setActiveSimulation(nullptr);
}

Simulation* Simulation::current() {
    return activeSimulation();
}

void Simulation::loadScenario(const fs::path& path) {
    fs::path file = path;
    if (path.is_relative() && !fs::exists(path)) {
        const fs::path inTree = world_->tree / "Scenarios" / path;
        if (fs::exists(inTree)) file = inTree;
    }
    loadScenarioText(readWholeFile(file), file.string());
}

void Simulation::loadScenarioText(std::string_view content, const std::string& sourceName) {
    loadScenarioFile(*world_, ScenarioFile::parse(content, sourceName));
}

std::string Simulation::saveScenarioText() const {
    return scenarioText(*world_);
}

void Simulation::saveScenario(const fs::path& path) const {
    writeFileAtomically(path.string(), saveScenarioText());
}

HostVessel& Simulation::createVessel(const std::string& name, const std::string& className,
                                     const VESSELSTATUS& status) {
    return createVesselFromStatus(*world_, name, className, status);
}

void Simulation::deleteVessel(HostVessel& vessel) {
    vessel.markedForDeletion = true;
    if (!world_->inFrame) world_->removeMarkedVessels();
}

std::vector<HostVessel*> Simulation::vessels() const {
    std::vector<HostVessel*> list;
    for (const auto& v : world_->vessels) list.push_back(v.get());
    return list;
}

HostVessel* Simulation::findVessel(std::string_view name) const {
    for (const auto& v : world_->vessels) {
        if (text::equalsNoCase(v->name, name)) return v.get();
    }
    return nullptr;
}

HostVessel* Simulation::findVessel(OBJHANDLE handle) const {
    return world_->find(handle);
}

HostVessel* Simulation::focus() const {
    return world_->focus;
}

void Simulation::setFocus(HostVessel* vessel) {
    world_->setFocus(vessel);
}

OBJHANDLE Simulation::earth() const {
    return earthHandle();
}

void Simulation::step(double dt) {
    World& w = *world_;
    w.removeMarkedVessels();
    w.inFrame = true;
    const double t0 = w.simTime;
    const double t1 = t0 + dt;
    const double mjd0 = mjd();
    w.simStep = dt;
    // The count is re-read: a vessel created during the pre-step loop gets its pre-step too.
    for (std::size_t i = 0; i < w.vessels.size(); ++i) {
        if (VESSEL2* v2 = w.vessels[i]->callbacks()) v2->clbkPreStep(t0, dt, mjd0);
    }
    for (const auto& v : w.vessels) beginThrustStep(*v);
    integrateFlight(w, t0, dt);
    for (const auto& v : w.vessels) endThrustStep(*v, dt);
    w.simTime = t1;
    const double mjd1 = mjd();
    // Vessels created from a post-step join the next frame.
    const std::size_t count = w.vessels.size();
    for (std::size_t i = 0; i < count && i < w.vessels.size(); ++i) {
        if (VESSEL2* v2 = w.vessels[i]->callbacks()) v2->clbkPostStep(t1, dt, mjd1);
    }
    w.removeMarkedVessels();
    finaliseFlight(w);
    w.inFrame = false;
    for (std::size_t i = 0; i < w.services.size(); ++i) w.services[i].second->frameEnd();
    w.removeMarkedVessels();
}

void Simulation::run(double seconds, double dt) {
    if (dt <= 0.0) throw Error("the frame length must be positive");
    const double end = time() + seconds;
    // Half a frame of tolerance keeps rounding from adding a frame.
    while (time() + 0.5 * dt < end) step(dt);
}

double Simulation::time() const {
    return world_->simTime;
}
double Simulation::mjd() const {
    return world_->startMjd + world_->simTime / kSecondsPerDay;
}
double Simulation::lastStep() const {
    return world_->simStep;
}
double Simulation::timeAcceleration() const {
    return world_->timeAcceleration;
}

void Simulation::setTimeAcceleration(double warp) {
    world_->timeAcceleration = std::clamp(warp, kMinTimeAcceleration, kMaxTimeAcceleration);
}

bool Simulation::inFrame() const {
    return world_->inFrame;
}

VISHANDLE Simulation::createVisual(HostVessel& vessel) {
    return world_->createVisual(vessel);
}

void Simulation::destroyVisual(HostVessel& vessel) {
    world_->destroyVisual(vessel);
}

bool Simulation::cameraInternal() const {
    return world_->cameraInternal;
}
void Simulation::setCameraInternal(bool internal) {
    world_->cameraInternal = internal;
}
double Simulation::cockpitPolar() const {
    return world_->cockpitPolar;
}
double Simulation::cockpitAzimuth() const {
    return world_->cockpitAzimuth;
}

int Simulation::pressKey(DWORD key, const std::vector<DWORD>& held) {
    HostVessel* target = world_->focus;
    if (target == nullptr || key > 0xFF) return 0;
    std::array<char, 256> kstate{};
    for (DWORD h : held) {
        if (h <= 0xFF) kstate[h] = static_cast<char>(0x80);
    }
    int result = 0;
    if (VESSEL2* v2 = target->callbacks()) {
        kstate[key] = static_cast<char>(0x80);
        result = v2->clbkConsumeBufferedKey(key, true, kstate.data());
        kstate[key] = 0;
        v2->clbkConsumeBufferedKey(key, false, kstate.data());
    }
    // Vessels deleted by the handler go now that it has returned.
    world_->removeMarkedVessels();
    return result;
}

const fs::path& Simulation::tree() const {
    return world_->tree;
}
ModuleRegistry& Simulation::modules() {
    return world_->modules;
}
const std::vector<std::string>& Simulation::warnings() const {
    return world_->warnings;
}
void Simulation::warn(const std::string& message) {
    world_->warn(message);
}
const std::vector<std::string>& Simulation::log() const {
    return world_->log;
}
const std::string& Simulation::system() const {
    return world_->system;
}
const std::vector<std::vector<std::string>>& Simulation::otherBlocks() const {
    return world_->otherBlocks;
}
World& Simulation::world() {
    return *world_;
}

Service* Simulation::findService(std::type_index type) const {
    for (const auto& [t, s] : world_->services) {
        if (t == type) return s.get();
    }
    return nullptr;
}

void Simulation::addService(std::type_index type, std::unique_ptr<Service> service) {
    world_->services.emplace_back(type, std::move(service));
}

}  // namespace sim
