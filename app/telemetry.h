// The tracked vessel's flight recorded at a fixed rate (for the CSV file and the plots), and the
// extremes of the whole flight, taken on every frame.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "host_vessel.h"
#include "launcher.h"
#include "vessel_readout.h"

namespace app {

struct TelemetrySample {
    double time = 0.0;                  // simulation time [s]
    std::optional<double> missionTime;  // since lift-off [s]
    VesselReadout vessel;
    double acceleration = 0.0;  // sensed (all forces but gravity) [m/s^2]
    std::optional<GuidanceReadout> guidance;
};

// One column of the telemetry: its CSV header (with the unit) and how to read it off a sample.
struct TelemetryColumn {
    std::string_view header;  // "altitude [m]"
    std::optional<double> (*value)(const TelemetrySample& sample);
};

const std::vector<TelemetryColumn>& telemetryColumns();

struct Extreme {
    double value = 0.0;
    double time = 0.0;  // when it occurred [s]
};

class FlightRecorder {
  public:
    // Samples every 1 / sampleRate seconds of simulation time (at most once a frame).
    explicit FlightRecorder(double sampleRate);

    // After each frame (and once before the first): the tracked vessel as it is now, or nullptr
    // once it is gone.
    void record(double time, const sim::HostVessel* tracked, std::optional<double> liftoffTime);

    const std::vector<TelemetrySample>& samples() const { return samples_; }
    const Extreme& maxDynamicPressure() const { return maxQ_; }   // [Pa]
    const Extreme& maxAcceleration() const { return maxAccel_; }  // [m/s^2]

  private:
    double period_;  // [s]
    double nextSample_ = 0.0;
    std::vector<TelemetrySample> samples_;
    std::optional<VesselReadout> previous_;
    double previousTime_ = 0.0;
    Extreme maxQ_;
    Extreme maxAccel_;
};

}  // namespace app
