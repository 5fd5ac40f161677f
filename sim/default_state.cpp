// The host's default vessel lines: reading them into a VESSELSTATUS2, applying that, and
// writing them when a scenario is saved.
#include <cmath>
#include <cstdio>
#include <sstream>

#include "celestial.h"
#include "host_vessel.h"
#include "physics/state_bounds.h"
#include "scenario_cursor.h"
#include "scenario_writer.h"
#include "text.h"
#include "thruster_levels.h"
#include "vessel_load.h"
#include "world.h"

namespace sim {

namespace {

constexpr double kMinSavedAngularRate2 = 1e-8;  // |ω|² below which VROT is not written [rad²/s²]
constexpr DWORD kAllResources = static_cast<DWORD>(-1);

constexpr double kUnbounded = HUGE_VAL;  // angles and levels: any finite value

// The largest magnitude a line's values may have, and what a line beyond it is: the range of
// states the host keeps vessels within.
struct Bound {
    double limit = kUnbounded;
    const char* beyond = "";
};

const Bound kNoBound{};
const Bound kDistanceBound{physics::kMaxDistance, "farther than 1e15 m"};
const Bound kSpeedBound{physics::kMaxSpeed, "faster than light"};
const Bound kRotationBound{physics::kMaxRotationRate * DEG,  // [deg/s]
                           "turning faster than 1000 rad/s"};

double magnitude(const std::vector<double>& n) {
    double length = 0.0;
    for (const double v : n) length = std::hypot(length, v);  // without overflow on the way
    return length;
}

std::optional<std::vector<double>> numbers(std::string_view rest, std::size_t count) {
    std::istringstream in{std::string(rest)};
    std::vector<double> values(count);
    for (double& v : values) {
        if (!(in >> v)) return std::nullopt;
    }
    return values;
}

VECTOR3 vec(const std::vector<double>& n, double scale = 1.0) {
    return _V(n[0] * scale, n[1] * scale, n[2] * scale);
}

OBJHANDLE bodyByName(std::string_view name) {
    return text::equalsNoCase(name, kEarthName) ? earthHandle() : nullptr;
}

// A level that is not a finite number is as unreadable as a missing one, as the other lines'
// numbers are: it would turn the vessel's state into no numbers at all. A tank's level is its
// share of the capacity: beyond 0..1 the vessel's mass could outgrow any number, or vanish.
bool isThrusterLevel(double level) {
    return std::isfinite(level);
}
bool isPropellantLevel(double level) {
    return level >= 0.0 && level <= 1.0;
}

// "index:level" tokens of PRPLEVEL and THLEVEL.
template <typename Spec>
bool indexLevels(std::string_view rest, std::vector<Spec>& out, bool (*acceptable)(double)) {
    std::istringstream in{std::string(rest)};
    std::string token;
    while (in >> token) {
        unsigned index = 0;
        double level = 0.0;
        if (std::sscanf(token.c_str(), "%u:%lf", &index, &level) != 2 || !acceptable(level))
            return false;
        out.push_back(Spec{index, level});
    }
    return true;
}

class LineParser {
  public:
    LineParser(std::string_view line, VESSELSTATUS2& status, VesselLoad* load)
        : line_(text::trim(line)), status_(status), load_(load) {}

    void run() {
        if (key("STATUS")) return readStatus();
        if (key("BASE")) return;  // the headless host has no surface bases; POS places the vessel
        if (key("POS"))
            return readVector("POS", 2, kNoBound, [&](auto& n) {
                status_.surf_lng = n[0] * RAD;
                status_.surf_lat = n[1] * RAD;
            });
        if (key("HEADING"))
            return readVector("HEADING", 1, kNoBound,
                              [&](auto& n) { status_.surf_hdg = n[0] * RAD; });
        if (key("PRPLEVEL"))
            return readLevels("PRPLEVEL", load_ ? &load_->fuel : nullptr, VS_FUELLIST,
                              isPropellantLevel);
        if (key("FUEL")) return readFuel();
        if (key("THLEVEL"))
            return readLevels("THLEVEL", load_ ? &load_->thrusters : nullptr, VS_THRUSTLIST,
                              isThrusterLevel);
        if (key("ENGINE_MAIN") || key("ENGINE_HOVR") || key("DOCKINFO")) return;
        if (key("RPOS"))
            return readVector("RPOS", 3, kDistanceBound, [&](auto& n) { status_.rpos = vec(n); });
        if (key("RVEL"))
            return readVector("RVEL", 3, kSpeedBound, [&](auto& n) { status_.rvel = vec(n); });
        if (key("AROT"))
            return readVector("AROT", 3, kNoBound, [&](auto& n) { status_.arot = vec(n, RAD); });
        if (key("VROT"))
            return readVector("VROT", 3, kRotationBound,
                              [&](auto& n) { status_.vrot = vec(n, RAD); });
        if (key("ALT"))
            return readVector("ALT", 1, kDistanceBound, [&](auto& n) { status_.vrot.x = n[0]; });
        if (key("ELEMENTS")) return fail("ELEMENTS lines are not supported; give RPOS and RVEL");
        if (key("ATTACHED")) return readAttached();
        // IDS, NAVFREQ, XPDR, RCSMODE, AFCMODE, FLIGHTDATA and unknown lines: nothing to do.
    }

  private:
    bool key(std::string_view k) {
        if (!text::startsWithNoCase(line_, k)) return false;
        rest_ = text::trim(line_.substr(k.size()));
        return true;
    }

    void fail(const std::string& what) {
        const std::string vessel = load_ ? "vessel \"" + load_->vesselName + "\": " : "";
        const std::string message = vessel + what + " (\"" + std::string(line_) + "\")";
        if (load_ == nullptr) {
            if (World* w = activeWorld()) w->warn(message);
        } else if (load_->error.empty()) {
            load_->error = load_->cursor->location() + ": " + message;
        }
    }

    template <typename Apply>
    void readVector(const char* name, std::size_t count, const Bound& bound, Apply apply) {
        const auto n = numbers(rest_, count);
        if (!n) return fail(std::string("unreadable ") + name + " line");
        if (!(magnitude(*n) <= bound.limit))
            return fail(std::string("unreadable ") + name + " line: " + bound.beyond);
        apply(*n);
    }

    void readStatus() {
        char state[32] = {}, body[64] = {};
        if (std::sscanf(std::string(rest_).c_str(), "%31s %63s", state, body) != 2)
            return fail("unreadable STATUS line");
        if (text::equalsNoCase(state, "Landed")) {
            status_.status = 1;
        } else if (text::equalsNoCase(state, "Orbiting")) {
            status_.status = 0;
        } else {
            return fail(std::string("unknown status \"") + state +
                        "\" (expected Landed or Orbiting)");
        }
        status_.rbody = bodyByName(body);
        if (status_.rbody == nullptr) fail(std::string("unknown body \"") + body + "\"");
    }

    template <typename Spec>
    void readLevels(const char* name, std::vector<Spec>* list, DWORD flag,
                    bool (*acceptable)(double)) {
        std::vector<Spec> parsed;
        if (!indexLevels(rest_, parsed, acceptable))
            return fail(std::string("unreadable ") + name + " line");
        if (list != nullptr) list->insert(list->end(), parsed.begin(), parsed.end());
        noteList(flag);
    }

    void readFuel() {
        const auto n = numbers(rest_, 1);
        if (!n || !isPropellantLevel(n->front())) return fail("unreadable FUEL line");
        if (load_) load_->fuel.push_back({kAllResources, n->front()});
        noteList(VS_FUELLIST);
    }

    void noteList(DWORD flag) {
        if (load_ == nullptr) return;
        status_.flag |= flag;
        status_.nfuel = static_cast<DWORD>(load_->fuel.size());
        status_.fuel = load_->fuel.data();
        status_.nthruster = static_cast<DWORD>(load_->thrusters.size());
        status_.thruster = load_->thrusters.data();
    }

    void readAttached() {
        unsigned own = 0, parent = 0;
        int used = 0;
        const std::string rest(rest_);
        if (std::sscanf(rest.c_str(), "%u:%u,%n", &own, &parent, &used) < 2 || used == 0) {
            return fail("unreadable ATTACHED line");
        }
        const std::string parentName(
            text::trim(std::string_view(rest).substr(static_cast<std::size_t>(used))));
        if (parentName.empty()) return fail("ATTACHED line without a parent vessel");
        if (load_ != nullptr)
            load_->attachment =
                PendingAttachment{own, parent, parentName, load_->cursor->location()};
    }

    std::string_view line_;
    std::string_view rest_;
    VESSELSTATUS2& status_;
    VesselLoad* load_;
};

std::string vectorText(const VECTOR3& v, int decimals, double scale = 1.0) {
    return formatFixed(v.x * scale, decimals) + " " + formatFixed(v.y * scale, decimals) + " " +
           formatFixed(v.z * scale, decimals);
}

std::size_t indexIn(const std::vector<std::unique_ptr<AttachmentRecord>>& list,
                    const AttachmentRecord* p) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].get() == p) return i;
    }
    return list.size();
}

}  // namespace

VesselLoad::VesselLoad() {
    status.version = 2;
    status.flag = VS_FUELRESET | VS_FUELLIST | VS_THRUSTRESET | VS_THRUSTLIST | VS_DOCKINFOLIST;
    status.port = -1;
}

void parseDefaultLine(const char* line, VESSELSTATUS2& status, VesselLoad* load) {
    if (line != nullptr) LineParser(line, status, load).run();
}

void applyStatus2(HostVessel& vessel, const VESSELSTATUS2& vs) {
    if ((vs.flag & VS_FUELRESET) != 0) {
        for (const auto& tank : vessel.tanks) tank->mass = 0.0;
    }
    if ((vs.flag & VS_FUELLIST) != 0 && vs.fuel != nullptr) {
        for (DWORD i = 0; i < vs.nfuel; ++i) {
            const auto& f = vs.fuel[i];
            for (std::size_t t = 0; t < vessel.tanks.size(); ++t) {
                if (f.idx == kAllResources || f.idx == t)
                    vessel.tanks[t]->mass = f.level * vessel.tanks[t]->maxMass;
            }
        }
    }
    if ((vs.flag & VS_THRUSTRESET) != 0) {
        for (const auto& th : vessel.thrusters) th->permanentLevel = th->effectiveLevel = 0.0;
    }
    if ((vs.flag & VS_THRUSTLIST) != 0 && vs.thruster != nullptr) {
        for (DWORD i = 0; i < vs.nthruster; ++i) {
            if (vs.thruster[i].idx < vessel.thrusters.size()) {
                setPermanentLevel(*vessel.thrusters[vs.thruster[i].idx], vs.thruster[i].level);
            }
        }
    }
    VESSELSTATUS kinematic{};
    kinematic.rbody = vs.rbody;
    kinematic.base = vs.base;
    kinematic.port = vs.port;
    kinematic.status = vs.status;
    kinematic.rpos = vs.rpos;
    kinematic.rvel = vs.rvel;
    kinematic.vrot = vs.vrot;
    kinematic.arot = vs.arot;
    kinematic.vdata[0] = _V(vs.surf_lng, vs.surf_lat, vs.surf_hdg);
    vessel.iface->DefSetState(&kinematic);
}

void writeDefaultState(const HostVessel& vessel, FILEHANDLE scn) {
    ScenarioWriter* out = fileFromHandle<ScenarioWriter>(scn);
    if (out == nullptr) return;
    VESSELSTATUS vs{};
    vessel.iface->GetStatus(vs);
    const std::string body = kEarthName;
    if (vs.status == 1) {
        out->item("STATUS", "Landed " + body);
        out->item("POS",
                  formatFixed(vs.vdata[0].x * DEG, 7) + " " + formatFixed(vs.vdata[0].y * DEG, 7));
        out->item("HEADING", formatFixed(vs.vdata[0].z * DEG, 2));
        out->item("ALT", formatFixed(vs.vrot.x, 3));
        out->item("AROT", vectorText(vs.arot, 3, DEG));
    } else {
        out->item("STATUS", "Orbiting " + body);
        out->item("RPOS", vectorText(vs.rpos, 3));
        out->item("RVEL", vectorText(vs.rvel, 4));
        out->item("AROT", vectorText(vs.arot, 3, DEG));
        if (dotp(vs.vrot, vs.vrot) > kMinSavedAngularRate2)
            out->item("VROT", vectorText(vs.vrot, 4, DEG));
    }
    for (std::size_t i = 0; i < vessel.parentPoints.size(); ++i) {
        const AttachmentRecord& own = *vessel.parentPoints[i];
        if (own.connected == nullptr) continue;
        out->item("ATTACHED", std::to_string(i) + ":" +
                                  std::to_string(indexIn(own.connected->childPoints, own.mate)) +
                                  "," + own.connected->name);
    }
    std::string levels;
    for (std::size_t i = 0; i < vessel.tanks.size(); ++i) {
        const TankRecord& tank = *vessel.tanks[i];
        if (tank.maxMass > 0.0 && tank.mass > 0.0) {
            levels += " " + std::to_string(i) + ":" + formatFixed(tank.mass / tank.maxMass, 6);
        }
    }
    if (!levels.empty()) out->item("PRPLEVEL", levels.substr(1));
    levels.clear();
    for (std::size_t i = 0; i < vessel.thrusters.size(); ++i) {
        if (vessel.thrusters[i]->permanentLevel != 0.0) {
            levels +=
                " " + std::to_string(i) + ":" + formatFixed(vessel.thrusters[i]->permanentLevel, 6);
        }
    }
    if (!levels.empty()) out->item("THLEVEL", levels.substr(1));
}

}  // namespace sim

void VESSEL::ParseScenarioLineEx(char* line, void* status) const {
    if (status == nullptr) return;
    auto* vs = static_cast<VESSELSTATUS2*>(status);
    sim::World* w = sim::activeWorld();
    sim::VesselLoad* load = w != nullptr && w->activeLoad != nullptr && &w->activeLoad->status == vs
                                ? w->activeLoad
                                : nullptr;
    sim::parseDefaultLine(line, *vs, load);
}

void VESSEL::SaveDefaultState(FILEHANDLE scn) const {
    sim::writeDefaultState(*vessel, scn);
}

void VESSEL::DefSetStateEx(const void* status) const {
    if (status != nullptr) sim::applyStatus2(*vessel, *static_cast<const VESSELSTATUS2*>(status));
}
