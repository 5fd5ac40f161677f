// What the program reports about one vessel at the end of a frame, read through the host's own
// read-outs (the ones the modules see) and the vessel's osculating orbit.
#pragma once

#include "host_vessel.h"

namespace app {

inline constexpr double kAltitudeDatum = 6371026.0;  // radius apoapsis/periapsis count from [m]

struct VesselReadout {
    VECTOR3 position{};              // Earth-centred, global (inertial) axes [m]
    VECTOR3 velocity{};              // Earth-centred, global (inertial) axes [m/s]
    double speed = 0.0;              // |velocity| [m/s]
    double airspeed = 0.0;           // [m/s]
    double altitude = 0.0;           // over the mean radius [m]
    double apoapsisAltitude = 0.0;   // apoapsis distance - kAltitudeDatum [m]
    double periapsisAltitude = 0.0;  // periapsis distance - kAltitudeDatum [m]
    double inclination = 0.0;        // against the equator [deg]
    double mass = 0.0;               // [kg]
    double propellant = 0.0;         // all tanks [kg]
    double throttle = 0.0;           // main thruster group level, 0..1
    double dynamicPressure = 0.0;    // [Pa]
    double mach = 0.0;
    double pitch = 0.0;  // [deg] above the horizon
    bool landed = false;
};

VesselReadout readVessel(const sim::HostVessel& vessel);

}  // namespace app
