// Thrusters, their levels and thruster groups.
#include <algorithm>

#include "host_vessel.h"
#include "thruster_levels.h"

namespace {

using sim::ThrusterGroupRecord;
using sim::ThrusterRecord;

double pressureFactor(double isp0, double ispRef, double pRef) {
    return (isp0 - ispRef) / (pRef * isp0);
}

void removeThruster(sim::HostVessel& v, ThrusterRecord* th) {
    std::erase_if(v.exhausts, [&](const sim::ExhaustRecord& e) { return e.thruster == th; });
    std::erase_if(v.streams, [&](const auto& s) { return s->thruster == th; });
    for (const auto& g : v.groups) std::erase(g->thrusters, th);
    std::erase_if(v.thrusters, [&](const auto& t) { return t.get() == th; });
}

bool deleteGroup(sim::HostVessel& v, ThrusterGroupRecord* group, bool delth) {
    if (group == nullptr) return false;
    if (delth) {
        const std::vector<ThrusterRecord*> members = group->thrusters;
        for (ThrusterRecord* th : members) removeThruster(v, th);
    }
    std::erase_if(v.groups, [&](const auto& g) { return g.get() == group; });
    return true;
}

}  // namespace

THRUSTER_HANDLE VESSEL::CreateThruster(const VECTOR3& pos, const VECTOR3& dir, double maxth0,
                                       PROPELLANT_HANDLE hp, double isp0, double isp_ref,
                                       double p_ref) const {
    auto th = std::make_unique<ThrusterRecord>();
    th->pos = pos;
    th->dir = length(dir) > 0.0 ? unit(dir) : dir;
    th->max0 = maxth0;
    th->tank = vessel->tank(hp);
    th->isp0 = isp0 > 0.0 ? isp0 : vessel->defaultIsp;
    th->ispRef = isp_ref;
    th->pRef = p_ref;
    th->pressureFactor = isp_ref > 0.0 ? pressureFactor(th->isp0, isp_ref, p_ref) : 0.0;
    vessel->thrusters.push_back(std::move(th));
    return vessel->thrusters.back().get();
}

bool VESSEL::DelThruster(THRUSTER_HANDLE& th) const {
    ThrusterRecord* record = vessel->thruster(th);
    if (record == nullptr) return false;
    removeThruster(*vessel, record);
    th = nullptr;
    return true;
}

void VESSEL::ClearThrusterDefinitions() const {
    vessel->exhausts.clear();
    std::erase_if(vessel->streams, [](const auto& s) { return s->thruster != nullptr; });
    vessel->groups.clear();
    vessel->thrusters.clear();
}

DWORD VESSEL::GetThrusterCount() const {
    return static_cast<DWORD>(vessel->thrusters.size());
}

THRUSTER_HANDLE VESSEL::GetThrusterHandleByIndex(DWORD idx) const {
    return idx < vessel->thrusters.size() ? vessel->thrusters[idx].get() : nullptr;
}

void VESSEL::SetThrusterResource(THRUSTER_HANDLE th, PROPELLANT_HANDLE ph) const {
    if (ThrusterRecord* t = vessel->thruster(th)) t->tank = vessel->tank(ph);
}

PROPELLANT_HANDLE VESSEL::GetThrusterResource(THRUSTER_HANDLE th) const {
    const ThrusterRecord* t = vessel->thruster(th);
    return t != nullptr ? t->tank : nullptr;
}

void VESSEL::SetThrusterRef(THRUSTER_HANDLE th, const VECTOR3& pos) const {
    if (ThrusterRecord* t = vessel->thruster(th)) t->pos = pos;
}

void VESSEL::GetThrusterRef(THRUSTER_HANDLE th, VECTOR3& pos) const {
    if (const ThrusterRecord* t = vessel->thruster(th)) pos = t->pos;
}

void VESSEL::SetThrusterDir(THRUSTER_HANDLE th, const VECTOR3& dir) const {
    if (ThrusterRecord* t = vessel->thruster(th)) t->dir = dir;
}

void VESSEL::GetThrusterDir(THRUSTER_HANDLE th, VECTOR3& dir) const {
    if (const ThrusterRecord* t = vessel->thruster(th)) dir = t->dir;
}

void VESSEL::SetThrusterMax0(THRUSTER_HANDLE th, double maxth0) const {
    if (ThrusterRecord* t = vessel->thruster(th)) t->max0 = maxth0;
}

double VESSEL::GetThrusterMax0(THRUSTER_HANDLE th) const {
    const ThrusterRecord* t = vessel->thruster(th);
    return t != nullptr ? t->max0 : 0.0;
}

double VESSEL::GetThrusterMax(THRUSTER_HANDLE th) const {
    return GetThrusterMax(th, GetAtmPressure());
}

double VESSEL::GetThrusterMax(THRUSTER_HANDLE th, double p_ref) const {
    const ThrusterRecord* t = vessel->thruster(th);
    return t != nullptr ? t->max0 * sim::pressureScale(*t, p_ref) : 0.0;
}

double VESSEL::GetThrusterIsp0(THRUSTER_HANDLE th) const {
    const ThrusterRecord* t = vessel->thruster(th);
    return t != nullptr ? t->isp0 : 0.0;
}

double VESSEL::GetThrusterIsp(THRUSTER_HANDLE th) const {
    return GetThrusterIsp(th, GetAtmPressure());
}

double VESSEL::GetThrusterIsp(THRUSTER_HANDLE th, double p_ref) const {
    const ThrusterRecord* t = vessel->thruster(th);
    return t != nullptr ? t->isp0 * sim::pressureScale(*t, p_ref) : 0.0;
}

void VESSEL::SetThrusterIsp(THRUSTER_HANDLE th, double isp) const {
    if (ThrusterRecord* t = vessel->thruster(th)) {
        t->isp0 = isp;
        t->ispRef = 0.0;
        t->pressureFactor = 0.0;
    }
}

void VESSEL::SetThrusterIsp(THRUSTER_HANDLE th, double isp0, double isp_ref, double p_ref) const {
    if (ThrusterRecord* t = vessel->thruster(th)) {
        t->isp0 = isp0;
        t->ispRef = isp_ref;
        t->pRef = p_ref;
        t->pressureFactor = pressureFactor(isp0, isp_ref, p_ref);
    }
}

void VESSEL::SetThrusterLevel(THRUSTER_HANDLE th, double level) const {
    if (ThrusterRecord* t = vessel->thruster(th)) sim::setPermanentLevel(*t, level);
}

void VESSEL::IncThrusterLevel(THRUSTER_HANDLE th, double dlevel) const {
    if (ThrusterRecord* t = vessel->thruster(th)) sim::incPermanentLevel(*t, dlevel);
}

void VESSEL::SetThrusterLevel_SingleStep(THRUSTER_HANDLE th, double level) const {
    if (ThrusterRecord* t = vessel->thruster(th)) sim::setSingleStepLevel(*t, level);
}

void VESSEL::IncThrusterLevel_SingleStep(THRUSTER_HANDLE th, double dlevel) const {
    if (ThrusterRecord* t = vessel->thruster(th)) sim::incSingleStepLevel(*t, dlevel);
}

double VESSEL::GetThrusterLevel(THRUSTER_HANDLE th) const {
    const ThrusterRecord* t = vessel->thruster(th);
    return t != nullptr ? t->effectiveLevel : 0.0;
}

THGROUP_HANDLE VESSEL::CreateThrusterGroup(THRUSTER_HANDLE* th, int nth, THGROUP_TYPE type) const {
    ThrusterGroupRecord* group = vessel->group(type);
    if (group == nullptr) {
        vessel->groups.push_back(std::make_unique<ThrusterGroupRecord>());
        group = vessel->groups.back().get();
        group->type = type;
    }
    group->thrusters.clear();
    for (int i = 0; th != nullptr && i < nth; ++i) {
        if (ThrusterRecord* t = vessel->thruster(th[i])) group->thrusters.push_back(t);
    }
    return group;
}

bool VESSEL::DelThrusterGroup(THGROUP_HANDLE& thg, THGROUP_TYPE, bool delth) const {
    if (!deleteGroup(*vessel, vessel->groupByHandle(thg), delth)) return false;
    thg = nullptr;
    return true;
}

bool VESSEL::DelThrusterGroup(THGROUP_TYPE type, bool delth) const {
    return deleteGroup(*vessel, vessel->group(type), delth);
}

THGROUP_HANDLE VESSEL::GetThrusterGroupHandle(THGROUP_TYPE type) const {
    return vessel->group(type);
}

DWORD VESSEL::GetGroupThrusterCount(THGROUP_HANDLE thg) const {
    const ThrusterGroupRecord* g = vessel->groupByHandle(thg);
    return g != nullptr ? static_cast<DWORD>(g->thrusters.size()) : 0;
}

DWORD VESSEL::GetGroupThrusterCount(THGROUP_TYPE type) const {
    return GetGroupThrusterCount(vessel->group(type));
}

THRUSTER_HANDLE VESSEL::GetGroupThruster(THGROUP_HANDLE thg, DWORD idx) const {
    const ThrusterGroupRecord* g = vessel->groupByHandle(thg);
    return g != nullptr && idx < g->thrusters.size() ? g->thrusters[idx] : nullptr;
}

THRUSTER_HANDLE VESSEL::GetGroupThruster(THGROUP_TYPE type, DWORD idx) const {
    return GetGroupThruster(vessel->group(type), idx);
}

bool VESSEL::ThrusterGroupDefined(THGROUP_TYPE type) const {
    return vessel->group(type) != nullptr;
}

void VESSEL::SetThrusterGroupLevel(THGROUP_HANDLE thg, double level) const {
    if (ThrusterGroupRecord* g = vessel->groupByHandle(thg)) sim::setGroupLevel(*g, level);
}

void VESSEL::SetThrusterGroupLevel(THGROUP_TYPE type, double level) const {
    SetThrusterGroupLevel(vessel->group(type), level);
}

void VESSEL::IncThrusterGroupLevel(THGROUP_HANDLE thg, double dlevel) const {
    if (ThrusterGroupRecord* g = vessel->groupByHandle(thg)) sim::incGroupLevel(*g, dlevel);
}

void VESSEL::IncThrusterGroupLevel(THGROUP_TYPE type, double dlevel) const {
    IncThrusterGroupLevel(vessel->group(type), dlevel);
}

void VESSEL::IncThrusterGroupLevel_SingleStep(THGROUP_HANDLE thg, double dlevel) const {
    if (ThrusterGroupRecord* g = vessel->groupByHandle(thg))
        sim::incGroupSingleStepLevel(*g, dlevel);
}

void VESSEL::IncThrusterGroupLevel_SingleStep(THGROUP_TYPE type, double dlevel) const {
    IncThrusterGroupLevel_SingleStep(vessel->group(type), dlevel);
}

double VESSEL::GetThrusterGroupLevel(THGROUP_HANDLE thg) const {
    const ThrusterGroupRecord* g = vessel->groupByHandle(thg);
    return g != nullptr ? sim::groupLevel(*g) : 0.0;
}

double VESSEL::GetThrusterGroupLevel(THGROUP_TYPE type) const {
    return GetThrusterGroupLevel(vessel->group(type));
}
