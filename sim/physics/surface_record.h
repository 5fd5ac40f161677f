// What a vessel knows about its motion relative to the planet's surface and air: the record
// behind the host's altitude, attitude, air-data and ground-speed read-outs.
#pragma once

#include "atmosphere.h"
#include "earth.h"
#include "orbiter_api.h"
#include "rigid_body.h"

namespace sim::physics {

struct SurfaceRecord {
    earth::EquatorialPosition position;  // longitude, latitude, distance from the centre
    double altitude = 0.0;               // over the mean sphere [m]
    MATRIX3 R_planet = identity();       // planet frame → global axes, at the record's date
    MATRIX3 L2H = identity();            // planet frame → local horizon (east, up, north)
    double pitch = 0.0;                  // nose above the horizon [rad], -pi/2..pi/2
    double bank = 0.0;                   // [rad], -pi..pi, negative with the right side low
    double heading = 0.0;                // [rad], 0..2pi, 0 = north, pi/2 = east
    VECTOR3 groundspeed_N{};             // velocity over the rotating surface, global axes [m/s]
    VECTOR3 airspeed_N{};                // velocity through the air, global axes [m/s]
    VECTOR3 airspeed_B{};                // the same in vessel axes [m/s]
    double groundspeed = 0.0;            // [m/s]
    double airspeed = 0.0;               // [m/s]
    double aoa = 0.0;                    // angle of attack [rad], positive nose above the path
    double slip = 0.0;                   // [rad], positive when moving towards the -x side
    bool in_atmosphere = false;
    AtmosphereSample air;           // zero outside the atmosphere
    double dynamic_pressure = 0.0;  // [Pa]
    double mach = 0.0;
};

// Record of a free-flying vessel at the date mjd (the wind is calm).
SurfaceRecord FreeFlightRecord(const RigidBody& body, double mjd);

// Record of a landed vessel: frozen on the surface, with pitch and bank from the touchdown
// plane's upward normal up_B (vessel axes) and the stored heading.
SurfaceRecord LandedRecord(const RigidBody& body, double mjd, const VECTOR3& up_B);

// Heading [rad] of a direction given in horizon axes (east, up, north): 0..2pi, 0 = north,
// pi/2 = east.
double CompassHeading(const VECTOR3& dir_H);

// Vessel axes → local horizon axes (east, up, north) for the record's position.
MATRIX3 VesselToHorizon(const SurfaceRecord& record, const MATRIX3& R);

}  // namespace sim::physics
