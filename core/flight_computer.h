// Ascent guidance of the core vessel: an acceleration limiter on the main throttle, five
// phases from lift-off to a circular orbit, and three attitude loops driving the six
// rotational thruster groups. The command interface of the core vessel reads and writes the
// fields directly; the scenario state saves some of them.
#pragma once

#include <memory>

#include "guidance_vessel.h"

class Arvex;

inline constexpr double kDegPerRad = 57.29577951308232;     // [deg/rad]
inline constexpr double kRadPerDeg = 0.017453292519943295;  // [rad/deg]

// One attitude control loop. Only the pitch loop steers to its setpoint; the yaw and bank
// loops are handed their error directly.
struct PidLoop {
    double setpoint = 0.0;
    double error = 0.0;
    double previousError = 0.0;
    double integral = 0.0;
    double derivative = 0.0;
    double kp = 0.0;
    double ki = 0.0;
    double kd = 0.0;
    double output = 0.0;  // latest result, after clamping to the limit

    // Feeds the error of a step of length dt and returns the output clamped to +-limit. A step
    // of zero length leaves the loop as it was and returns its last output.
    double Update(double e, double dt, double limit);
};

// Guidance phases.
enum GuidancePhase : int {
    kPhaseIdle = 0,
    kPhaseVerticalRise = 1,
    kPhasePitchProgram = 2,
    kPhaseCoast = 3,
    kPhaseCircularisation = 4,
};

class FlightComputer {
  public:
    // The core vessel's flight computer, flying its owner through host calls. Defined beside
    // that host link (arvex_guidance_vessel.cpp), so the guidance itself links without a host.
    explicit FlightComputer(Arvex* owner);
    explicit FlightComputer(std::unique_ptr<GuidanceVessel> flownVessel);

    // One guidance step at simulation time simt [s] over a step of length simdt [s].
    void step(double simt, double simdt);

    std::unique_ptr<GuidanceVessel> vessel;
    int limiterActive = 0;
    int autopilotEngaged = 0;
    double targetApoapsis = 250000.0;     // [m]; during circularisation also the periapsis target
    double apoapsisWindowLow = 249000.0;  // targetApoapsis - 1000 [m]
    double targetHeading = 90.0;          // launch azimuth, clockwise from north [deg]
    double accelLimit = 35.0;             // [m/s^2]
    double missionElapsedTime = 0.0;      // [s]
    double launchTime = 0.0;              // simulation time of lift-off [s]
    int phase = kPhaseIdle;
    double lastAirspeed = 0.0;   // airspeed at the limiter's previous sample [m/s]
    double measuredAccel = 0.0;  // [m/s^2]
    PidLoop pitchLoop{.setpoint = 86.0, .kp = 0.25, .kd = 0.5};  // error in degrees
    PidLoop yawLoop{.kp = 0.25, .kd = 0.5};                      // error in degrees
    PidLoop bankLoop{.kp = 0.5, .kd = 2.5};  // degrees in the vertical rise, radians later

  private:
    struct AttitudeCommands {
        double pitch = 0.0;
        double yaw = 0.0;
        double bank = 0.0;
    };

    void TrimThrottle(double dt);
    void RunPhases(double simt, double dt, AttitudeCommands& cmd);
    void RunAttitudeLoops(double dt, AttitudeCommands& cmd);
    void ApplyAttitudeCommands(const AttitudeCommands& cmd);
};

// Heading of a vessel standing nearly upright, where its nose gives no heading: the direction
// its +y axis points in the local horizon, in (0, 360] degrees.
double UprightHeading(const GuidanceVessel& vessel);

// The vessel's heading [deg]: that of its nose, or UprightHeading above 85 degrees of pitch.
double CurrentHeading(const GuidanceVessel& vessel);
