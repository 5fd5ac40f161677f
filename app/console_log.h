// The flight as the user watches it on standard output: one line per event (mission time,
// event, altitude, speed), a progress line that rewrites itself while the flight runs (only on
// a terminal), notes on files written, and the summary at the end.
#pragma once

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>

#include "flight_summary.h"

namespace app {

class ConsoleLog {
  public:
    explicit ConsoleLog(std::FILE* out);
    ~ConsoleLog();
    ConsoleLog(const ConsoleLog&) = delete;
    ConsoleLog& operator=(const ConsoleLog&) = delete;

    void line(const std::string& text);
    void event(const LoggedEvent& logged);
    // Shown at most a few times per wall second, and only on a terminal.
    void progress(double time, std::optional<double> missionTime, const VesselReadout& tracked,
                  std::optional<int> phase);

  private:
    void clearProgress();

    std::FILE* out_;
    bool terminal_;
    bool progressShown_ = false;
    std::chrono::steady_clock::time_point lastProgress_{};
};

}  // namespace app
