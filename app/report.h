// The report folder of a run: index.html with the summary, the event table, the plots and the
// MFD pictures, beside the files it links to.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "flight_summary.h"
#include "telemetry.h"

namespace app {

struct ReportFile {
    std::string label;  // "Telemetry (CSV)"
    std::string path;   // relative to the report folder
};

struct ReportContent {
    std::string scenario;  // as named on the command line
    const FlightSummary* summary = nullptr;
    const std::vector<TelemetrySample>* samples = nullptr;
    std::vector<ReportFile> files;      // already written into the folder
    std::vector<ReportFile> snapshots;  // MFD pictures in the folder, in the order taken
};

// Writes the plots into <folder>/plots/ and then index.html. Throws sim::Error naming a file that
// cannot be written.
void writeReport(const std::filesystem::path& folder, const ReportContent& content);

}  // namespace app
