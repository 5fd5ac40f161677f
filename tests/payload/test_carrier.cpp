#include "test_carrier.h"

using namespace test_carrier;

PayloadTestCarrier::PayloadTestCarrier(OBJHANDLE hVessel, int flightModel)
    : VesselWithPM(hVessel, flightModel) {}

void PayloadTestCarrier::clbkSetClassCaps(FILEHANDLE /*cfg*/) {
    SetEmptyMass(kEmptyMass);
    PayloadManager::VehicleEmptyMassWasChanged(this);
    PayloadManager::SetVehiclePMI(this, kPMI);
    PayloadManager::SetVehicleCS(this, kCrossSections, kInLineAxes);
    PayloadManager::SetDefaultAttachmentParams(this, kAttachmentPosition, kAttachmentDirection,
                                               kAttachmentRotation);
    PayloadManager::SetDetachSpeed(this, kDetachSpeed);
    PayloadManager::SetDetachInterval(this, kDetachInterval);
    PayloadManager::SetSendFocus(this, false);
    PayloadManager::SetMaximumPayloadsNumber(this, kMaximumPayloads);
    PayloadManager::SetCapsRefreshPeriod(this, kCapsRefreshPeriod);
}

void PayloadTestCarrier::clbkLoadStateEx(FILEHANDLE scn, void* status) {
    char* line;
    while (oapiReadScenario_nextline(scn, line)) {
        PayloadManager::loadState(this, line);
        ParseScenarioLineEx(line, status);
    }
}

DLLCLBK VESSEL* ovcInit(OBJHANDLE hVessel, int flightModel) {
    return new PayloadTestCarrier(hVessel, flightModel);
}

DLLCLBK void ovcExit(VESSEL* vessel) {
    delete static_cast<PayloadTestCarrier*>(vessel);
}
