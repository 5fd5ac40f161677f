// Floating-point exceptions (invalid operation, division by zero, overflow) made fatal, so that a
// NaN or an infinity is caught where it is made instead of spreading through the flight.
#pragma once

namespace app {

inline constexpr int kFloatingPointExitCode = 3;

// From now on such an operation ends the program with one line on standard error and exit
// status kFloatingPointExitCode.
void trapFloatingPointExceptions();

}  // namespace app
