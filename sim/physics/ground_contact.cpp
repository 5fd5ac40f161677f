#include "ground_contact.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "contact_solver.h"
#include "earth.h"
#include "rotation.h"
#include "surface_record.h"

namespace sim::physics {
namespace {

constexpr double kRestSpeed = 1e-4;      // landing threshold of the speed over ground [m/s]
constexpr double kRestRate = 1e-4;       // landing threshold of the body rates over ground [rad/s]
constexpr double kContactMargin = 0.05;  // points this close above the ground take part [m]

VECTOR3 SurfaceVelocityAt(const VECTOR3& p_N, const MATRIX3& R_planet) {
    return mul(R_planet, earth::SurfaceVelocity(earth::ToEquatorial(tmul(R_planet, p_N))));
}

VECTOR3 AnyPerpendicular(const VECTOR3& n) {
    const VECTOR3 trial = std::fabs(n.x) < 0.9 ? _V(1, 0, 0) : _V(0, 1, 0);
    return unit(trial - n * dotp(trial, n));
}

// The ground under every touchdown point on or just above the surface. A point hovering by a
// gap may close it within the step, so a vessel whose points do not all touch the curved
// surface at once still rests on all of them; the margin grows with the sag of the sphere under
// a wide stance.
std::vector<ContactRow> ContactRows(const RigidBody& b, const std::vector<TOUCHDOWNVTX>& points,
                                    const MATRIX3& R_planet, double dt) {
    std::vector<ContactRow> rows;
    for (const TOUCHDOWNVTX& point : points) {
        const VECTOR3 p_N = b.r_N + mul(b.R, point.pos);
        const double gap = length(p_N) - earth::kRadius;
        const double sag = dotp(point.pos, point.pos) / (2.0 * earth::kRadius);
        if (gap > kContactMargin + sag) continue;
        ContactRow row;
        row.up_N = unit(p_N);
        row.pos_B = point.pos;
        row.ground_v_N = SurfaceVelocityAt(p_N, R_planet);
        row.target_velocity = -std::max(gap, 0.0) / dt;
        rows.push_back(row);
    }
    return rows;
}

// Friction of the contact patch as a whole, from the normal impulse of the step [N s]: it slows
// the slide of the centre of gravity over the ground (mu_lng of the three primary points along
// the vessel, mu across it) and its turning about the vertical, each at most to a standstill.
void ApplyFriction(RigidBody& b, const MassProperties& mp, const std::vector<TOUCHDOWNVTX>& points,
                   double normal_impulse, const MATRIX3& R_planet) {
    double mu_along = 0.0, mu_across = 0.0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        mu_along += i < 3 ? points[i].mu_lng : points[i].mu;
        mu_across += points[i].mu;
    }
    mu_along /= static_cast<double>(points.size());
    mu_across /= static_cast<double>(points.size());
    const auto slowed = [](double v, double by) {
        return std::copysign(std::max(0.0, std::fabs(v) - by), v);
    };

    const VECTOR3 up = unit(b.r_N);
    const VECTOR3 forward = mul(b.R, TouchdownGeometry(points).forward_B);
    const VECTOR3 in_plane = forward - up * dotp(forward, up);
    const VECTOR3 along = length(in_plane) > 1e-9 ? unit(in_plane) : AnyPerpendicular(up);
    const VECTOR3 across = crossp(up, along);
    const VECTOR3 slide = b.v_N - SurfaceVelocityAt(b.r_N, R_planet);
    const double dv = normal_impulse / mp.mass;  // [m/s] per unit friction coefficient
    const double va = dotp(slide, along), vc = dotp(slide, across);
    b.v_N += along * (slowed(va, mu_along * dv) - va) + across * (slowed(vc, mu_across * dv) - vc);

    const VECTOR3 up_B = tmul(b.R, up);
    const VECTOR3 ground_rate_B = tmul(b.R, earth::NorthPole()) * earth::kRotationRate;
    const double spin = dotp(b.omega_B - ground_rate_B, up_B);
    double reach = 0.0;  // mean distance of the points from the vertical through the CG [m]
    for (const TOUCHDOWNVTX& p : points) reach += length(p.pos - up_B * dotp(p.pos, up_B));
    reach /= static_cast<double>(points.size());
    const VECTOR3& I = mp.pmi;
    const double inertia = I.x * up_B.x * up_B.x + I.y * up_B.y * up_B.y + I.z * up_B.z * up_B.z;
    b.omega_B += up_B * (slowed(spin, mu_across * dv * reach / inertia) - spin);
}

}  // namespace

TouchdownFrame TouchdownGeometry(const std::vector<TOUCHDOWNVTX>& points) {
    const VECTOR3 p1 = points[0].pos, p2 = points[1].pos, p3 = points[2].pos;
    const VECTOR3 to_front = p1 - (p2 + p3) * 0.5;
    TouchdownFrame frame;
    frame.up_B = unit(crossp(to_front, p3 - p2));
    frame.forward_B = unit(to_front - frame.up_B * dotp(to_front, frame.up_B));
    frame.cog_elevation = -dotp(frame.up_B, p1);
    return frame;
}

double DeepestPenetration(const RigidBody& body, const std::vector<TOUCHDOWNVTX>& points) {
    double deepest = -std::numeric_limits<double>::infinity();
    for (const TOUCHDOWNVTX& p : points)
        deepest = std::max(deepest, earth::kRadius - length(body.r_N + mul(body.R, p.pos)));
    return deepest;
}

bool ResolveGroundContact(RigidBody& body, const std::vector<TOUCHDOWNVTX>& points,
                          const MassProperties& mp, double mjd, double dt) {
    const double depth = DeepestPenetration(body, points);
    if (depth <= 0.0) return false;
    body.r_N += unit(body.r_N) * depth;
    const MATRIX3 R_planet = earth::PlanetRotation(mjd);
    const double normal_impulse =
        ApplyContactImpulses(body, mp, ContactRows(body, points, R_planet, dt));
    ApplyFriction(body, mp, points, normal_impulse, R_planet);
    return true;
}

bool AtRestOnSurface(const RigidBody& body, double mjd) {
    const MATRIX3 R_planet = earth::PlanetRotation(mjd);
    const VECTOR3 ground_v = body.v_N - SurfaceVelocityAt(body.r_N, R_planet);
    // Resting on the ground, a body turns with the Earth.
    const VECTOR3 ground_rate = tmul(body.R, earth::NorthPole()) * earth::kRotationRate;
    return length(ground_v) < kRestSpeed && length(body.omega_B - ground_rate) < kRestRate;
}

bool TrackLanding(RigidBody& body, const std::vector<TOUCHDOWNVTX>& points, bool in_contact,
                  bool thrust_engaged, double dt, double mjd) {
    if (!in_contact || thrust_engaged || !AtRestOnSurface(body, mjd)) {
        body.rest_in_contact = 0.0;
        return false;
    }
    body.rest_in_contact += dt;
    if (body.rest_in_contact < kLandingRestTime) return false;
    SettleOnSurface(body, points, mjd);
    return true;
}

void SettleOnSurface(RigidBody& body, const std::vector<TOUCHDOWNVTX>& points, double mjd) {
    const MATRIX3 R_planet = earth::PlanetRotation(mjd);
    const earth::EquatorialPosition pos = earth::ToEquatorial(tmul(R_planet, body.r_N));
    const MATRIX3 to_horizon = mul(earth::HorizonMatrix(pos), mul(Transpose(R_planet), body.R));
    const double heading = CompassHeading(mul(to_horizon, TouchdownGeometry(points).forward_B));
    PlaceLanded(body, points, pos.longitude, pos.latitude, heading, mjd);
}

void PlaceLanded(RigidBody& body, const std::vector<TOUCHDOWNVTX>& points, double longitude,
                 double latitude, double heading, double mjd) {
    const TouchdownFrame frame = TouchdownGeometry(points);
    SurfaceFix& fix = body.surface;
    fix.longitude = longitude;
    fix.latitude = latitude;
    fix.heading = heading;
    fix.cog_elevation = frame.cog_elevation;
    const VECTOR3 up_H = _V(0, 1, 0);
    const VECTOR3 forward_H = _V(std::sin(heading), 0, std::cos(heading));
    const MATRIX3 horizon_basis = FromColumns(crossp(up_H, forward_H), up_H, forward_H);
    const MATRIX3 vessel_basis =
        FromColumns(crossp(frame.up_B, frame.forward_B), frame.up_B, frame.forward_B);
    const earth::EquatorialPosition pos{longitude, latitude, earth::kRadius};
    fix.R_local_to_planet =
        mul(Transpose(earth::HorizonMatrix(pos)), mul(horizon_basis, Transpose(vessel_basis)));
    body.landed = true;
    body.rest_in_contact = 0.0;
    FollowSurface(body, mjd);
}

void FollowSurface(RigidBody& body, double mjd) {
    const SurfaceFix& fix = body.surface;
    const MATRIX3 R_planet = earth::PlanetRotation(mjd);
    const earth::EquatorialPosition pos{fix.longitude, fix.latitude,
                                        earth::kRadius + fix.cog_elevation};
    body.r_N = mul(R_planet, earth::FromEquatorial(pos));
    body.v_N = mul(R_planet, earth::SurfaceVelocity(pos));
    body.R = mul(R_planet, fix.R_local_to_planet);
}

void LiftOff(RigidBody& body, double mjd) {
    FollowSurface(body, mjd);
    body.landed = false;
    body.omega_B = _V(0, 0, 0);
    body.rest_in_contact = 0.0;
}

}  // namespace sim::physics
