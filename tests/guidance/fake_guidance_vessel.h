// A scripted stand-in for the vessel the flight computer flies: the test sets the read-outs
// and inspects the thruster-group levels and the other outputs.
#pragma once

#include <cmath>
#include <map>

#include "flight_computer.h"

struct FakeGuidanceVessel final : GuidanceVessel {
    double altitude = 0.0;   // [m]
    double airspeed = 0.0;   // [m/s]
    double pitch = 0.0;      // [rad]
    double yaw = 0.0;        // [rad]
    double bank = 0.0;       // [rad]
    double slip = 0.0;       // [rad]
    double apoapsis = 0.0;   // [m]
    double periapsis = 0.0;  // [m]
    VECTOR3 horizonAirspeed = _V(0.0, 0.0, 0.0);
    VECTOR3 yAxisInHorizon = _V(0.0, 0.0, 1.0);

    std::map<THGROUP_TYPE, double> levels;
    VECTOR3 angularVel = _V(0.0, 0.0, 0.0);
    double timeAcceleration = 10.0;

    // Points the vessel's +y axis so that an upright vessel reads the given heading [deg].
    void SetUprightHeading(double degrees) {
        const double a = (degrees - 180.0) * kRadPerDeg;
        yAxisInHorizon = _V(std::sin(a), 0.0, std::cos(a));
    }
    double Level(THGROUP_TYPE group) const {
        const auto it = levels.find(group);
        return it == levels.end() ? 0.0 : it->second;
    }

    double GetAltitude() const override { return altitude; }
    double GetAirspeed() const override { return airspeed; }
    double GetPitch() const override { return pitch; }
    double GetYaw() const override { return yaw; }
    double GetBank() const override { return bank; }
    double GetSlipAngle() const override { return slip; }
    double GetApoapsisAltitude() const override { return apoapsis; }
    double GetPeriapsisAltitude() const override { return periapsis; }
    VECTOR3 GetHorizonAirspeedVector() const override { return horizonAirspeed; }
    // The flight computer only ever turns the +y axis into the horizon frame.
    VECTOR3 HorizonRot(const VECTOR3&) const override { return yAxisInHorizon; }
    double GetThrusterGroupLevel(THGROUP_TYPE group) const override { return Level(group); }
    void SetThrusterGroupLevel(THGROUP_TYPE group, double level) override { levels[group] = level; }
    void IncThrusterGroupLevel(THGROUP_TYPE group, double delta) override {
        levels[group] = Level(group) + delta;
    }
    void SetAngularVel(const VECTOR3& rate) override { angularVel = rate; }
    void SetTimeAcceleration(double warp) override { timeAcceleration = warp; }
};
