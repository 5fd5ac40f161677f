// The core vessel as the flight computer sees it: every read-out and output goes to the host
// through the core vessel's own interface.
#pragma once

#include "guidance_vessel.h"

class Arvex;

class ArvexGuidanceVessel final : public GuidanceVessel {
  public:
    explicit ArvexGuidanceVessel(Arvex& arvex) : arvex(arvex) {}

    double GetAltitude() const override;
    double GetAirspeed() const override;
    double GetPitch() const override;
    double GetYaw() const override;
    double GetBank() const override;
    double GetSlipAngle() const override;
    double GetApoapsisAltitude() const override;
    double GetPeriapsisAltitude() const override;
    VECTOR3 GetHorizonAirspeedVector() const override;
    VECTOR3 HorizonRot(const VECTOR3& local) const override;

    double GetThrusterGroupLevel(THGROUP_TYPE group) const override;
    void SetThrusterGroupLevel(THGROUP_TYPE group, double level) override;
    void IncThrusterGroupLevel(THGROUP_TYPE group, double delta) override;
    void SetAngularVel(const VECTOR3& rate) override;
    void SetTimeAcceleration(double warp) override;

  private:
    Arvex& arvex;
};
