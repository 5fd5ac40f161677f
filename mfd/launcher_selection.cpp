#include "launcher_selection.h"

#include "arvex.h"
#include "arvex_mfd.h"
#include "mfd_state.h"

namespace {

constexpr int kCoreProbeMessage = 13097;  // answered non-zero by core vessels only
constexpr int kVessel3Version = 2;        // interface level of VESSEL3

}  // namespace

Arvex* AsLauncher(OBJHANDLE vessel) {
    if (vessel == nullptr) return nullptr;
    VESSEL* candidate = oapiGetVesselInterface(vessel);
    if (candidate == nullptr || candidate->Version() != kVessel3Version) return nullptr;
    auto* vessel3 = static_cast<VESSEL3*>(candidate);
    if (vessel3->clbkGeneric(kCoreProbeMessage, 0, nullptr) == 0) return nullptr;
    return static_cast<Arvex*>(vessel3);
}

void RebuildLauncherList() {
    std::vector<std::string>& names = ModuleState().launcherNames;
    names.clear();
    // The count is asked again after every vessel, as a probe may change the vessel list.
    for (DWORD i = 0; i < oapiGetVesselCount(); ++i) {
        if (Arvex* launcher = AsLauncher(oapiGetVesselByIndex(static_cast<int>(i)))) {
            names.emplace_back(launcher->GetName());
        }
    }
}

bool LauncherNameEntered(void*, char* text, void* userData) {
    const OBJHANDLE vessel = oapiGetVesselByName(text);
    Arvex* launcher = AsLauncher(vessel);
    if (launcher == nullptr) return true;
    ConnectLauncher(launcher, vessel);
    ModuleState().currentPage = kSelectionPage;
    if (Arvex_MFD* instance = OpenInstance(userData)) {
        instance->InvalidateButtons();
        instance->InvalidateDisplay();
    }
    return true;
}
