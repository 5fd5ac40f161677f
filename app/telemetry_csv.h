// Telemetry as CSV: a header line naming each column with its unit, then one line per sample.
#pragma once

#include <string>
#include <vector>

#include "telemetry.h"

namespace app {

// Empty fields where a value does not exist (no mission time before lift-off, no guidance on a
// vessel without a flight computer).
std::string telemetryCsv(const std::vector<TelemetrySample>& samples);

}  // namespace app
