// The booster's two-stage parachute: half open after passing 8000 m, fully open after passing
// 5000 m, unfolding at 0.1 per second.
#pragma once

// The deployment the parachute moves towards at altitude [m], given the current target. The
// target is only set inside its band (both ends excluded) and never lowered, so a booster that
// falls through a band keeps that deployment below it; one created below 2500 m never opens.
double ParachuteTarget(double altitude, double target);

// The deployment state after a step of simdt [s] towards target, kept within 0..1. Near the
// target the state stays within one step of it.
double MoveParachute(double state, double target, double simdt);
