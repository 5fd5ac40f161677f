// The core vessel's scenario lines: the flight computer's settings and progress ("FC_Config",
// "FC_State") and what its loops carry from step to step ("FC_Loops"), the staging, camera and
// glow ("LV_State"), the fairing ("Fairing") and the launch offset ("Offset"). Lines the core does
// not own go to the payload library and the host.
#include <array>
#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <memory>
#include <string>

#include "arvex.h"
#include "flight_computer.h"

namespace {

constexpr const char* kFlightComputerConfigKey = "FC_Config";
constexpr const char* kFlightComputerStateKey = "FC_State";
constexpr const char* kFlightComputerLoopsKey = "FC_Loops";
constexpr const char* kVehicleStateKey = "LV_State";
constexpr const char* kFairingKey = "Fairing";
constexpr const char* kOffsetKey = "Offset";

// Takes the place of a negative acceleration limit read from a scenario: the limit the flight
// computer is left with when it disengages itself.
constexpr double kDefaultAccelLimit = 44.1;  // [m/s^2]

// Formats one line of values. Sized to what it holds: a 256-character buffer would cut the
// line, and lose the values behind it, for absurdly large numbers such as a typed target of
// 1e300 m.
std::string FormatValues(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list sizing;
    va_copy(sizing, args);
    const int length = std::vsnprintf(nullptr, 0, format, sizing);
    va_end(sizing);
    std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, args);
    va_end(args);
    return text;
}

// A value that is not a finite number is as unreadable as a missing one: the field keeps what it
// held, as such a number would drive the guidance, and with it the vessel's state, to no number.
void TakeIfFinite(double& field, double value) {
    if (std::isfinite(value)) field = value;
}

// The values after `key` when the line starts with it (without regard to case), else null.
const char* ValuesAfterKey(const char* line, const char* key) {
    for (; *key != '\0'; ++line, ++key) {
        if (std::tolower(static_cast<unsigned char>(*line)) !=
            std::tolower(static_cast<unsigned char>(*key)))
            return nullptr;
    }
    return line;
}

void LoadFlightComputerConfig(FlightComputer& fc, const char* values) {
    double apoapsis = fc.targetApoapsis, heading = fc.targetHeading, limit = fc.accelLimit;
    std::sscanf(values, "%lf %lf %d %d %lf", &apoapsis, &heading, &fc.autopilotEngaged,
                &fc.limiterActive, &limit);
    TakeIfFinite(fc.targetApoapsis, apoapsis);
    TakeIfFinite(fc.targetHeading, heading);
    TakeIfFinite(fc.accelLimit, limit);
    if (fc.accelLimit < 0.0) {
        fc.accelLimit = kDefaultAccelLimit;
        // The target passes through the window's offset and back, which may round its last
        // digit; the window then equals the target.
        fc.targetApoapsis = (fc.targetApoapsis + 1000.0) - 1000.0;
        fc.apoapsisWindowLow = fc.targetApoapsis;
    }
}

void LoadFlightComputerState(FlightComputer& fc, const char* values) {
    double elapsed = fc.missionElapsedTime, launch = fc.launchTime;
    std::sscanf(values, "%d %lf %lf", &fc.phase, &elapsed, &launch);
    TakeIfFinite(fc.missionElapsedTime, elapsed);
    TakeIfFinite(fc.launchTime, launch);
}

// The values of "FC_Loops", in their order: what the limiter and the three attitude loops carry
// from one step to the next. Without them a loaded flight would restart its loops from zero and
// its limiter would take the whole airspeed for one step's gain and throttle back. The rest of
// each loop is recomputed before it is read.
template <typename Computer>
auto LoopStateFields(Computer& fc) {
    return std::array{
        &fc.lastAirspeed,          &fc.pitchLoop.setpoint,     &fc.pitchLoop.previousError,
        &fc.pitchLoop.integral,    &fc.pitchLoop.output,       &fc.yawLoop.setpoint,
        &fc.yawLoop.previousError, &fc.yawLoop.integral,       &fc.yawLoop.output,
        &fc.bankLoop.setpoint,     &fc.bankLoop.previousError, &fc.bankLoop.integral,
        &fc.bankLoop.output};
}

// A flight computer that has not flown writes no "FC_Loops": scenarios of vehicles on the pad
// stay as they were, and read as they did before the line existed.
bool LoopsAsConstructed(const FlightComputer& fc) {
    const FlightComputer constructed{std::unique_ptr<GuidanceVessel>()};
    const auto now = LoopStateFields(fc);
    const auto initial = LoopStateFields(constructed);
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (*now[i] != *initial[i]) return false;
    }
    return true;
}

// Every digit a double needs, so that a loaded flight steps on exactly as the saved one would.
std::string FormatLoopState(const FlightComputer& fc) {
    std::string text;
    for (const double* value : LoopStateFields(fc))
        text += FormatValues(text.empty() ? "%.17g" : " %.17g", *value);
    return text;
}

void LoadLoopState(FlightComputer& fc, const char* values) {
    for (double* field : LoopStateFields(fc)) {
        double value = 0.0;
        int used = 0;
        if (std::sscanf(values, "%lf%n", &value, &used) != 1) return;
        TakeIfFinite(*field, value);
        values += used;
    }
}

}  // namespace

void Arvex::clbkSaveState(FILEHANDLE scn) {
    VesselWithPM::clbkSaveState(scn);  // the host's lines, then the payload library's
    const FlightComputer& fc = *flightComputer;
    oapiWriteScenario_string(scn, kFlightComputerConfigKey,
                             FormatValues("%f %f %i %i %lf", fc.targetApoapsis, fc.targetHeading,
                                          fc.autopilotEngaged, fc.limiterActive, fc.accelLimit)
                                 .c_str());
    oapiWriteScenario_string(
        scn, kFlightComputerStateKey,
        FormatValues("%i %f %f", fc.phase, fc.missionElapsedTime, fc.launchTime).c_str());
    if (!LoopsAsConstructed(fc))
        oapiWriteScenario_string(scn, kFlightComputerLoopsKey, FormatLoopState(fc).c_str());
    oapiWriteScenario_string(
        scn, kVehicleStateKey,
        FormatValues("%i %i %lf", boostersAttached, cameraForward, static_cast<double>(engineGlow))
            .c_str());
    oapiWriteScenario_string(scn, kFairingKey,
                             FormatValues("%i %i", fairingType, fairingAttached).c_str());
    oapiWriteScenario_float(scn, kOffsetKey, launchOffset);
}

// Values missing or unreadable at the end of a line leave their fields as they were.
void Arvex::clbkLoadStateEx(FILEHANDLE scn, void* status) {
    char* line = nullptr;
    while (oapiReadScenario_nextline(scn, line)) {
        if (const char* values = ValuesAfterKey(line, kVehicleStateKey)) {
            double glow = engineGlow;
            std::sscanf(values, "%d %d %lf", &boostersAttached, &cameraForward, &glow);
            // A glow beyond a float's range (or no number) is unreadable: its conversion would be
            // undefined.
            if (std::fabs(glow) <= FLT_MAX) engineGlow = static_cast<float>(glow);
        } else if (const char* values = ValuesAfterKey(line, kFairingKey)) {
            std::sscanf(values, "%d %d", &fairingType, &fairingAttached);
        } else if (const char* values = ValuesAfterKey(line, kFlightComputerLoopsKey)) {
            LoadLoopState(*flightComputer, values);
        } else if (const char* values = ValuesAfterKey(line, kOffsetKey)) {
            double offset = launchOffset;
            std::sscanf(values, "%lf", &offset);
            SetLaunchOffset(std::isfinite(offset) ? offset : launchOffset);
        } else {
            if (const char* values = ValuesAfterKey(line, kFlightComputerConfigKey))
                LoadFlightComputerConfig(*flightComputer, values);
            else if (const char* values = ValuesAfterKey(line, kFlightComputerStateKey))
                LoadFlightComputerState(*flightComputer, values);
            // The flight computer's lines are offered on as well, whatever the library says.
            PayloadManager::loadState(this, line);
            ParseScenarioLineEx(line, status);
        }
    }
}
