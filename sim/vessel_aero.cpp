// Airfoils and variable drag elements, evaluated by the flight physics every step.
#include <algorithm>

#include "host_vessel.h"

namespace {

AIRFOILHANDLE addAirfoil(sim::HostVessel& v, std::unique_ptr<sim::AirfoilRecord> airfoil) {
    v.airfoils.push_back(std::move(airfoil));
    return v.airfoils.back().get();
}

std::unique_ptr<sim::AirfoilRecord> airfoil(AIRFOIL_ORIENTATION align, const VECTOR3& ref, double c,
                                            double S, double A) {
    auto record = std::make_unique<sim::AirfoilRecord>();
    record->align = align;
    record->ref = ref;
    record->c = c;
    record->S = S;
    record->A = A;
    return record;
}

}  // namespace

AIRFOILHANDLE VESSEL::CreateAirfoil(AIRFOIL_ORIENTATION align, const VECTOR3& ref,
                                    AirfoilCoeffFunc cf, double c, double S, double A) const {
    auto record = airfoil(align, ref, c, S, A);
    record->function = cf;
    return addAirfoil(*vessel, std::move(record));
}

AIRFOILHANDLE VESSEL::CreateAirfoil3(AIRFOIL_ORIENTATION align, const VECTOR3& ref,
                                     AirfoilCoeffFuncEx cf, void* context, double c, double S,
                                     double A) const {
    auto record = airfoil(align, ref, c, S, A);
    record->functionEx = cf;
    record->context = context;
    return addAirfoil(*vessel, std::move(record));
}

bool VESSEL::DelAirfoil(AIRFOILHANDLE hAirfoil) const {
    return std::erase_if(vessel->airfoils, [&](const auto& a) { return a.get() == hAirfoil; }) > 0;
}

void VESSEL::ClearAirfoilDefinitions() const {
    vessel->airfoils.clear();
}

void VESSEL::CreateVariableDragElement(const double* drag, double factor,
                                       const VECTOR3& ref) const {
    vessel->dragElements.push_back({drag, factor, ref});
}

void VESSEL::ClearVariableDragElements() const {
    vessel->dragElements.clear();
}
double VESSEL::GetLift() const {
    return vessel->lift;
}
double VESSEL::GetDrag() const {
    return vessel->drag;
}
