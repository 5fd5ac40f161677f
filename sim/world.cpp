#include "world.h"

#include <algorithm>
#include <iostream>

#include "error.h"
#include "attachments.h"
#include "generic_config.h"
#include "text.h"
#include "tree_paths.h"

namespace sim {

namespace {

Simulation* g_active = nullptr;

using OvcInit = VESSEL* (*)(OBJHANDLE, int);
using OvcExit = void (*)(VESSEL*);

// Flight model handed to ovcInit: 1 = realistic, the host's default.
constexpr int kFlightModel = 1;

// Whether a saved scenario can name the vessel again: the ship list splits "name:class" at the
// first ':' and trims blanks, lines that refer to a vessel (ATTACHED, the focus) end at a ';',
// and modules take names as C strings, which end at a zero byte.
bool scenarioCanName(std::string_view name) {
    constexpr std::string_view kReserved(":;\0", 3);
    return !name.empty() && name.find_first_of(kReserved) == std::string_view::npos &&
           text::trim(name) == name;
}

// The name as a message can show it, a zero byte written "\0".
std::string shownName(std::string_view name) {
    std::string shown;
    for (char c : name) shown += c == '\0' ? std::string("\\0") : std::string(1, c);
    return shown;
}

}  // namespace

World::World(Simulation& owner_, const std::filesystem::path& tree_, SimulationOptions options_)
    : owner(owner_), tree(tree_), options(std::move(options_)), modules(tree_) {}

OBJHANDLE World::newHandle() {
    // Opaque to modules; distinct from every earlier handle so a dead vessel's handle is never
    // mistaken for a live one.
    constexpr std::uintptr_t kHandleBase = 0x10000;
    constexpr std::uintptr_t kHandleStride = 16;
    return reinterpret_cast<OBJHANDLE>(kHandleBase + kHandleStride * nextSerial++);
}

HostVessel* World::find(OBJHANDLE handle) const {
    const auto it = byHandle.find(handle);
    return it == byHandle.end() ? nullptr : it->second;
}

void World::warn(const std::string& message) {
    warnings.push_back(message);
    if (options.warningSink) {
        options.warningSink(message);
    } else {
        std::cerr << "warning: " << message << '\n';
    }
}

PendingVessel World::construct(const std::string& name, const std::string& className) {
    if (!scenarioCanName(name)) {
        throw Error("vessel \"" + shownName(name) +
                    "\": a vessel name holds no ':', ';' or zero byte and neither starts nor "
                    "ends with a blank, or a saved scenario could not name it again");
    }
    const auto configPath = findClassConfig(tree, className);
    if (!configPath) {
        const std::string relative = normaliseRelativePath(className);
        throw Error("vessel \"" + name + "\": class \"" + className +
                    "\" has no configuration file (Config/Vessels/" + relative + ".cfg or Config/" +
                    relative + ".cfg)");
    }
    ConfigFile config = ConfigFile::load(configPath->string());

    PendingVessel vessel(*this, std::make_unique<HostVessel>());
    vessel->name = name;
    vessel->className = className;
    vessel->handle = newHandle();
    byHandle[vessel->handle] = &*vessel;
    makeModuleObject(*vessel, config);
    if (VESSEL2* v2 = vessel->callbacks()) v2->clbkSetClassCaps(config.handle());
    applyGenericConfig(*vessel, config);
    return vessel;
}

void World::makeModuleObject(HostVessel& vessel, const ConfigFile& config) {
    auto makePlain = [&](const std::string& reason) {
        if (!reason.empty() &&
            warnedClasses.insert(text::toLower(normaliseRelativePath(vessel.className))).second) {
            warn("class \"" + vessel.className + "\": " + reason +
                 "; its vessels are plain vessels driven by " + config.path());
        }
        vessel.module.reset();
        vessel.plainInterface = std::make_unique<VESSEL>(vessel.handle, kFlightModel);
        vessel.iface = vessel.plainInterface.get();
    };

    const auto item = config.readString("Module");
    if (!item) return makePlain("");
    try {
        vessel.module = modules.acquire(modulePath(tree, *item));
    } catch (const Error& e) {
        return makePlain(std::string("module \"") + *item + "\" not loaded: " + e.what());
    }
    const auto init = vessel.module->function<OvcInit>("ovcInit");
    if (init == nullptr) return makePlain("module \"" + *item + "\" has no ovcInit");
    vessel.iface = init(vessel.handle, kFlightModel);
    if (vessel.iface == nullptr)
        return makePlain("module \"" + *item + "\" returned no vessel from ovcInit");
}

PendingVessel::~PendingVessel() {
    if (vessel_) world_.destroy(std::move(vessel_));
}

HostVessel& World::insert(PendingVessel vessel) {
    HostVessel& ref = *vessel;
    vessels.push_back(vessel.release());
    if (focus == nullptr && ref.focusEnabled) focus = &ref;
    return ref;
}

void World::postCreation(HostVessel& vessel) {
    if (VESSEL2* v2 = vessel.callbacks()) v2->clbkPostCreation();
}

void World::destroy(std::unique_ptr<HostVessel> vessel) {
    for (auto& [type, service] : services) service->vesselDeleted(*vessel);
    destroyVisual(*vessel);
    detachAll(*vessel);
    if (vessel->plainInterface) {
        vessel->plainInterface.reset();
    } else if (vessel->iface != nullptr) {
        if (const auto exit = vessel->module->function<OvcExit>("ovcExit")) {
            exit(vessel->iface);
        } else {
            warn("vessel \"" + vessel->name +
                 "\": its module has no ovcExit; the vessel object is not freed");
        }
    }
    vessel->iface = nullptr;
    byHandle.erase(vessel->handle);
    // The module goes last: the records may still point into it.
    auto module = std::move(vessel->module);
    vessel.reset();
}

VISHANDLE World::createVisual(HostVessel& vessel) {
    if (!vessel.visual) {
        vessel.visual = std::make_unique<VisualRecord>();
        if (VESSEL2* v2 = vessel.callbacks()) v2->clbkVisualCreated(vessel.visual.get(), 1);
    }
    return vessel.visual.get();
}

void World::destroyVisual(HostVessel& vessel) {
    if (!vessel.visual) return;
    if (VESSEL2* v2 = vessel.callbacks()) v2->clbkVisualDestroyed(vessel.visual.get(), 1);
    vessel.visual.reset();
}

void World::setFocus(HostVessel* vessel) {
    if (vessel == focus || (vessel != nullptr && !vessel->focusEnabled)) return;
    HostVessel* old = focus;
    focus = vessel;
    const OBJHANDLE gaining = vessel != nullptr ? vessel->handle : nullptr;
    const OBJHANDLE losing = old != nullptr ? old->handle : nullptr;
    if (old != nullptr) {
        if (VESSEL2* v2 = old->callbacks()) v2->clbkFocusChanged(false, gaining, losing);
    }
    if (vessel != nullptr) {
        if (VESSEL2* v2 = vessel->callbacks()) v2->clbkFocusChanged(true, gaining, losing);
    }
}

void World::removeMarkedVessels() {
    while (true) {
        const auto it = std::find_if(vessels.begin(), vessels.end(),
                                     [](const auto& v) { return v->markedForDeletion; });
        if (it == vessels.end()) return;
        std::unique_ptr<HostVessel> dying = std::move(*it);
        vessels.erase(it);  // keeps the order of the others
        if (focus == dying.get()) {
            // The dying vessel is not told; the one taking over the focus is.
            focus = nullptr;
            const auto next = std::find_if(vessels.begin(), vessels.end(), [](const auto& v) {
                return v->focusEnabled && !v->markedForDeletion;
            });
            if (next != vessels.end()) setFocus(next->get());
        }
        destroy(std::move(dying));
    }
}

void World::destroyAll() {
    for (auto& [type, service] : services) service->shutdown();
    while (!vessels.empty()) {
        std::unique_ptr<HostVessel> last = std::move(vessels.back());
        vessels.pop_back();
        destroy(std::move(last));
    }
    focus = nullptr;
}

World& world() {
    if (g_active == nullptr) throw Error("no simulation is active");
    return g_active->world();
}

World* activeWorld() {
    return g_active == nullptr ? nullptr : &g_active->world();
}

Simulation* activeSimulation() {
    return g_active;
}

void setActiveSimulation(Simulation* simulation) {
    g_active = simulation;
}

}  // namespace sim

namespace sim {

HostVessel* findVessel(OBJHANDLE handle) {
    World* w = activeWorld();
    return w != nullptr ? w->find(handle) : nullptr;
}

}  // namespace sim
