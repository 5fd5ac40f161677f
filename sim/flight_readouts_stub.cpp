// Placeholders for the flight read-outs and the integration step until the flight physics
// provides them (sim/flight_readouts.cpp replaces this file). Vessels keep their state; free
// vessels drift at constant velocity.
#include "celestial.h"
#include "flight_physics.h"
#include "thruster_levels.h"
#include "world.h"

namespace {

constexpr double kEarthRadius = 6.37101e6;  // mean radius [m]

sim::HostVessel* rec(OBJHANDLE h) {
    return sim::findVessel(h);
}

}  // namespace

namespace sim {

void integrateFlight(World& world, double, double dt) {
    for (const auto& v : world.vessels) {
        if (!v->body.landed) v->body.r_N += v->body.v_N * dt;
        v->extraForces.clear();
    }
}

void finaliseFlight(World& world) {
    for (const auto& v : world.vessels) v->groundContact = v->body.landed;
}

}  // namespace sim

void VESSEL::GetStatus(VESSELSTATUS& status) const {
    status = VESSELSTATUS{};
    status.rbody = sim::earthHandle();
    status.rpos = vessel->body.r_N;
    status.rvel = vessel->body.v_N;
    status.vrot = vessel->body.omega_B;
    status.status = vessel->body.landed ? 1 : 0;
    status.vdata[0] = _V(vessel->body.surface.longitude, vessel->body.surface.latitude,
                         vessel->body.surface.heading);
    if (const sim::TankRecord* tank =
            vessel->tanks.empty() ? nullptr : vessel->tanks.front().get()) {
        status.fuel = tank->maxMass > 0.0 ? tank->mass / tank->maxMass : 0.0;
    }
}

void VESSEL::GetStatusEx(void*) const {}

void VESSEL::DefSetState(const VESSELSTATUS* status) const {
    if (status == nullptr) return;
    sim::applyStatusLevels(*vessel, *status);
    vessel->body.landed = status->status == 1;
    if (vessel->body.landed) {
        vessel->body.surface.longitude = status->vdata[0].x;
        vessel->body.surface.latitude = status->vdata[0].y;
        vessel->body.surface.heading = status->vdata[0].z;
    }
    vessel->body.r_N =
        length(status->rpos) < kEarthRadius ? _V(0, 0, 1.1 * kEarthRadius) : status->rpos;
    vessel->body.v_N = status->rvel;
    vessel->body.omega_B = status->vrot;
}

double VESSEL::GetAltitude() const {
    return length(vessel->body.r_N) - kEarthRadius;
}
double VESSEL::GetPitch() const {
    return 0.0;
}
double VESSEL::GetBank() const {
    return 0.0;
}
double VESSEL::GetYaw() const {
    return 0.0;
}
double VESSEL::GetSlipAngle() const {
    return 0.0;
}
double VESSEL::GetAOA() const {
    return 0.0;
}
double VESSEL::GetAirspeed() const {
    return length(vessel->body.v_N);
}
double VESSEL::GetGroundspeed() const {
    return length(vessel->body.v_N);
}
bool VESSEL::GetHorizonAirspeedVector(VECTOR3& v) const {
    return GetAirspeedVector(FRAME_HORIZON, v);
}

bool VESSEL::GetAirspeedVector(int, VECTOR3& v) const {
    v = vessel->body.v_N;
    return true;
}

bool VESSEL::GetGroundspeedVector(int frame, VECTOR3& v) const {
    return GetAirspeedVector(frame, v);
}
double VESSEL::GetDynPressure() const {
    return 0.0;
}
double VESSEL::GetMachNumber() const {
    return 0.0;
}
double VESSEL::GetAtmPressure() const {
    return 0.0;
}
double VESSEL::GetAtmDensity() const {
    return 0.0;
}
double VESSEL::GetAtmTemperature() const {
    return 0.0;
}

OBJHANDLE VESSEL::GetApDist(double& apdist) const {
    apdist = length(vessel->body.r_N);
    return sim::earthHandle();
}

OBJHANDLE VESSEL::GetPeDist(double& pedist) const {
    pedist = length(vessel->body.r_N);
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

OBJHANDLE VESSEL::GetEquPos(double& longitude, double& latitude, double& radius) const {
    longitude = vessel->body.surface.longitude;
    latitude = vessel->body.surface.latitude;
    radius = length(vessel->body.r_N);
    return sim::earthHandle();
}

void VESSEL::GetRotationMatrix(MATRIX3& R) const {
    R = vessel->body.R;
}
void VESSEL::SetRotationMatrix(const MATRIX3& R) const {
    vessel->body.R = R;
}
void VESSEL::GetAngularVel(VECTOR3& avel) const {
    avel = vessel->body.omega_B;
}
void VESSEL::SetAngularVel(const VECTOR3& avel) const {
    vessel->body.omega_B = avel;
}
void VESSEL::GetGlobalPos(VECTOR3& pos) const {
    pos = vessel->body.r_N;
}
void VESSEL::GetGlobalVel(VECTOR3& vel) const {
    vel = vessel->body.v_N;
}
void VESSEL::GetRelativePos(OBJHANDLE, VECTOR3& pos) const {
    pos = vessel->body.r_N;
}
void VESSEL::GetRelativeVel(OBJHANDLE, VECTOR3& vel) const {
    vel = vessel->body.v_N;
}
void VESSEL::Local2Global(const VECTOR3& local, VECTOR3& global) const {
    global = mul(vessel->body.R, local) + vessel->body.r_N;
}
void VESSEL::Global2Local(const VECTOR3& global, VECTOR3& local) const {
    local = tmul(vessel->body.R, global - vessel->body.r_N);
}
void VESSEL::Local2Rel(const VECTOR3& local, VECTOR3& rel) const {
    Local2Global(local, rel);
}
void VESSEL::GlobalRot(const VECTOR3& rloc, VECTOR3& rglob) const {
    rglob = mul(vessel->body.R, rloc);
}
void VESSEL::HorizonRot(const VECTOR3& loc, VECTOR3& hor) const {
    hor = loc;
}
void VESSEL::HorizonInvRot(const VECTOR3& hor, VECTOR3& loc) const {
    loc = hor;
}

OBJHANDLE oapiGetEquPos(OBJHANDLE hObj, double* lng, double* lat, double* rad) {
    sim::HostVessel* v = rec(hObj);
    if (v == nullptr || lng == nullptr || lat == nullptr || rad == nullptr) return nullptr;
    return v->iface->GetEquPos(*lng, *lat, *rad);
}

bool oapiGetAltitude(OBJHANDLE hVessel, double* alt) {
    sim::HostVessel* v = rec(hVessel);
    if (v == nullptr || alt == nullptr) return false;
    *alt = v->iface->GetAltitude();
    return true;
}

bool oapiGetHeading(OBJHANDLE hVessel, double* heading) {
    sim::HostVessel* v = rec(hVessel);
    if (v == nullptr || heading == nullptr) return false;
    *heading = v->iface->GetYaw();
    return true;
}

void oapiGetGlobalPos(OBJHANDLE hObj, VECTOR3* pos) {
    if (sim::HostVessel* v = rec(hObj); v != nullptr && pos != nullptr) *pos = v->body.r_N;
}

void oapiGetGlobalVel(OBJHANDLE hObj, VECTOR3* vel) {
    if (sim::HostVessel* v = rec(hObj); v != nullptr && vel != nullptr) *vel = v->body.v_N;
}

void oapiGetRotationMatrix(OBJHANDLE hObj, MATRIX3* mat) {
    if (sim::HostVessel* v = rec(hObj); v != nullptr && mat != nullptr) *mat = v->body.R;
}
