// What the flight computer needs of the vessel it flies: read-outs and thruster-group outputs,
// in the host's units (radians, metres, seconds). The core vessel answers through host calls;
// the guidance tests answer with a scripted fake, so the guidance logic runs without a host.
#pragma once

#include "orbitersdk.h"

class GuidanceVessel {
  public:
    virtual double GetAltitude() const = 0;                // over the mean sphere [m]
    virtual double GetAirspeed() const = 0;                // [m/s]
    virtual double GetPitch() const = 0;                   // [rad]
    virtual double GetYaw() const = 0;                     // heading of the nose [rad]
    virtual double GetBank() const = 0;                    // [rad]
    virtual double GetSlipAngle() const = 0;               // [rad]
    virtual double GetApoapsisAltitude() const = 0;        // over the fixed reference radius [m]
    virtual double GetPeriapsisAltitude() const = 0;       // over the fixed reference radius [m]
    virtual VECTOR3 GetHorizonAirspeedVector() const = 0;  // (east, up, north) [m/s]
    virtual VECTOR3 HorizonRot(const VECTOR3& local) const = 0;  // vessel axes to horizon axes

    virtual double GetThrusterGroupLevel(THGROUP_TYPE group) const = 0;
    virtual void SetThrusterGroupLevel(THGROUP_TYPE group, double level) = 0;
    virtual void IncThrusterGroupLevel(THGROUP_TYPE group, double delta) = 0;
    virtual void SetAngularVel(const VECTOR3& rate) = 0;  // vessel axes [rad/s]
    virtual void SetTimeAcceleration(double warp) = 0;

    virtual ~GuidanceVessel() = default;
};
