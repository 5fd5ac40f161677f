// One run of `arvex-sim run`: the scenario loaded into the host, the script played, frames
// flown until a stop condition, events logged, telemetry recorded, outputs written.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "console_log.h"
#include "flight_events.h"
#include "flight_summary.h"
#include "report.h"
#include "run_options.h"
#include "script_host.h"
#include "script_player.h"
#include "telemetry.h"

namespace app {

inline constexpr int kRunSucceeded = 0;
inline constexpr int kRunIncomplete = 2;  // ended before its --until event or its script

class FlightRun : public ScriptHost {
  public:
    // Loads the scenario (and the script); throws sim::Error. The current folder must be the
    // runtime tree.
    FlightRun(const RunOptions& options, ConsoleLog& log);

    // Flies and writes the outputs; returns the exit status. Throws sim::Error for an action or
    // an output that fails.
    int run();

    // ScriptHost
    sim::Simulation& simulation() override { return simulation_; }
    void saveScenario(const std::string& file) override;
    void writeState(const std::string& file) override;
    void snapshot(int display, const std::string& name) override;
    void setTimeAcceleration(double warp) override;
    void stop() override { stopRequested_ = true; }

  private:
    bool finished(std::int64_t frames) const;
    double nextStep() const;
    void betweenFrames();
    void handle(const FlightEvent& event);
    void noteTargets(const GuidanceReadout& guidance);
    std::string cutoffReason() const;
    std::vector<std::string> snapshotOpenDisplays(std::string_view moment,
                                                  const std::string& label);
    std::filesystem::path outputPath(const std::string& name) const;
    void remember(const std::filesystem::path& file, const std::string& label);
    void writeOutputs();
    FlightSummary summarise() const;
    const sim::HostVessel* tracked() const;
    int verdict() const;

    const RunOptions& options_;
    ConsoleLog& log_;
    sim::Simulation simulation_;
    std::string tracked_;
    std::unique_ptr<FlightWatcher> watcher_;
    std::unique_ptr<ScriptPlayer> player_;
    FlightRecorder recorder_;

    std::vector<LoggedEvent> events_;
    std::optional<double> liftoffTime_;              // [s]
    std::optional<double> targetApoapsis_;           // [m]
    std::optional<double> targetInclination_;        // [deg]
    std::optional<GuidanceReadout> guidanceBefore_;  // at the end of the previous frame
    std::string cutoff_;
    bool stopRequested_ = false;
    bool untilReached_ = false;

    std::vector<ReportFile> reportFiles_;  // files in the report folder, for its index
    std::vector<ReportFile> snapshots_;
};

}  // namespace app
