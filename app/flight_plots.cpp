#include "flight_plots.h"

#include <limits>
#include <optional>

namespace app {

namespace {

constexpr double kKilometre = 1000.0;  // [m]
constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

using Reading = double (*)(const TelemetrySample&);

struct SeriesSpec {
    const char* name;
    const char* colour;
    Reading value;
};

struct PlotSpec {
    const char* file;
    const char* title;
    const char* yLabel;
    std::vector<SeriesSpec> series;
    std::optional<double> yMin;
    std::optional<double> yMax;
};

double phaseOf(const TelemetrySample& s) {
    return s.guidance ? s.guidance->phase : kNone;
}

const std::vector<PlotSpec>& plotSpecs() {
    static const std::vector<PlotSpec> specs = {
        {"altitude.svg",
         "Altitude",
         "altitude [km]",
         {{"altitude", "#1f77b4",
           [](const TelemetrySample& s) { return s.vessel.altitude / kKilometre; }}},
         0.0,
         std::nullopt},
        {"speed.svg",
         "Speed",
         "speed [m/s]",
         {{"inertial", "#1f77b4", [](const TelemetrySample& s) { return s.vessel.speed; }},
          {"air", "#ff7f0e", [](const TelemetrySample& s) { return s.vessel.airspeed; }}},
         0.0,
         std::nullopt},
        // The periapsis lies deep inside the Earth until late in the ascent: the plot shows
        // the range from the ground up.
        {"apsides.svg",
         "Apoapsis and periapsis",
         "altitude above 6371026 m [km]",
         {{"apoapsis", "#2ca02c",
           [](const TelemetrySample& s) { return s.vessel.apoapsisAltitude / kKilometre; }},
          {"periapsis", "#d62728",
           [](const TelemetrySample& s) { return s.vessel.periapsisAltitude / kKilometre; }}},
         0.0,
         std::nullopt},
        {"throttle.svg",
         "Main engine throttle",
         "throttle [0-1]",
         {{"throttle", "#9467bd", [](const TelemetrySample& s) { return s.vessel.throttle; }}},
         0.0,
         1.0},
        {"acceleration.svg",
         "Sensed acceleration",
         "acceleration [m/s^2]",
         {{"acceleration", "#8c564b", [](const TelemetrySample& s) { return s.acceleration; }}},
         0.0,
         std::nullopt},
        {"dynamic-pressure.svg",
         "Dynamic pressure",
         "dynamic pressure [kPa]",
         {{"q", "#e377c2",
           [](const TelemetrySample& s) { return s.vessel.dynamicPressure / kKilometre; }}},
         0.0,
         std::nullopt},
        {"phase.svg", "Guidance phase", "phase [0-4]", {{"phase", "#17becf", phaseOf}}, 0.0, 4.0},
    };
    return specs;
}

}  // namespace

std::vector<NamedPlot> flightPlots(const std::vector<TelemetrySample>& samples,
                                   const std::vector<LoggedEvent>& events) {
    std::vector<PlotMarker> markers;
    for (const LoggedEvent& e : events) {
        if (isMilestone(e.event.name)) markers.push_back({e.event.time, std::string(e.event.name)});
    }
    std::vector<NamedPlot> plots;
    for (const PlotSpec& spec : plotSpecs()) {
        Plot plot{spec.title, "simulation time [s]", spec.yLabel, {}, markers, spec.yMin,
                  spec.yMax};
        for (const SeriesSpec& s : spec.series) {
            PlotSeries series{s.name, s.colour, {}};
            for (const TelemetrySample& sample : samples) {
                series.points.emplace_back(sample.time, s.value(sample));
            }
            plot.series.push_back(std::move(series));
        }
        plots.push_back({spec.file, std::move(plot)});
    }
    return plots;
}

}  // namespace app
