#include "scenario_loader.h"

#include "attachments.h"
#include "error.h"
#include "scenario_cursor.h"
#include "scenario_file.h"
#include "text.h"
#include "thruster_levels.h"
#include "vessel_load.h"
#include "world.h"

namespace sim {

namespace {

constexpr double kSecondsPerDay = 86400.0;

bool nameInUse(const World& world, const std::string& name) {
    for (const auto& v : world.vessels) {
        if (!v->markedForDeletion && text::equalsNoCase(v->name, name)) return true;
    }
    return false;
}

// Host-side scenario reading for a vessel without callbacks: every line to the default parser.
void defaultLoadState(ScenarioCursor& cursor, VesselLoad& load) {
    while (const char* line = cursor.nextLine()) parseDefaultLine(line, load.status, &load);
}

struct LoadedVessel {
    HostVessel* vessel;
    std::optional<PendingAttachment> attachment;
    // Saved levels of thrusters that did not exist yet when the state was applied: a module
    // may create thrusters in clbkPostCreation (the core its booster engine), and their levels
    // would otherwise be lost with every save and load.
    std::vector<VESSELSTATUS2::THRUSTSPEC> laterThrusterLevels;
};

std::vector<VESSELSTATUS2::THRUSTSPEC> levelsBeyond(const VesselLoad& load, std::size_t count) {
    std::vector<VESSELSTATUS2::THRUSTSPEC> later;
    for (const auto& spec : load.thrusters) {
        if (spec.idx >= count) later.push_back(spec);
    }
    return later;
}

void applyLaterThrusterLevels(const LoadedVessel& loaded) {
    const auto& thrusters = loaded.vessel->thrusters;
    for (const auto& spec : loaded.laterThrusterLevels) {
        if (spec.idx < thrusters.size()) setPermanentLevel(*thrusters[spec.idx], spec.level);
    }
}

LoadedVessel loadShip(World& world, const ScenarioFile& scenario, const ShipBlock& ship) {
    const std::string where = scenario.source + ":" + std::to_string(ship.headerLine);
    if (nameInUse(world, ship.name))
        throw Error(where + ": a vessel named \"" + ship.name + "\" already exists");
    auto vessel = [&] {
        try {
            return world.construct(ship.name, ship.className);
        } catch (const Error& e) {
            throw Error(where + ": " + e.what());
        }
    }();
    VesselLoad load;
    load.vesselName = ship.name;
    ScenarioCursor cursor(scenario.source, ship.lines);
    load.cursor = &cursor;
    world.activeLoad = &load;
    if (VESSEL2* v2 = vessel->callbacks()) {
        v2->clbkLoadStateEx(cursor.handle(), &load.status);
    } else {
        defaultLoadState(cursor, load);
    }
    world.activeLoad = nullptr;
    if (!load.error.empty()) throw Error(load.error);
    if (VESSEL2* v2 = vessel->callbacks()) {
        v2->clbkSetStateEx(&load.status);
    } else {
        applyStatus2(*vessel, load.status);
    }
    auto later = levelsBeyond(load, vessel->thrusters.size());
    return {&world.insert(std::move(vessel)), load.attachment, std::move(later)};
}

void bindAttachment(World& world, HostVessel& child, const PendingAttachment& pending) {
    HostVessel* parent = nullptr;
    for (const auto& v : world.vessels) {
        if (text::equalsNoCase(v->name, pending.parentName)) parent = v.get();
    }
    if (parent == nullptr) {
        throw Error(pending.location + ": vessel \"" + child.name + "\" is attached to \"" +
                    pending.parentName + "\", which is not in the scenario");
    }
    if (!attachByIndex(*parent, pending.parentIndex, child, pending.ownIndex)) {
        throw Error(pending.location + ": vessel \"" + child.name + "\" cannot be attached to \"" +
                    parent->name + "\" (no free attachment points " +
                    std::to_string(pending.ownIndex) + ":" + std::to_string(pending.parentIndex) +
                    ")");
    }
}

}  // namespace

void loadScenarioFile(World& world, const ScenarioFile& scenario) {
    std::vector<LoadedVessel> loaded;
    try {
        for (const ShipBlock& ship : scenario.ships)
            loaded.push_back(loadShip(world, scenario, ship));
        for (const LoadedVessel& l : loaded) {
            if (l.attachment) bindAttachment(world, *l.vessel, *l.attachment);
        }
    } catch (...) {
        world.activeLoad = nullptr;
        for (const LoadedVessel& l : loaded) l.vessel->markedForDeletion = true;
        world.removeMarkedVessels();
        throw;
    }
    world.system = scenario.system;
    if (scenario.mjd) world.startMjd = *scenario.mjd - world.simTime / kSecondsPerDay;
    world.description = scenario.description;
    world.otherBlocks = scenario.otherBlocks;
    if (!scenario.focus.empty()) {
        HostVessel* focus = nullptr;
        for (const auto& v : world.vessels) {
            if (text::equalsNoCase(v->name, scenario.focus)) focus = v.get();
        }
        if (focus != nullptr) {
            world.setFocus(focus);
        } else {
            world.warn(scenario.source + ": the focus vessel \"" + scenario.focus +
                       "\" is not in the scenario");
        }
    }
    for (const LoadedVessel& l : loaded) {
        world.postCreation(*l.vessel);
        applyLaterThrusterLevels(l);
    }
}

namespace {

template <typename ApplyStatus>
HostVessel& createAndPlace(World& world, const std::string& name, const std::string& className,
                           ApplyStatus apply) {
    if (nameInUse(world, name))
        throw Error("vessel \"" + name + "\" cannot be created: the name is in use");
    PendingVessel vessel = world.construct(name, className);
    apply(*vessel);
    HostVessel& created = world.insert(std::move(vessel));
    world.postCreation(created);
    return created;
}

}  // namespace

HostVessel& createVesselFromStatus(World& world, const std::string& name,
                                   const std::string& className, const VESSELSTATUS& status) {
    return createAndPlace(world, name, className,
                          [&](HostVessel& v) { v.iface->DefSetState(&status); });
}

HostVessel& createVesselFromStatus2(World& world, const std::string& name,
                                    const std::string& className, const VESSELSTATUS2* status) {
    return createAndPlace(world, name, className, [&](HostVessel& v) {
        if (status == nullptr) return;
        if (VESSEL2* v2 = v.callbacks()) {
            v2->clbkSetStateEx(status);
        } else {
            applyStatus2(v, *status);
        }
    });
}

}  // namespace sim
