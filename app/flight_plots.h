// The report's plots of a flight: altitude, speed, apsides, throttle, acceleration, dynamic
// pressure and guidance phase against simulation time, with the flight's events marked.
#pragma once

#include <string>
#include <vector>

#include "flight_summary.h"
#include "svg_plot.h"
#include "telemetry.h"

namespace app {

struct NamedPlot {
    std::string file;  // "altitude.svg"
    Plot plot;
};

std::vector<NamedPlot> flightPlots(const std::vector<TelemetrySample>& samples,
                                   const std::vector<LoggedEvent>& events);

}  // namespace app
