#include "mfd_state.h"

#include <algorithm>

MfdModuleState& ModuleState() {
    static MfdModuleState state;
    return state;
}

Arvex* LiveLauncher() {
    MfdModuleState& state = ModuleState();
    if (state.launcher != nullptr && !oapiIsVessel(state.launcherHandle)) {
        state.launcher = nullptr;
        state.launcherHandle = nullptr;
        state.launcherLost = true;
        state.currentPage = kSelectionPage;
    }
    return state.launcher;
}

void ConnectLauncher(Arvex* launcher, OBJHANDLE handle) {
    MfdModuleState& state = ModuleState();
    state.launcher = launcher;
    state.launcherHandle = launcher != nullptr ? handle : nullptr;
    state.launcherLost = false;
}

Arvex_MFD* OpenInstance(void* candidate) {
    const auto& open = ModuleState().openInstances;
    const auto found = std::find(open.begin(), open.end(), candidate);
    return found != open.end() ? *found : nullptr;
}
