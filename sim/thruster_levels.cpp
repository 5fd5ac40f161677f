#include "thruster_levels.h"

#include <algorithm>

#include "host_vessel.h"

namespace sim {

namespace {

constexpr DWORD kApplyEngineLevels = 1;  // VESSELSTATUS flag[0] bit 0
constexpr DWORD kApplyFuel = 2;          // VESSELSTATUS flag[0] bit 1

bool isFed(const ThrusterRecord& th) {
    return th.tank != nullptr && th.tank->mass > 0.0;
}

double clamp01(double level) {
    return std::clamp(level, 0.0, 1.0);
}

}  // namespace

void setPermanentLevel(ThrusterRecord& th, double level) {
    th.permanentLevel = level;
    if (isFed(th)) th.effectiveLevel = std::min(1.0, th.permanentLevel + th.overrideLevel);
}

void incPermanentLevel(ThrusterRecord& th, double dlevel) {
    th.permanentLevel = clamp01(th.permanentLevel + dlevel);
    if (isFed(th)) th.effectiveLevel = clamp01(th.permanentLevel + th.overrideLevel);
}

void setSingleStepLevel(ThrusterRecord& th, double level) {
    th.overrideLevel = clamp01(level);
    th.effectiveLevel = th.overrideLevel;
}

void incSingleStepLevel(ThrusterRecord& th, double dlevel) {
    th.overrideLevel += dlevel;
    th.effectiveLevel = std::min(1.0, th.permanentLevel + th.overrideLevel);
}

void setGroupLevel(ThrusterGroupRecord& group, double level) {
    level = clamp01(level);
    for (ThrusterRecord* th : group.thrusters) {
        const double change = level - th->permanentLevel;
        th->permanentLevel = level;
        if (isFed(*th)) th->effectiveLevel = clamp01(th->effectiveLevel + change);
    }
}

void incGroupLevel(ThrusterGroupRecord& group, double dlevel) {
    for (ThrusterRecord* th : group.thrusters) incPermanentLevel(*th, dlevel);
}

void incGroupSingleStepLevel(ThrusterGroupRecord& group, double dlevel) {
    for (ThrusterRecord* th : group.thrusters) th->overrideLevel += dlevel;
}

double groupLevel(const ThrusterGroupRecord& group) {
    if (group.thrusters.empty()) return 0.0;
    double sum = 0.0;
    for (const ThrusterRecord* th : group.thrusters) sum += th->effectiveLevel;
    return sum / static_cast<double>(group.thrusters.size());
}

double pressureScale(const ThrusterRecord& th, double pressure) {
    return std::max(0.0, 1.0 - pressure * th.pressureFactor);
}

void beginThrustStep(HostVessel& vessel) {
    for (const auto& tank : vessel.tanks) tank->massAtStepStart = tank->mass;
    for (const auto& th : vessel.thrusters) {
        th->effectiveLevel = clamp01(th->permanentLevel + th->overrideLevel);
        if (th->effectiveLevel > 0.0 && !isFed(*th)) {
            // The engine stays off after refuelling, as on the host.
            th->effectiveLevel = 0.0;
            th->permanentLevel = 0.0;
        }
    }
}

void endThrustStep(HostVessel& vessel, double dt) {
    for (const auto& th : vessel.thrusters) {
        if (th->tank != nullptr && th->effectiveLevel > 0.0 && th->isp0 > 0.0) {
            const double flow =
                th->max0 * th->effectiveLevel / (th->tank->efficiency * th->isp0);  // [kg/s]
            th->tank->mass = std::max(0.0, th->tank->mass - flow * dt);
        }
        th->overrideLevel = 0.0;
    }
    for (const auto& tank : vessel.tanks) {
        tank->flowRate = dt > 0.0 ? (tank->massAtStepStart - tank->mass) / dt : 0.0;
    }
}

void applyStatusLevels(HostVessel& vessel, const VESSELSTATUS& status) {
    if ((status.flag[0] & kApplyFuel) != 0) {
        if (TankRecord* tank = vessel.defaultTank()) tank->mass = status.fuel * tank->maxMass;
    }
    if ((status.flag[0] & kApplyEngineLevels) != 0) {
        auto set = [&](int type, double level) {
            if (ThrusterGroupRecord* g = vessel.group(type)) setGroupLevel(*g, level);
        };
        set(THGROUP_MAIN, std::max(0.0, status.eng_main));
        set(THGROUP_RETRO, std::max(0.0, -status.eng_main));
        set(THGROUP_HOVER, status.eng_hovr);
    }
}

}  // namespace sim
