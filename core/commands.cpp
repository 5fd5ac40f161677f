// The core vessel's command interface: the flight computer's controls and read-outs, a few
// figures of the vehicle, payload release and the fairing's visibility, called from the control
// MFD module through the virtual table and from the core module itself; and the probe by which
// other modules recognise a core vessel.
#include <climits>
#include <cmath>

#include "arvex.h"
#include "arvex_guidance_vessel.h"
#include "flight_computer.h"

namespace {

constexpr double kAltitudeReferenceRadius = 6371026.0;  // apoapsis/periapsis datum [m]

// Acceleration limits the pilot cycles through [m/s^2].
constexpr double kAccelLimitLow = 29.4;
constexpr double kAccelLimitMid = 44.1;
constexpr double kAccelLimitHigh = 58.8;

}  // namespace

void Arvex::CycleAccelLimit() {
    double& limit = flightComputer->accelLimit;
    if (limit == kAccelLimitLow)
        limit = kAccelLimitMid;
    else if (limit == kAccelLimitMid)
        limit = kAccelLimitHigh;
    else
        limit = kAccelLimitLow;
}

void Arvex::ToggleAutopilot() {
    flightComputer->autopilotEngaged = flightComputer->autopilotEngaged == 0 ? 1 : 0;
    flightComputer->limiterActive = flightComputer->limiterActive == 0 ? 1 : 0;
}

int Arvex::GetGuidancePhase() {
    return flightComputer->phase;
}

int Arvex::GetAutopilotEngaged() {
    return flightComputer->autopilotEngaged;
}

int Arvex::GetMissionTime() {
    // Truncated toward zero. Only a corrupt scenario gives a time outside the int range or no
    // number at all; it is saturated (or read as 0) instead of converting undefinedly.
    const double met = flightComputer->missionElapsedTime;
    if (std::isnan(met)) return 0;
    if (met >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (met <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(met);
}

void Arvex::SetTargetApoapsis(double altitude) {
    flightComputer->targetApoapsis = altitude;
    flightComputer->apoapsisWindowLow = altitude - 1000.0;
}

double Arvex::GetTargetApoapsisKm() {
    return flightComputer->targetApoapsis * 0.001;
}

double Arvex::GetAccelLimit() {
    return flightComputer->accelLimit;
}

void Arvex::DetachLastPayload() {
    const int count = PayloadManager::GetPayloadsNumber(this);
    if (count > 0) PayloadManager::DetachPayloadByIndex(this, count - 1);
}

double Arvex::GetApoapsisAltitude() {
    double distance = 0.0;
    GetApDist(distance);
    return distance - kAltitudeReferenceRadius;
}

double Arvex::GetPeriapsisAltitude() {
    double distance = 0.0;
    GetPeDist(distance);
    return distance - kAltitudeReferenceRadius;
}

double Arvex::GetCurrentHeading() {
    return CurrentHeading(ArvexGuidanceVessel(*this));
}

double Arvex::GetEstimatedInclination() {
    // The vessel's own handle, not a look-up by name: another object of the same name (names
    // match without regard to case) would give its latitude instead.
    double longitude = 0.0, latitude = 0.0, radius = 0.0;
    oapiGetEquPos(GetHandle(), &longitude, &latitude, &radius);
    const double azimuth = GetTargetHeading() * kRadPerDeg;
    return std::acos(std::cos(latitude) * std::sin(azimuth)) * kDegPerRad;
}

void Arvex::SetTargetHeading(double heading) {
    flightComputer->targetHeading = heading;
}

double Arvex::GetTargetHeading() {
    return flightComputer->targetHeading;
}

double Arvex::GetPayloadMass() {
    return PayloadManager::GetTotalPayloadsMass(this);
}

double Arvex::GetCorePropellant() {
    return GetPropellantMass(coreTank);
}

double Arvex::GetBoosterPropellant() {
    return boosterTank ? GetPropellantMass(boosterTank) : 0.0;
}

double Arvex::GetLaunchOffset() {
    return launchOffset;
}

void Arvex::ToggleFairingVisibility() {
    const bool hidden = GetMeshVisibilityMode(fairingMeshes[0]) == MESHVIS_NEVER;
    SetMeshVisibilityMode(fairingMeshes[0], hidden ? MESHVIS_ALWAYS : MESHVIS_NEVER);
}

int Arvex::clbkGeneric(int msgid, int, void*) {
    return msgid == kRecognitionMessage ? 1 : 0;
}
