// The Arvex-EDS module's entry points.
#include "eds.h"
#include "orbiter_module.h"

DLLCLBK void InitModule(HINSTANCE) {}

DLLCLBK VESSEL* ovcInit(OBJHANDLE hVessel, int flightModel) {
    return new EDS(hVessel, flightModel);
}

DLLCLBK void ovcExit(VESSEL* vessel) {
    delete static_cast<EDS*>(vessel);
}

DLLCLBK void secInit(HWND hEditor, OBJHANDLE hVessel) {
    PayloadManager::DefineScenarioEditorPage(hEditor, hVessel);
}
