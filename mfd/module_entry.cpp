// Entry points of the Arvex_MFD plug-in: registration of the "Tessaron control" mode and the
// message procedure through which the host makes an instance for each MFD that shows it.
#include "arvex_mfd.h"
#include "mfd_state.h"
#include "orbiter_module.h"

namespace {

char kModeName[] = "Tessaron control";

OAPI_MSGTYPE MsgProc(UINT msg, UINT, WPARAM wparam, LPARAM lparam) {
    if (msg != OAPI_MSG_MFD_OPENED) return 0;
    auto* mfd = new Arvex_MFD(LOWORD(wparam), HIWORD(wparam), reinterpret_cast<VESSEL*>(lparam));
    return reinterpret_cast<OAPI_MSGTYPE>(mfd);
}

}  // namespace

// Payload vessels that carry this flag take XR vessel control commands from a carrier.
extern "C" {
__attribute__((visibility("default"))) bool XRVesselCtrlFlag = true;
}

DLLCLBK void InitModule(HINSTANCE) {
    MFDMODESPECEX spec;
    spec.name = kModeName;
    spec.key = OAPI_KEY_Q;
    spec.context = nullptr;
    spec.msgproc = MsgProc;
    ModuleState().modeId = oapiRegisterMFDMode(spec);
}

DLLCLBK void ExitModule(HINSTANCE) {
    oapiUnregisterMFDMode(ModuleState().modeId);
}
