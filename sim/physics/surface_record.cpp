#include "surface_record.h"

#include <cmath>

#include "rotation.h"

namespace sim::physics {
namespace {

constexpr double kLevelTolerance = 1e-4;  // below this the horizon components count as zero

// Heading of the nose, or of the vessel's belly (-y) when the nose points straight up or down.
double Heading(const MATRIX3& to_horizon) {
    VECTOR3 f = mul(to_horizon, _V(0, 0, 1));
    if (std::fabs(f.x) <= kLevelTolerance && std::fabs(f.z) <= kLevelTolerance)
        f = mul(to_horizon, _V(0, -1, 0));
    return CompassHeading(f);
}

SurfaceRecord PositionRecord(const RigidBody& body, double mjd) {
    SurfaceRecord rec;
    rec.R_planet = earth::PlanetRotation(mjd);
    rec.position = earth::ToEquatorial(tmul(rec.R_planet, body.r_N));
    rec.altitude = rec.position.radius - earth::kRadius;
    rec.L2H = earth::HorizonMatrix(rec.position);
    rec.in_atmosphere = InsideAtmosphere(rec.altitude);
    rec.air = SampleAtmosphere(rec.altitude);
    return rec;
}

}  // namespace

double CompassHeading(const VECTOR3& dir_H) {
    const double angle = std::atan2(dir_H.x, dir_H.z);
    if (angle >= 0.0) return angle;
    // A hair west of north must not round up to a full turn.
    const double wrapped = angle + PI2;
    return wrapped < PI2 ? wrapped : 0.0;
}

MATRIX3 VesselToHorizon(const SurfaceRecord& record, const MATRIX3& R) {
    return mul(record.L2H, mul(Transpose(record.R_planet), R));
}

SurfaceRecord FreeFlightRecord(const RigidBody& body, double mjd) {
    SurfaceRecord rec = PositionRecord(body, mjd);
    const VECTOR3 up_B = unit(tmul(body.R, body.r_N));
    rec.pitch = std::asin(std::fmax(-1.0, std::fmin(1.0, up_B.z)));
    rec.bank = std::fabs(up_B.x) <= kLevelTolerance && std::fabs(up_B.y) <= kLevelTolerance
                   ? 0.0
                   : std::atan2(up_B.x, up_B.y);
    rec.heading = Heading(VesselToHorizon(rec, body.R));

    rec.groundspeed_N = body.v_N - mul(rec.R_planet, earth::SurfaceVelocity(rec.position));
    rec.airspeed_N = rec.groundspeed_N;
    rec.airspeed_B = tmul(body.R, rec.airspeed_N);
    rec.groundspeed = length(rec.groundspeed_N);
    rec.airspeed = rec.groundspeed;
    rec.aoa = std::atan2(-rec.airspeed_B.y, rec.airspeed_B.z);
    rec.slip = std::atan2(-rec.airspeed_B.x, rec.airspeed_B.z);
    if (rec.in_atmosphere) {
        rec.dynamic_pressure = 0.5 * rec.air.density * rec.airspeed * rec.airspeed;
        rec.mach = rec.airspeed / rec.air.speed_of_sound;
    }
    return rec;
}

SurfaceRecord LandedRecord(const RigidBody& body, double mjd, const VECTOR3& up_B) {
    SurfaceRecord rec = PositionRecord(body, mjd);
    rec.pitch = std::atan2(up_B.z, up_B.y);
    rec.bank = std::atan2(up_B.x, up_B.y);
    rec.heading = body.surface.heading;
    return rec;
}

}  // namespace sim::physics
