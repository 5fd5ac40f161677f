#include "arvex_guidance_vessel.h"

#include "arvex.h"
#include "flight_computer.h"

FlightComputer::FlightComputer(Arvex* owner)
    : FlightComputer(std::make_unique<ArvexGuidanceVessel>(*owner)) {}

double ArvexGuidanceVessel::GetAltitude() const {
    return arvex.GetAltitude();
}
double ArvexGuidanceVessel::GetAirspeed() const {
    return arvex.GetAirspeed();
}
double ArvexGuidanceVessel::GetPitch() const {
    return arvex.GetPitch();
}
double ArvexGuidanceVessel::GetYaw() const {
    return arvex.GetYaw();
}
double ArvexGuidanceVessel::GetBank() const {
    return arvex.GetBank();
}
double ArvexGuidanceVessel::GetSlipAngle() const {
    return arvex.GetSlipAngle();
}
double ArvexGuidanceVessel::GetApoapsisAltitude() const {
    return arvex.GetApoapsisAltitude();
}
double ArvexGuidanceVessel::GetPeriapsisAltitude() const {
    return arvex.GetPeriapsisAltitude();
}

VECTOR3 ArvexGuidanceVessel::GetHorizonAirspeedVector() const {
    VECTOR3 v = _V(0.0, 0.0, 0.0);
    arvex.GetHorizonAirspeedVector(v);
    return v;
}

VECTOR3 ArvexGuidanceVessel::HorizonRot(const VECTOR3& local) const {
    VECTOR3 horizon = _V(0.0, 0.0, 0.0);
    arvex.HorizonRot(local, horizon);
    return horizon;
}

double ArvexGuidanceVessel::GetThrusterGroupLevel(THGROUP_TYPE group) const {
    return arvex.GetThrusterGroupLevel(group);
}
void ArvexGuidanceVessel::SetThrusterGroupLevel(THGROUP_TYPE group, double level) {
    arvex.SetThrusterGroupLevel(group, level);
}
void ArvexGuidanceVessel::IncThrusterGroupLevel(THGROUP_TYPE group, double delta) {
    arvex.IncThrusterGroupLevel(group, delta);
}
void ArvexGuidanceVessel::SetAngularVel(const VECTOR3& rate) {
    arvex.SetAngularVel(rate);
}
void ArvexGuidanceVessel::SetTimeAcceleration(double warp) {
    oapiSetTimeAcceleration(warp);
}
