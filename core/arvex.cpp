// Construction and destruction of a core vessel, and the module's entry points.
#include "arvex.h"

#include "flight_computer.h"
#include "preferences.h"

Arvex::Arvex(OBJHANDLE hVessel, int flightModel)
    : VesselWithPM<Arvex, VESSEL3>(hVessel, flightModel) {
    BuildPrefsPath(prefsPath);
    flightComputer = new FlightComputer(this);
    modulePath = "Modules\\";  // completed by clbkSetClassCaps, which the host calls next
}

Arvex::~Arvex() {
    delete flightComputer;
}

DLLCLBK void InitModule(HINSTANCE) {}

DLLCLBK VESSEL* ovcInit(OBJHANDLE hVessel, int flightModel) {
    return new Arvex(hVessel, flightModel);
}

DLLCLBK void ovcExit(VESSEL* vessel) {
    delete static_cast<Arvex*>(vessel);
}

DLLCLBK void secInit(HWND editor, OBJHANDLE vessel) {
    PayloadManager::DefineScenarioEditorPage(editor, vessel);
}
