// Line plots as SVG pictures: axes with ticks and labels, one polyline per series, a legend,
// and dashed vertical markers for the flight's events.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace app {

struct PlotSeries {
    std::string name;
    std::string colour;                             // SVG colour, e.g. "#1f77b4"
    std::vector<std::pair<double, double>> points;  // (x, y); a non-finite y breaks the line
};

struct PlotMarker {
    double x = 0.0;
    std::string label;
};

struct Plot {
    std::string title;
    std::string xLabel;  // with the unit: "mission time [s]"
    std::string yLabel;
    std::vector<PlotSeries> series;
    std::vector<PlotMarker> markers;
    // The y range shown; the data's own range where not given. Lines leaving it are clipped.
    std::optional<double> yMin;
    std::optional<double> yMax;
};

std::string plotSvg(const Plot& plot);

}  // namespace app
