#include "flight_summary.h"

#include <cmath>
#include <cstdio>

namespace app {

namespace {

constexpr double kKilometre = 1000.0;         // [m]
constexpr double kStandardGravity = 9.80665;  // [m/s^2]

// printf into a std::string.
template <typename... Args>
std::string format(const char* pattern, Args... args) {
    char text[256];
    std::snprintf(text, sizeof text, pattern, args...);
    return text;
}

std::string kilometres(double metres) {
    return std::isfinite(metres) ? format("%.1f km", metres / kKilometre) : "none (open orbit)";
}

std::string targetLine(const char* what, std::optional<double> target, double achieved,
                       bool inKilometres) {
    const auto show = [&](double v) {
        return inKilometres ? kilometres(v) : format("%.2f deg", v);
    };
    return format("  %-12s target %-12s achieved %s\n", what, target ? show(*target).c_str() : "-",
                  show(achieved).c_str());
}

}  // namespace

std::string formatMoment(double time, std::optional<double> missionTime) {
    return missionTime ? format("T+%7.1f s", *missionTime) : format("t =%7.1f s", time);
}

std::string summaryText(const FlightSummary& s) {
    std::string out = format("Summary of %s at t = %.1f s\n", s.vessel.c_str(), s.endTime);
    if (!s.vesselPresent) return out + "  the vessel no longer exists\n";
    const VesselReadout& f = s.final;
    out += targetLine("apoapsis", s.targetApoapsis, f.apoapsisAltitude, true);
    out += targetLine("periapsis", s.targetApoapsis, f.periapsisAltitude, true);
    out += targetLine("inclination", s.targetInclination, f.inclination, false);
    if (!s.cutoff.empty()) out += "  cut-off      " + s.cutoff + "\n";
    out += format("  status       %s, altitude %s, speed %.0f m/s, mass %.0f kg\n",
                  f.landed ? "landed" : "flying", kilometres(f.altitude).c_str(), f.speed, f.mass);
    const double share =
        s.propellantCapacity > 0.0 ? 100.0 * f.propellant / s.propellantCapacity : 0.0;
    out += format("  propellant   %.0f kg left (%.1f %% of the tanks still on board)\n",
                  f.propellant, share);
    if (s.guidance && s.guidance->boosterPropellant > 0.0) {
        out +=
            format("               of it %.0f kg in the boosters\n", s.guidance->boosterPropellant);
    }
    const auto moment = [&](double time) {
        return formatMoment(time,
                            s.liftoffTime ? std::optional(time - *s.liftoffTime) : std::nullopt);
    };
    out += format("  max q        %.2f kPa at %s\n", s.maxDynamicPressure.value / kKilometre,
                  moment(s.maxDynamicPressure.time).c_str());
    out +=
        format("  max accel    %.1f m/s^2 (%.2f g) at %s\n", s.maxAcceleration.value,
               s.maxAcceleration.value / kStandardGravity, moment(s.maxAcceleration.time).c_str());
    for (const ReleasedPayload& p : s.payloads) {
        out += format("  payload      %s: apoapsis %s, periapsis %s, inclination %.2f deg\n",
                      p.name.c_str(), kilometres(p.state.apoapsisAltitude).c_str(),
                      kilometres(p.state.periapsisAltitude).c_str(), p.state.inclination);
    }
    if (!s.events.empty()) {
        out += "  events\n";
        for (const LoggedEvent& e : s.events) {
            out += format("    %-22s %s\n", std::string(e.event.name).c_str(),
                          formatMoment(e.event.time, e.missionTime).c_str());
        }
    }
    return out;
}

}  // namespace app
