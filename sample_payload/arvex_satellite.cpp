#include "arvex_satellite.h"

#include "orbiter_module.h"

namespace {

const char* const kMeshName = "Arvex\\Payloads\\Arvex-Satellite";
constexpr double kEmptyMass = 2800.0;                // [kg]
constexpr double kTankMass = 400.0;                  // hydrazine for station keeping [kg]
constexpr double kSize = 3.5;                        // mean radius [m]
const VECTOR3 kPMI = {{2.8, 2.8, 1.9}};              // [m^2]
const VECTOR3 kCrossSections = {{10.5, 10.5, 7.1}};  // [m^2]
// The adapter ring under the satellite by which it hangs on its carrier, nose along the
// carrier's nose.
const VECTOR3 kAdapterRingPosition = {{0.0, 0.0, -1.8}};  // [m]
const VECTOR3 kAdapterRingDirection = {{0.0, 0.0, -1.0}};
const VECTOR3 kAdapterRingRotation = {{0.0, 1.0, 0.0}};

}  // namespace

Arvex_Satellite::Arvex_Satellite(OBJHANDLE hVessel, int flightModel)
    : VESSEL3(hVessel, flightModel) {}

void Arvex_Satellite::clbkSetClassCaps(FILEHANDLE /*cfg*/) {
    SetEmptyMass(kEmptyMass);
    SetSize(kSize);
    SetPMI(kPMI);
    SetCrossSections(kCrossSections);
    CreatePropellantResource(kTankMass);
    CreateAttachment(true, kAdapterRingPosition, kAdapterRingDirection, kAdapterRingRotation,
                     "ADAPTER");
    AddMesh(kMeshName);
}

DLLCLBK VESSEL* ovcInit(OBJHANDLE hVessel, int flightModel) {
    return new Arvex_Satellite(hVessel, flightModel);
}

DLLCLBK void ovcExit(VESSEL* vessel) {
    delete static_cast<Arvex_Satellite*>(vessel);
}
