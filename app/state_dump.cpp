#include "state_dump.h"

#include <array>
#include <string_view>

#include "scenario_writer.h"
#include "text.h"
#include "vessel_load.h"
#include "vessel_readout.h"

namespace app {

namespace {

using nlohmann::json;

// The host's names of the standard thruster group types, by type number.
constexpr std::array<std::string_view, 15> kGroupTypeNames = {
    "THGROUP_MAIN",          "THGROUP_RETRO",       "THGROUP_HOVER",        "THGROUP_ATT_PITCHUP",
    "THGROUP_ATT_PITCHDOWN", "THGROUP_ATT_YAWLEFT", "THGROUP_ATT_YAWRIGHT", "THGROUP_ATT_BANKLEFT",
    "THGROUP_ATT_BANKRIGHT", "THGROUP_ATT_RIGHT",   "THGROUP_ATT_LEFT",     "THGROUP_ATT_UP",
    "THGROUP_ATT_DOWN",      "THGROUP_ATT_FORWARD", "THGROUP_ATT_BACK",
};

json vec(const VECTOR3& v) {
    return json::array({v.x, v.y, v.z});
}

json rows(const MATRIX3& m) {
    return json::array({json::array({m.m11, m.m12, m.m13}), json::array({m.m21, m.m22, m.m23}),
                        json::array({m.m31, m.m32, m.m33})});
}

template <typename Record>
int indexOf(const std::vector<std::unique_ptr<Record>>& list, const Record* record) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].get() == record) return static_cast<int>(i);
    }
    return -1;
}

json propellant(const sim::HostVessel& v) {
    json out = json::array();
    for (std::size_t i = 0; i < v.tanks.size(); ++i) {
        out.push_back({{"index", i}, {"maxMass", v.tanks[i]->maxMass}, {"mass", v.tanks[i]->mass}});
    }
    return out;
}

json thrusters(const sim::HostVessel& v) {
    json out = json::array();
    for (std::size_t i = 0; i < v.thrusters.size(); ++i) {
        const sim::ThrusterRecord& t = *v.thrusters[i];
        out.push_back({{"index", i},
                       {"position", vec(t.pos)},
                       {"direction", vec(t.dir)},
                       {"maxThrust", t.max0},
                       {"level", t.effectiveLevel},
                       {"isp", t.isp0},
                       {"tank", indexOf(v.tanks, t.tank)}});
    }
    return out;
}

json groups(const sim::HostVessel& v) {
    json out = json::object();
    int userGroups = 0;
    for (const auto& group : v.groups) {
        json members = json::array();
        for (const sim::ThrusterRecord* t : group->thrusters)
            members.push_back(indexOf(v.thrusters, t));
        const bool standard =
            group->type >= 0 && group->type < static_cast<int>(kGroupTypeNames.size());
        const std::string name = standard ? std::string(kGroupTypeNames[group->type])
                                          : "THGROUP_USER " + std::to_string(++userGroups);
        out[name] = std::move(members);
    }
    return out;
}

json meshes(const sim::HostVessel& v) {
    json out = json::array();
    for (std::size_t i = 0; i < v.meshes.size(); ++i) {
        const sim::MeshSlot& m = v.meshes[i];
        if (!m.used) continue;
        out.push_back({{"index", i},
                       {"name", m.name},
                       {"offset", vec(m.offset)},
                       {"visibility", m.visibility}});
    }
    return out;
}

json touchdownPoints(const sim::HostVessel& v) {
    json out = json::array();
    for (std::size_t i = 0; i < v.touchdownPoints.size() && i < 3; ++i) {
        out.push_back(vec(v.touchdownPoints[i].pos));
    }
    return out;
}

json animations(const sim::HostVessel& v) {
    json out = json::array();
    for (std::size_t i = 0; i < v.animations.size(); ++i) {
        if (v.animations[i]) out.push_back({{"index", i}, {"state", v.animations[i]->state}});
    }
    return out;
}

json scenarioLines(const sim::HostVessel& v) {
    sim::ScenarioWriter out;
    if (VESSEL2* callbacks = v.callbacks()) {
        callbacks->clbkSaveState(out.handle());
    } else {
        sim::writeDefaultState(v, out.handle());
    }
    json lines = json::array();
    sim::text::forEachLine(out.text(), [&](std::string_view line) { lines.push_back(line); });
    return lines;
}

json vessel(const sim::HostVessel& v) {
    const VesselReadout r = readVessel(v);
    MATRIX3 rotation;
    v.iface->GetRotationMatrix(rotation);
    return {{"name", v.name},
            {"class", v.className},
            {"status", r.landed ? "landed" : "flying"},
            {"attachedTo", v.attachedTo() ? json(v.attachedTo()->owner->name) : json(nullptr)},
            {"position", vec(r.position)},
            {"velocity", vec(r.velocity)},
            {"rotationMatrix", rows(rotation)},
            {"altitude", r.altitude},
            {"apoapsisAltitude", r.apoapsisAltitude},
            {"periapsisAltitude", r.periapsisAltitude},
            {"inclination", r.inclination},
            {"mass", r.mass},
            {"emptyMass", v.iface->GetEmptyMass()},
            {"propellant", propellant(v)},
            {"thrusters", thrusters(v)},
            {"groups", groups(v)},
            {"meshes", meshes(v)},
            {"touchdownPoints", touchdownPoints(v)},
            {"animations", animations(v)},
            {"pmi", vec(v.effectivePmi())},
            {"crossSections", vec(v.crossSections)},
            {"scenarioLines", scenarioLines(v)}};
}

}  // namespace

json stateDump(sim::Simulation& simulation) {
    json vessels = json::array();
    for (const sim::HostVessel* v : simulation.vessels()) {
        if (!v->markedForDeletion) vessels.push_back(vessel(*v));
    }
    return {{"time", simulation.time()}, {"vessels", std::move(vessels)}};
}

}  // namespace app
