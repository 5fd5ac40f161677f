#include "report.h"

#include <cstdio>

#include "flight_plots.h"
#include "scenario_writer.h"
#include "svg_plot.h"
#include "text.h"

namespace app {

namespace {

constexpr double kKilometre = 1000.0;  // [m]

constexpr const char* kStyle = R"(<style>
body { font-family: sans-serif; margin: 2em; color: #222; }
pre { background: #f4f4f4; padding: 1em; }
table { border-collapse: collapse; }
td, th { padding: 2px 10px; text-align: left; border-bottom: 1px solid #ddd; }
.grid { display: flex; flex-wrap: wrap; gap: 12px; }
figure { margin: 0; }
figcaption { font-size: 90%; color: #555; }
</style>
)";

std::string eventTable(const std::vector<LoggedEvent>& events) {
    std::string out =
        "<table>\n<tr><th>moment</th><th>event</th><th>altitude [km]</th><th>speed [m/s]</th>"
        "<th>vessels</th></tr>\n";
    for (const LoggedEvent& e : events) {
        char row[160];
        std::snprintf(row, sizeof row, "<td>%.1f</td><td>%.0f</td>", e.state.altitude / kKilometre,
                      e.state.speed);
        out += "<tr><td>" + sim::text::xmlEscaped(formatMoment(e.event.time, e.missionTime)) +
               "</td><td>" + sim::text::xmlEscaped(std::string(e.event.name)) + "</td>" + row +
               "<td>" + sim::text::xmlEscaped(e.event.subjectText()) + "</td></tr>\n";
    }
    return out + "</table>\n";
}

std::string figure(const std::string& path, const std::string& caption) {
    return "<figure><a href=\"" + sim::text::xmlEscaped(path) + "\"><img src=\"" +
           sim::text::xmlEscaped(path) + "\" alt=\"" + sim::text::xmlEscaped(caption) +
           "\"></a><figcaption>" + sim::text::xmlEscaped(caption) + "</figcaption></figure>\n";
}

}  // namespace

void writeReport(const std::filesystem::path& folder, const ReportContent& content) {
    const FlightSummary& summary = *content.summary;
    std::filesystem::create_directories(folder / "plots");

    std::string html = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" +
                       sim::text::xmlEscaped(content.scenario) + " - flight report</title>\n" +
                       kStyle + "</head><body>\n<h1>" + sim::text::xmlEscaped(content.scenario) +
                       "</h1>\n";
    html += "<h2>Summary</h2>\n<pre>" + sim::text::xmlEscaped(summaryText(summary)) + "</pre>\n";
    html += "<h2>Events</h2>\n" + eventTable(summary.events);

    html += "<h2>Plots</h2>\n<div class=\"grid\">\n";
    for (const NamedPlot& p : flightPlots(*content.samples, summary.events)) {
        const std::string path = "plots/" + p.file;
        sim::writeFileAtomically((folder / path).string(), plotSvg(p.plot));
        html += figure(path, p.plot.title);
    }
    html += "</div>\n";

    if (!content.snapshots.empty()) {
        html += "<h2>MFD</h2>\n<div class=\"grid\">\n";
        for (const ReportFile& s : content.snapshots) html += figure(s.path, s.label);
        html += "</div>\n";
    }
    html += "<h2>Files</h2>\n<ul>\n";
    for (const ReportFile& f : content.files) {
        html += "<li><a href=\"" + sim::text::xmlEscaped(f.path) + "\">" +
                sim::text::xmlEscaped(f.label) + "</a> (" + sim::text::xmlEscaped(f.path) +
                ")</li>\n";
    }
    html += "</ul>\n</body></html>\n";
    sim::writeFileAtomically((folder / "index.html").string(), html);
}

}  // namespace app
