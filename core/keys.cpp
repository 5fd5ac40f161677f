// The pilot's keyboard commands of the core vessel and the cockpit camera direction.
#include "arvex.h"
#include "config_dialog.h"
#include "win_services.h"

namespace {

// Looks along +z (the nose) or -z from the cockpit.
void PointCockpitCamera(Arvex& v, bool forward) {
    v.SetCameraDefaultDirection(_V(0.0, 0.0, forward ? 1.0 : -1.0));
    oapiCameraSetCockpitDir(0.0, 0.0, false);
}

void FlipCockpitCamera(Arvex& v) {
    const bool forward = v.cameraForward != 1;
    PointCockpitCamera(v, forward);
    v.cameraForward = forward ? 1 : 0;
}

void OpenConfigurationDialog(Arvex& v) {
    oapiOpenDialogEx(GetModuleHandleA(Arvex::modulePath.c_str()), IDD_CONFIGURATION,
                     ConfigDialogProc, DLG_CAPTIONCLOSE, &v);
}

}  // namespace

int Arvex::clbkConsumeBufferedKey(DWORD key, bool down, char* kstate) {
    if (!down) return 0;
    const bool ctrl = KEYMOD_CONTROL(kstate);
    const bool alt = KEYMOD_ALT(kstate);
    switch (key) {
        case OAPI_KEY_J:
            if (ctrl)
                DetachLastPayload();
            else
                SeparateBoosters();  // does nothing once they are gone
            return 1;
        case OAPI_KEY_C:
            if (ctrl || !oapiCameraInternal()) return 0;
            FlipCockpitCamera(*this);
            return 1;
        case OAPI_KEY_K:
            if (ctrl) return 0;
            JettisonFairing();
            return 1;
        case OAPI_KEY_L:
            if (!ctrl || alt) return 0;
            ToggleAutopilot();
            return 1;
        case OAPI_KEY_SPACE:
            // The dialog opens, yet the key is left to the host.
            if (ctrl && !alt) OpenConfigurationDialog(*this);
            return 0;
        default:
            return 0;
    }
}

bool Arvex::clbkLoadGenericCockpit() {
    PointCockpitCamera(*this, cameraForward != 0);
    return true;
}
