#include "telemetry_csv.h"

#include <cmath>
#include <cstdio>

namespace app {

namespace {

std::string field(std::optional<double> value) {
    if (!value || !std::isfinite(*value)) return "";
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", *value);
    return text;
}

}  // namespace

std::string telemetryCsv(const std::vector<TelemetrySample>& samples) {
    const auto& columns = telemetryColumns();
    std::string out;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        out += (i ? "," : "") + std::string(columns[i].header);
    }
    out += '\n';
    for (const TelemetrySample& sample : samples) {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            out += (i ? "," : "") + field(columns[i].value(sample));
        }
        out += '\n';
    }
    return out;
}

}  // namespace app
