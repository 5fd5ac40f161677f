#include "console_log.h"

#include <unistd.h>

namespace app {

namespace {

constexpr auto kProgressInterval = std::chrono::milliseconds(200);  // between redraws
constexpr double kKilometre = 1000.0;                               // [m]

}  // namespace

ConsoleLog::ConsoleLog(std::FILE* out) : out_(out), terminal_(isatty(fileno(out)) == 1) {}

ConsoleLog::~ConsoleLog() {
    clearProgress();
}

void ConsoleLog::clearProgress() {
    if (!progressShown_) return;
    std::fputs("\r\033[K", out_);
    progressShown_ = false;
}

void ConsoleLog::line(const std::string& text) {
    clearProgress();
    std::fputs(text.c_str(), out_);
    std::fputc('\n', out_);
    std::fflush(out_);
}

void ConsoleLog::event(const LoggedEvent& logged) {
    char text[512];
    std::snprintf(text, sizeof text, "%s  %-20s  alt %8.1f km  speed %6.0f m/s  %s",
                  formatMoment(logged.event.time, logged.missionTime).c_str(),
                  std::string(logged.event.name).c_str(), logged.state.altitude / kKilometre,
                  logged.state.speed, logged.event.subjectText().c_str());
    line(text);
}

void ConsoleLog::progress(double time, std::optional<double> missionTime,
                          const VesselReadout& tracked, std::optional<int> phase) {
    if (!terminal_) return;
    const auto now = std::chrono::steady_clock::now();
    if (now - lastProgress_ < kProgressInterval) return;
    lastProgress_ = now;
    char phaseText[16] = "";
    if (phase) std::snprintf(phaseText, sizeof phaseText, "  phase %d", *phase);
    std::fprintf(out_, "\r\033[K%s  alt %8.1f km  speed %6.0f m/s  apoapsis %8.1f km%s",
                 formatMoment(time, missionTime).c_str(), tracked.altitude / kKilometre,
                 tracked.speed, tracked.apoapsisAltitude / kKilometre, phaseText);
    std::fflush(out_);
    progressShown_ = true;
}

}  // namespace app
