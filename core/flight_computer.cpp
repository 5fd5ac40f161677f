#include "flight_computer.h"

#include <cmath>
#include <utility>

namespace {

constexpr double kRollProgramStartAltitude = 50.0;   // [m]
constexpr double kPitchProgramAltitude = 2000.0;     // [m]
constexpr double kYawAndBankHoldAltitude = 2500.0;   // [m]
constexpr double kUprightPitch = 85.0;               // above this the nose gives no heading [deg]
constexpr double kLiftOffPitchRate = 0.01;           // about the vessel's x axis [rad/s]
constexpr double kThrottleSlewRate = 0.05;           // limiter throttle change [1/s]
constexpr double kProgramPitchStart = 90.0;          // [deg]
constexpr double kProgramPitchSlope = 0.001032;      // [deg/m]
constexpr double kProgramPitchSlopeTrim = 0.0004;    // [deg/m]
constexpr double kProgramPitchFloor = 2.5;           // [deg]
constexpr double kApoapsisWindow = 1000.0;           // [m]
constexpr double kCircularisationAccelLimit = 19.6;  // [m/s^2]
constexpr double kCircularisationThrottle = 0.125;
constexpr double kCircularisationPitchGain = -0.1;  // [deg per m/s of vertical speed]
constexpr double kDisengagedAccelLimit = 44.1;      // [m/s^2]
constexpr double kRollProgramLimit = 1.5;
constexpr double kPitchLimit = 0.5;
constexpr double kYawLimit = 0.5;
constexpr double kWingsLevelLimit = 1.0;

}  // namespace

double PidLoop::Update(double e, double dt, double limit) {
    // A step of zero length carries no new sample and would divide by zero: the loop keeps
    // its state and its last output.
    if (dt == 0.0) return output;
    error = e;
    integral += e * dt;
    derivative = (e - previousError) / dt;
    previousError = e;
    double u = kp * e + ki * integral + kd * derivative;
    if (u > limit) u = limit;
    if (u < -limit) u = -limit;
    output = u;
    return u;
}

double UprightHeading(const GuidanceVessel& vessel) {
    const VECTOR3 up = vessel.HorizonRot(_V(0.0, 1.0, 0.0));
    return std::atan2(up.x, up.z) * kDegPerRad + 180.0;
}

double CurrentHeading(const GuidanceVessel& vessel) {
    if (vessel.GetPitch() * kDegPerRad > kUprightPitch) return UprightHeading(vessel);
    return vessel.GetYaw() * kDegPerRad;
}

FlightComputer::FlightComputer(std::unique_ptr<GuidanceVessel> flownVessel)
    : vessel(std::move(flownVessel)) {}

void FlightComputer::step(double simt, double simdt) {
    TrimThrottle(simdt);
    AttitudeCommands cmd;
    if (autopilotEngaged == 1) {
        RunPhases(simt, simdt, cmd);
        if (phase >= kPhasePitchProgram) RunAttitudeLoops(simdt, cmd);
    }
    ApplyAttitudeCommands(cmd);
}

void FlightComputer::TrimThrottle(double dt) {
    // A step of zero length gives no acceleration sample.
    if (limiterActive != 1 || dt == 0.0) return;
    if (vessel->GetThrusterGroupLevel(THGROUP_MAIN) == 0.0) return;
    const double airspeed = vessel->GetAirspeed();
    measuredAccel = (airspeed - lastAirspeed) / dt;
    lastAirspeed = airspeed;
    const double change = measuredAccel > accelLimit ? -kThrottleSlewRate : kThrottleSlewRate;
    vessel->IncThrusterGroupLevel(THGROUP_MAIN, change * dt);
}

// Each phase tests the phase afresh, so a phase entered by one is served by the next ones in
// the same step.
void FlightComputer::RunPhases(double simt, double dt, AttitudeCommands& cmd) {
    missionElapsedTime = simt - launchTime;

    if (phase == kPhaseIdle) {
        launchTime = simt;
        phase = kPhaseVerticalRise;
        vessel->SetThrusterGroupLevel(THGROUP_MAIN, 1.0);
        vessel->SetAngularVel(_V(kLiftOffPitchRate, 0.0, 0.0));
        limiterActive = 1;
    }

    const double heading = UprightHeading(*vessel);

    if (phase == kPhaseVerticalRise) {
        if (vessel->GetAltitude() > kRollProgramStartAltitude)
            cmd.bank = bankLoop.Update(heading - targetHeading, dt, kRollProgramLimit);
        if (vessel->GetAltitude() > kPitchProgramAltitude) {
            phase = kPhasePitchProgram;
            cmd.bank = 0.0;
        }
    }

    if (phase == kPhasePitchProgram) {
        const double altitude = vessel->GetAltitude();
        if (altitude > kPitchProgramAltitude) {
            const double pitch = kProgramPitchStart - kProgramPitchSlope * altitude -
                                 kProgramPitchSlopeTrim * altitude;
            pitchLoop.setpoint = pitch < kProgramPitchFloor ? kProgramPitchFloor : pitch;
        }
        if (vessel->GetApoapsisAltitude() >= targetApoapsis) {
            vessel->SetThrusterGroupLevel(THGROUP_MAIN, 0.0);
            phase = kPhaseCoast;
            pitchLoop.setpoint = 0.0;
        }
    }

    if (phase == kPhaseCoast) {
        if (vessel->GetAltitude() >= apoapsisWindowLow) pitchLoop.setpoint = 0.0;
        if (vessel->GetAltitude() >= vessel->GetApoapsisAltitude()) {
            phase = kPhaseCircularisation;
            vessel->SetTimeAcceleration(1.0);
            accelLimit = kCircularisationAccelLimit;
            vessel->SetThrusterGroupLevel(THGROUP_MAIN, kCircularisationThrottle);
            targetApoapsis = vessel->GetApoapsisAltitude();
            apoapsisWindowLow = targetApoapsis - kApoapsisWindow;
        }
    }

    if (phase == kPhaseCircularisation) {
        pitchLoop.setpoint = kCircularisationPitchGain * vessel->GetHorizonAirspeedVector().y;
        if (vessel->GetPeriapsisAltitude() >= targetApoapsis - kApoapsisWindow ||
            vessel->GetApoapsisAltitude() >= targetApoapsis + kApoapsisWindow) {
            vessel->SetThrusterGroupLevel(THGROUP_MAIN, 0.0);
            phase = kPhaseIdle;
            autopilotEngaged = 0;
            limiterActive = 0;
            accelLimit = kDisengagedAccelLimit;
        }
    }
}

// The errors are plain differences: headings are not wrapped into a range.
void FlightComputer::RunAttitudeLoops(double dt, AttitudeCommands& cmd) {
    const double pitchError = vessel->GetPitch() * kDegPerRad - pitchLoop.setpoint;
    cmd.pitch = -pitchLoop.Update(pitchError, dt, kPitchLimit);
    if (vessel->GetAltitude() <= kYawAndBankHoldAltitude) return;

    const double yawError = phase == kPhasePitchProgram
                                ? vessel->GetYaw() * kDegPerRad - targetHeading
                                : vessel->GetSlipAngle() * kDegPerRad;
    cmd.yaw = yawLoop.Update(yawError, dt, kYawLimit);
    // Wings level: the bank loop now works in radians, carrying its state over from the roll
    // program.
    cmd.bank = bankLoop.Update(vessel->GetBank(), dt, kWingsLevelLimit);
}

// Levels beyond 1 (a roll command up to 1.5) are handed to the host as they are.
void FlightComputer::ApplyAttitudeCommands(const AttitudeCommands& cmd) {
    const bool pitchUp = cmd.pitch >= 0.0;
    const bool yawLeft = cmd.yaw >= 0.0;
    const bool bankLeft = cmd.bank < 0.0;
    vessel->SetThrusterGroupLevel(THGROUP_ATT_PITCHUP, pitchUp ? cmd.pitch : 0.0);
    vessel->SetThrusterGroupLevel(THGROUP_ATT_PITCHDOWN, pitchUp ? 0.0 : -cmd.pitch);
    vessel->SetThrusterGroupLevel(THGROUP_ATT_YAWLEFT, yawLeft ? cmd.yaw : 0.0);
    vessel->SetThrusterGroupLevel(THGROUP_ATT_YAWRIGHT, yawLeft ? 0.0 : -cmd.yaw);
    vessel->SetThrusterGroupLevel(THGROUP_ATT_BANKLEFT, bankLeft ? -cmd.bank : 0.0);
    vessel->SetThrusterGroupLevel(THGROUP_ATT_BANKRIGHT, bankLeft ? 0.0 : cmd.bank);
}
