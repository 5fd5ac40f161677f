// Touchdown points against the planet's surface: contact geometry, the contact response of a
// free vessel, and the landed state a vessel at rest settles into.
#pragma once

#include <vector>

#include "free_flight.h"
#include "orbiter_api.h"
#include "rigid_body.h"

namespace sim::physics {

// Geometry of the touchdown plane spanned by the first three points (front, left, right).
struct TouchdownFrame {
    VECTOR3 up_B{};  // unit normal of the plane, "up", vessel axes
    // Unit direction in the plane from the main points towards the front point, vessel axes.
    VECTOR3 forward_B{};
    double cog_elevation = 0.0;  // height of the centre of gravity over the plane [m]
};
TouchdownFrame TouchdownGeometry(const std::vector<TOUCHDOWNVTX>& points);

// Depth [m] of the deepest touchdown point below the mean sphere (negative when all are above).
double DeepestPenetration(const RigidBody& body, const std::vector<TOUCHDOWNVTX>& points);

// Keeps a free vessel out of the ground after a step of dt [s] that ended at date mjd: lifts it
// out of the surface, removes the velocity into the ground at every touching point and slows
// its motion over the ground by friction. Returns whether any point had sunk into the ground.
bool ResolveGroundContact(RigidBody& body, const std::vector<TOUCHDOWNVTX>& points,
                          const MassProperties& mp, double mjd, double dt);

// Whether a vessel in contact is at rest on the surface (speed over ground and body rates below
// the landing thresholds).
bool AtRestOnSurface(const RigidBody& body, double mjd);

inline constexpr double kLandingRestTime = 5.0;  // rest in contact before a vessel lands [s]

// Counts how long a free vessel has rested in contact without thrust and freezes it onto the
// surface once kLandingRestTime has passed. Returns whether it landed in this step.
bool TrackLanding(RigidBody& body, const std::vector<TOUCHDOWNVTX>& points, bool in_contact,
                  bool thrust_engaged, double dt, double mjd);

// Freezes the vessel onto the surface where it stands, upright on its touchdown plane with its
// current heading.
void SettleOnSurface(RigidBody& body, const std::vector<TOUCHDOWNVTX>& points, double mjd);

// Places a landed vessel at longitude, latitude [rad] and heading [rad] (of its forward
// direction), resting on its touchdown plane.
void PlaceLanded(RigidBody& body, const std::vector<TOUCHDOWNVTX>& points, double longitude,
                 double latitude, double heading, double mjd);

// Rebuilds position, velocity and orientation of a landed vessel at date mjd.
void FollowSurface(RigidBody& body, double mjd);

// Leaves the landed state: the vessel starts from the surface's motion, not turning.
void LiftOff(RigidBody& body, double mjd);

}  // namespace sim::physics
