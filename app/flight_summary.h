// What a flight achieved, gathered at the end of a run for the console and the report.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "flight_events.h"
#include "launcher.h"
#include "telemetry.h"
#include "vessel_readout.h"

namespace app {

struct LoggedEvent {
    FlightEvent event;
    std::optional<double> missionTime;  // [s] since lift-off
    VesselReadout state;                // of the first vessel concerned, else the tracked one, then
    std::vector<std::string> snapshots;  // MFD pictures taken then (report-relative)
};

struct ReleasedPayload {
    std::string name;
    VesselReadout state;  // at the end of the run
};

struct FlightSummary {
    std::string vessel;  // the tracked vessel
    bool vesselPresent = false;
    VesselReadout final;                      // of the tracked vessel, at the end
    double propellantCapacity = 0.0;          // of its remaining tanks [kg]
    std::optional<GuidanceReadout> guidance;  // at the end
    std::optional<double> targetApoapsis;     // as set at lift-off [m]
    std::optional<double> targetInclination;  // expected at lift-off [deg]
    std::string cutoff;                       // why the autopilot disengaged, if it did
    std::optional<double> liftoffTime;        // [s]
    Extreme maxDynamicPressure;
    Extreme maxAcceleration;
    std::vector<LoggedEvent> events;
    std::vector<ReleasedPayload> payloads;
    double endTime = 0.0;  // [s]
};

// A few lines of text: targets against results, propellant, extremes, event times.
std::string summaryText(const FlightSummary& summary);

// "T+  72.3 s" after lift-off, "t =  12.0 s" before.
std::string formatMoment(double time, std::optional<double> missionTime);

}  // namespace app
