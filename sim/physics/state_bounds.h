// The range of states a vessel may have. No flight comes near its bounds; beyond them the forces
// on a vessel overflow and its state turns into no numbers at all, and a scenario could not hold
// it. The scenario reader refuses a state beyond them, and the host keeps every vessel within.
#pragma once

#include "rigid_body.h"

namespace sim::physics {

inline constexpr double kMaxDistance = 1e15;      // from the Earth's centre [m]
inline constexpr double kMaxSpeed = 299792458.0;  // the speed of light [m/s]
// About 160 turns a second: the integrator's sub-steps follow it at frames of up to 5 s.
inline constexpr double kMaxRotationRate = 1000.0;  // [rad/s]

// True when every number of the state is finite and within the bounds above.
bool WithinBounds(const Kinematics& state);

}  // namespace sim::physics
