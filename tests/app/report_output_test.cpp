// The report's own file formats: plots that survive values that are not numbers, and telemetry
// whose every line has one field per header column.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

#include "svg_plot.h"
#include "telemetry_csv.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

TEST(Plot, ValuesThatAreNotNumbersBreakTheLineInsteadOfSpoilingThePicture) {
    app::Plot plot{
        "Apoapsis <open orbit> & more",
        "time [s]",
        "apoapsis [km]",
        {{"apoapsis",
          "#2ca02c",
          {{0, 100}, {1, 200}, {2, kInfinity}, {3, 300}, {4, 350}, {5, kNaN}, {6, 400}}}},
        {{2.5, "MECO"}},
        0.0,
        std::nullopt};
    const std::string svg = app::plotSvg(plot);
    EXPECT_EQ(count(svg, "<polyline"), 3u) << svg;
    EXPECT_EQ(count(svg, "nan") + count(svg, "inf"), 0u) << svg;
    EXPECT_NE(svg.find("Apoapsis &lt;open orbit&gt; &amp; more"), std::string::npos);
    EXPECT_NE(svg.find(">MECO<"), std::string::npos);
    EXPECT_NE(svg.find("clip-path=\"url(#plot-area)\""), std::string::npos);
}

TEST(Plot, AnEmptyOrFlatSeriesStillGetsAxes) {
    for (const auto& points : {std::vector<std::pair<double, double>>{},
                               std::vector<std::pair<double, double>>{{0, 5}, {10, 5}}}) {
        const std::string svg =
            app::plotSvg({"Flat", "t [s]", "v", {{"v", "#000", points}}, {}, {}, {}});
        EXPECT_EQ(count(svg, "nan") + count(svg, "inf"), 0u) << svg;
        EXPECT_GE(count(svg, "<text"), 4u) << svg;  // tick labels, axis labels, title
    }
}

TEST(TelemetryCsv, EveryLineHasAFieldPerColumnAndMissingValuesAreEmpty) {
    app::TelemetrySample onPad;
    onPad.vessel.altitude = 15.0;
    onPad.vessel.apoapsisAltitude = kInfinity;  // as for an open orbit
    app::TelemetrySample flying = onPad;
    flying.time = 1.0;
    flying.missionTime = 0.5;
    flying.guidance = app::GuidanceReadout{};
    flying.guidance->phase = 1;
    const std::string csv = app::telemetryCsv({onPad, flying});

    std::istringstream lines(csv);
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> fields;
        std::istringstream in(line + ",");
        for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
        rows.push_back(fields);
    }
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].size(), rows[0].size());
    EXPECT_EQ(rows[2].size(), rows[0].size());
    for (std::size_t i = 0; i < rows[0].size(); ++i) {
        EXPECT_NE(rows[0][i].find(" ["), std::string::npos) << rows[0][i];  // a unit
        const std::string& header = rows[0][i];
        if (header == "mission time [s]" || header == "apoapsis altitude [m]" ||
            header == "guidance phase [0-4]") {
            EXPECT_EQ(rows[1][i], "") << header;
        }
    }
    EXPECT_EQ(rows[2][1], "0.5");
}

}  // namespace
