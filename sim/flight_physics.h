// What the flight physics does inside the host's frame. The runtime applies thruster levels and
// burns propellant around integrateFlight; the physics adds forces and moves the vessels.
#pragma once

namespace sim {

class World;

// Forces (thrust at the effective levels, gravity, aerodynamics, AddForce) and integration of
// every free root vessel from t0 to t0 + dt; attached children placed with their parents.
void integrateFlight(World& world, double t0, double dt);

// End of frame: ground-contact flags and the landing check.
void finaliseFlight(World& world);

}  // namespace sim
