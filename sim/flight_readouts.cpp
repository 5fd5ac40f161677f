// The host's flight read-outs and state operations: what a vessel module learns about its
// motion, in the host's frames, signs and units.
#include <cmath>

#include "celestial.h"
#include "host_vessel.h"
#include "physics/earth.h"
#include "physics/ground_contact.h"
#include "physics/orbit.h"
#include "physics/rotation.h"
#include "physics/state_bounds.h"
#include "physics/vessel_flight_state.h"
#include "thruster_levels.h"
#include "world.h"

namespace {

using sim::physics::GlobalState;
using sim::physics::Kinematics;
using sim::physics::SurfaceRecord;

SurfaceRecord Reported(const sim::HostVessel* v) {
    return sim::physics::ReportedSurfaceRecord(*v);
}

void SetKinematicState(sim::HostVessel& vessel, const VESSELSTATUS& status) {
    sim::physics::RigidBody& body = vessel.body;
    body.in_step = false;
    body.rest_in_contact = 0.0;
    body.in_contact = false;
    if (status.status == 1) {
        const VECTOR3& at = status.vdata[0];  // longitude, latitude, heading [rad]
        sim::physics::PlaceLanded(body, vessel.touchdownPoints, at.x, at.y, at.z,
                                  sim::physics::CurrentMjd());
        body.omega_B = _V(0, 0, 0);
        return;
    }
    body.landed = false;
    // A position inside the planet is replaced by one well above it, as the host does.
    body.r_N = length(status.rpos) < sim::physics::earth::kRadius
                   ? _V(0, 0, 1.1 * sim::physics::earth::kRadius)
                   : status.rpos;
    body.v_N = status.rvel;
    body.R = sim::physics::FromEulerAngles(status.arot);
    body.omega_B = status.vrot;
}

sim::physics::OrbitShape Orbit(const sim::HostVessel& v) {
    // From the state at the end of the step, like the surface record.
    const double mu = GGRAV * (sim::physics::earth::kMass + v.mass());
    return sim::physics::OsculatingOrbit(v.body.r_N, v.body.v_N, mu,
                                         sim::physics::earth::NorthPole());
}

// A velocity given in global axes, expressed in one of the host's frames; false for an unknown
// frame.
bool InFrame(int frame, const VECTOR3& v_N, const SurfaceRecord& rec, const MATRIX3& R,
             VECTOR3& out) {
    switch (frame) {
        case FRAME_GLOBAL:
            out = v_N;
            return true;
        case FRAME_LOCAL:
            out = tmul(R, v_N);
            return true;
        case FRAME_REFLOCAL:
            out = tmul(rec.R_planet, v_N);
            return true;
        case FRAME_HORIZON:
            out = mul(rec.L2H, tmul(rec.R_planet, v_N));
            return true;
        default:
            out = _V(0, 0, 0);
            return false;
    }
}

// Global position of an object the host knows: a vessel, or the Earth at the origin.
VECTOR3 ObjectPosition(OBJHANDLE h) {
    const sim::HostVessel* v = sim::findVessel(h);
    return v != nullptr ? GlobalState(*v).r_N : _V(0, 0, 0);
}
VECTOR3 ObjectVelocity(OBJHANDLE h) {
    const sim::HostVessel* v = sim::findVessel(h);
    return v != nullptr ? GlobalState(*v).v_N : _V(0, 0, 0);
}

double GroupLevel(const sim::HostVessel& v, int type) {
    const sim::ThrusterGroupRecord* g = v.group(type);
    return g != nullptr ? sim::groupLevel(*g) : 0.0;
}

}  // namespace

// --- state records --------------------------------------------------------------------------

void VESSEL::GetStatus(VESSELSTATUS& status) const {
    status = VESSELSTATUS{};
    const Kinematics k = GlobalState(*vessel);
    status.rbody = sim::earthHandle();
    status.rpos = k.r_N;
    status.rvel = k.v_N;
    const sim::physics::RigidBody& body = vessel->body;
    if (body.landed) {
        status.status = 1;
        status.vrot = _V(body.surface.cog_elevation, 0, 0);
        status.arot = sim::physics::EulerAngles(body.surface.R_local_to_planet);
        status.vdata[0] = _V(body.surface.longitude, body.surface.latitude, body.surface.heading);
    } else {
        status.vrot = k.omega_B;
        status.arot = sim::physics::EulerAngles(k.R);
    }
    if (!vessel->tanks.empty()) {
        const sim::TankRecord& tank = *vessel->tanks.front();
        status.fuel = tank.maxMass > 0.0 ? tank.mass / tank.maxMass : 0.0;
    }
    const double main = GroupLevel(*vessel, THGROUP_MAIN);
    status.eng_main = main != 0.0 ? main : -GroupLevel(*vessel, THGROUP_RETRO);
    status.eng_hovr = GroupLevel(*vessel, THGROUP_HOVER);
}

// The kinematic part of a version-2 record; the caller's fuel, thruster and dock lists are left
// as they are.
void VESSEL::GetStatusEx(void* status) const {
    if (status == nullptr) return;
    auto& vs2 = *static_cast<VESSELSTATUS2*>(status);
    VESSELSTATUS vs;
    GetStatus(vs);
    vs2.rbody = vs.rbody;
    vs2.base = vs.base;
    vs2.port = vs.port;
    vs2.status = vs.status;
    vs2.rpos = vs.rpos;
    vs2.rvel = vs.rvel;
    vs2.vrot = vs.vrot;
    vs2.arot = vs.arot;
    vs2.surf_lng = vs.vdata[0].x;
    vs2.surf_lat = vs.vdata[0].y;
    vs2.surf_hdg = vs.vdata[0].z;
}

void VESSEL::DefSetState(const VESSELSTATUS* status) const {
    if (status == nullptr) return;
    sim::applyStatusLevels(*vessel, *status);
    const sim::physics::RigidBody before = vessel->body;
    SetKinematicState(*vessel, *status);
    // A state no flight comes near would turn into no numbers at the next step, and a scenario
    // could not hold it: it is ignored, as the scenario reader refuses it.
    if (sim::physics::WithinBounds(vessel->body)) return;
    vessel->body = before;
    if (sim::World* w = sim::activeWorld())
        w->warn("vessel \"" + vessel->name +
                "\": a state beyond 1e15 m, the speed of light or 1000 rad/s, or of no number, "
                "is ignored");
}

// --- surface-relative read-outs ------------------------------------------------------------------

double VESSEL::GetAltitude() const {
    return Reported(vessel).altitude;
}
double VESSEL::GetPitch() const {
    return Reported(vessel).pitch;
}
double VESSEL::GetBank() const {
    return Reported(vessel).bank;
}
double VESSEL::GetYaw() const {
    return Reported(vessel).heading;
}
double VESSEL::GetSlipAngle() const {
    return Reported(vessel).slip;
}
double VESSEL::GetAOA() const {
    return Reported(vessel).aoa;
}
double VESSEL::GetAirspeed() const {
    return Reported(vessel).airspeed;
}
double VESSEL::GetGroundspeed() const {
    return Reported(vessel).groundspeed;
}
double VESSEL::GetDynPressure() const {
    return Reported(vessel).dynamic_pressure;
}
double VESSEL::GetMachNumber() const {
    return Reported(vessel).mach;
}
double VESSEL::GetAtmPressure() const {
    return Reported(vessel).air.pressure;
}
double VESSEL::GetAtmDensity() const {
    return Reported(vessel).air.density;
}
double VESSEL::GetAtmTemperature() const {
    return Reported(vessel).air.temperature;
}

bool VESSEL::GetHorizonAirspeedVector(VECTOR3& v) const {
    return GetAirspeedVector(FRAME_HORIZON, v);
}

bool VESSEL::GetAirspeedVector(int frame, VECTOR3& v) const {
    const SurfaceRecord rec = Reported(vessel);
    return InFrame(frame, rec.airspeed_N, rec, GlobalState(sim::physics::RootOf(*vessel)).R, v);
}

bool VESSEL::GetGroundspeedVector(int frame, VECTOR3& v) const {
    const SurfaceRecord rec = Reported(vessel);
    return InFrame(frame, rec.groundspeed_N, rec, GlobalState(sim::physics::RootOf(*vessel)).R, v);
}

OBJHANDLE VESSEL::GetEquPos(double& longitude, double& latitude, double& radius) const {
    const SurfaceRecord rec = Reported(vessel);
    longitude = rec.position.longitude;
    latitude = rec.position.latitude;
    radius = rec.position.radius;
    return sim::earthHandle();
}

bool VESSEL::GroundContact() const {
    return vessel->groundContact;
}
OBJHANDLE VESSEL::GetGravityRef() const {
    return sim::earthHandle();
}
OBJHANDLE VESSEL::GetSurfaceRef() const {
    return sim::earthHandle();
}

// The vessel's own horizon, not its parent's.
void VESSEL::HorizonRot(const VECTOR3& loc, VECTOR3& hor) const {
    const SurfaceRecord rec = sim::physics::OwnSurfaceRecord(*vessel);
    hor = mul(sim::physics::VesselToHorizon(rec, vessel->body.R), loc);
}

void VESSEL::HorizonInvRot(const VECTOR3& hor, VECTOR3& loc) const {
    const SurfaceRecord rec = sim::physics::OwnSurfaceRecord(*vessel);
    loc = tmul(sim::physics::VesselToHorizon(rec, vessel->body.R), hor);
}

// --- orbit ---------------------------------------------------------------------------------------

OBJHANDLE VESSEL::GetApDist(double& apdist) const {
    apdist = Orbit(*vessel).apoapsis;
    return sim::earthHandle();
}

OBJHANDLE VESSEL::GetPeDist(double& pedist) const {
    pedist = Orbit(*vessel).periapsis;
    return sim::earthHandle();
}

// --- global state --------------------------------------------------------------------------------

void VESSEL::GetRotationMatrix(MATRIX3& R) const {
    R = GlobalState(*vessel).R;
}

void VESSEL::SetRotationMatrix(const MATRIX3& R) const {
    vessel->body.R = R;
    vessel->body.step_start.R = R;
}

void VESSEL::GetAngularVel(VECTOR3& avel) const {
    avel = GlobalState(*vessel).omega_B;
}

// A landed vessel only stores the rate: it is dropped when the vessel lifts off.
void VESSEL::SetAngularVel(const VECTOR3& avel) const {
    vessel->body.omega_B = avel;
    vessel->body.step_start.omega_B = avel;
}

void VESSEL::GetGlobalPos(VECTOR3& pos) const {
    pos = GlobalState(*vessel).r_N;
}
void VESSEL::GetGlobalVel(VECTOR3& vel) const {
    vel = GlobalState(*vessel).v_N;
}
void VESSEL::GetRelativePos(OBJHANDLE hRef, VECTOR3& pos) const {
    pos = GlobalState(*vessel).r_N - ObjectPosition(hRef);
}
void VESSEL::GetRelativeVel(OBJHANDLE hRef, VECTOR3& vel) const {
    vel = GlobalState(*vessel).v_N - ObjectVelocity(hRef);
}

void VESSEL::Local2Global(const VECTOR3& local, VECTOR3& global) const {
    const Kinematics k = GlobalState(*vessel);
    global = mul(k.R, local) + k.r_N;
}

void VESSEL::Global2Local(const VECTOR3& global, VECTOR3& local) const {
    const Kinematics k = GlobalState(*vessel);
    local = tmul(k.R, global - k.r_N);
}

// The gravity reference, the Earth, sits at the global origin.
void VESSEL::Local2Rel(const VECTOR3& local, VECTOR3& rel) const {
    Local2Global(local, rel);
}

void VESSEL::GlobalRot(const VECTOR3& rloc, VECTOR3& rglob) const {
    rglob = mul(GlobalState(*vessel).R, rloc);
}

// --- oapi functions on objects -------------------------------------------------------------------

OBJHANDLE oapiGetEquPos(OBJHANDLE hObj, double* lng, double* lat, double* rad) {
    const sim::HostVessel* v = sim::findVessel(hObj);
    if (v == nullptr || lng == nullptr || lat == nullptr || rad == nullptr) return nullptr;
    return v->iface->GetEquPos(*lng, *lat, *rad);
}

bool oapiGetAltitude(OBJHANDLE hVessel, double* alt) {
    const sim::HostVessel* v = sim::findVessel(hVessel);
    if (v == nullptr || alt == nullptr) return false;
    *alt = Reported(v).altitude;
    return true;
}

bool oapiGetHeading(OBJHANDLE hVessel, double* heading) {
    const sim::HostVessel* v = sim::findVessel(hVessel);
    if (v == nullptr || heading == nullptr) return false;
    *heading = Reported(v).heading;
    return true;
}

void oapiGetGlobalPos(OBJHANDLE hObj, VECTOR3* pos) {
    if (pos != nullptr) *pos = ObjectPosition(hObj);
}

void oapiGetGlobalVel(OBJHANDLE hObj, VECTOR3* vel) {
    if (vel != nullptr) *vel = ObjectVelocity(hObj);
}

void oapiGetRotationMatrix(OBJHANDLE hObj, MATRIX3* mat) {
    if (mat == nullptr) return;
    if (const sim::HostVessel* v = sim::findVessel(hObj)) {
        *mat = GlobalState(*v).R;
    } else if (sim::isEarth(hObj)) {
        *mat = sim::physics::earth::PlanetRotation(sim::physics::CurrentMjd());
    }
}
