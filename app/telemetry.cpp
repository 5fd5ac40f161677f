#include "telemetry.h"

#include <cmath>

#include "physics/earth.h"

namespace app {

namespace {

// Sample times meant to fall on a frame (every 1 s with steps of 0.1 s) count as reached.
constexpr double kTimeTolerance = 1e-6;  // [s]

// What an accelerometer on the vessel reads: the change of velocity less gravity's share.
double sensedAcceleration(const VesselReadout& before, const VesselReadout& after, double dt) {
    using sim::physics::earth::Gravity;
    const VECTOR3 gravity = (Gravity(before.position) + Gravity(after.position)) * 0.5;
    return length((after.velocity - before.velocity) / dt - gravity);
}

std::optional<double> guidanceValue(const TelemetrySample& s, double GuidanceReadout::*field) {
    if (!s.guidance) return std::nullopt;
    return (*s.guidance).*field;
}

}  // namespace

const std::vector<TelemetryColumn>& telemetryColumns() {
    static const std::vector<TelemetryColumn> columns = {
        {"time [s]", [](const TelemetrySample& s) -> std::optional<double> { return s.time; }},
        {"mission time [s]", [](const TelemetrySample& s) { return s.missionTime; }},
        {"altitude [m]",
         [](const TelemetrySample& s) -> std::optional<double> { return s.vessel.altitude; }},
        {"speed [m/s]",
         [](const TelemetrySample& s) -> std::optional<double> { return s.vessel.speed; }},
        {"airspeed [m/s]",
         [](const TelemetrySample& s) -> std::optional<double> { return s.vessel.airspeed; }},
        {"apoapsis altitude [m]",
         [](const TelemetrySample& s) -> std::optional<double> {
             return s.vessel.apoapsisAltitude;
         }},
        {"periapsis altitude [m]",
         [](const TelemetrySample& s) -> std::optional<double> {
             return s.vessel.periapsisAltitude;
         }},
        {"inclination [deg]",
         [](const TelemetrySample& s) -> std::optional<double> { return s.vessel.inclination; }},
        {"pitch [deg]",
         [](const TelemetrySample& s) -> std::optional<double> { return s.vessel.pitch; }},
        {"mass [kg]",
         [](const TelemetrySample& s) -> std::optional<double> { return s.vessel.mass; }},
        {"propellant [kg]",
         [](const TelemetrySample& s) -> std::optional<double> { return s.vessel.propellant; }},
        {"throttle [0-1]",
         [](const TelemetrySample& s) -> std::optional<double> { return s.vessel.throttle; }},
        {"acceleration [m/s^2]",
         [](const TelemetrySample& s) -> std::optional<double> { return s.acceleration; }},
        {"dynamic pressure [Pa]",
         [](const TelemetrySample& s) -> std::optional<double> {
             return s.vessel.dynamicPressure;
         }},
        {"mach [-]",
         [](const TelemetrySample& s) -> std::optional<double> { return s.vessel.mach; }},
        {"guidance phase [0-4]",
         [](const TelemetrySample& s) -> std::optional<double> {
             if (!s.guidance) return std::nullopt;
             return s.guidance->phase;
         }},
        {"autopilot [0/1]",
         [](const TelemetrySample& s) -> std::optional<double> {
             if (!s.guidance) return std::nullopt;
             return s.guidance->autopilotEngaged ? 1.0 : 0.0;
         }},
        {"target apoapsis [m]",
         [](const TelemetrySample& s) {
             return guidanceValue(s, &GuidanceReadout::targetApoapsis);
         }},
        {"core propellant [kg]",
         [](const TelemetrySample& s) {
             return guidanceValue(s, &GuidanceReadout::corePropellant);
         }},
        {"booster propellant [kg]",
         [](const TelemetrySample& s) {
             return guidanceValue(s, &GuidanceReadout::boosterPropellant);
         }},
    };
    return columns;
}

FlightRecorder::FlightRecorder(double sampleRate) : period_(1.0 / sampleRate) {}

void FlightRecorder::record(double time, const sim::HostVessel* tracked,
                            std::optional<double> liftoffTime) {
    if (tracked == nullptr) {
        previous_.reset();
        return;
    }
    TelemetrySample sample;
    sample.time = time;
    if (liftoffTime) sample.missionTime = time - *liftoffTime;
    sample.vessel = readVessel(*tracked);
    const double dt = time - previousTime_;
    if (previous_ && dt > 0.0) {
        sample.acceleration = sensedAcceleration(*previous_, sample.vessel, dt);
        if (sample.acceleration > maxAccel_.value) maxAccel_ = {sample.acceleration, time};
    }
    if (sample.vessel.dynamicPressure > maxQ_.value) maxQ_ = {sample.vessel.dynamicPressure, time};
    previous_ = sample.vessel;
    previousTime_ = time;

    if (time + kTimeTolerance < nextSample_) return;
    sample.guidance = readGuidance(*tracked);
    samples_.push_back(std::move(sample));
    nextSample_ = (std::floor(time / period_ + kTimeTolerance) + 1.0) * period_;
}

}  // namespace app
