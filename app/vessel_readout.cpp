#include "vessel_readout.h"

#include <cmath>

#include "physics/earth.h"
#include "physics/orbit.h"

namespace app {

namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;

double orbitalInclination(const VECTOR3& r, const VECTOR3& v, double mass) {
    using namespace sim::physics;
    const double mu = earth::kGM + GGRAV * mass;  // [m^3/s^2]
    return OsculatingOrbit(r, v, mu, earth::NorthPole()).inclination * kDegreesPerRadian;
}

}  // namespace

VesselReadout readVessel(const sim::HostVessel& vessel) {
    const VESSEL& v = *vessel.iface;
    VesselReadout out;
    v.GetGlobalPos(out.position);
    v.GetGlobalVel(out.velocity);
    out.speed = length(out.velocity);
    out.airspeed = v.GetAirspeed();
    out.altitude = v.GetAltitude();
    double apoapsis = 0.0;
    double periapsis = 0.0;
    v.GetApDist(apoapsis);
    v.GetPeDist(periapsis);
    out.apoapsisAltitude = apoapsis - kAltitudeDatum;
    out.periapsisAltitude = periapsis - kAltitudeDatum;
    out.mass = v.GetMass();
    out.inclination = orbitalInclination(out.position, out.velocity, out.mass);
    out.propellant = vessel.propellantMass();
    out.throttle = v.GetThrusterGroupLevel(THGROUP_MAIN);
    out.dynamicPressure = v.GetDynPressure();
    out.mach = v.GetMachNumber();
    out.pitch = v.GetPitch() * kDegreesPerRadian;
    out.landed = vessel.body.landed;
    return out;
}

}  // namespace app
