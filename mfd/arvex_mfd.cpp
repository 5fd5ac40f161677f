#include "arvex_mfd.h"

#include <algorithm>

#include "mfd_state.h"

namespace {

constexpr int kColumns = 22;  // horizontal layout units across the display
constexpr int kRows = 20;     // text rows down the display
constexpr char kFontFace[] = "Fixed";

}  // namespace

Arvex_MFD::Arvex_MFD(DWORD width, DWORD height, VESSEL* vessel)
    : MFD2(width, height, vessel),
      normalFont(oapiCreateFont(static_cast<int>(width / kColumns), true, kFontFace, FONT_NORMAL)),
      underlineFont(
          oapiCreateFont(static_cast<int>(width / kColumns), true, kFontFace, FONT_UNDERLINE)) {
    MfdModuleState& state = ModuleState();
    state.ownVessel = vessel;
    state.currentPage = kSelectionPage;
    ConnectLauncher(nullptr, nullptr);
    columnUnit = static_cast<int>(width / kColumns);
    rowUnit = static_cast<int>(height / kRows);
    state.openInstances.push_back(this);
}

Arvex_MFD::~Arvex_MFD() {
    oapiReleaseFont(normalFont);
    oapiReleaseFont(underlineFont);
    auto& open = ModuleState().openInstances;
    open.erase(std::remove(open.begin(), open.end(), this), open.end());
}

void Arvex_MFD::StoreStatus() const {
    MfdModuleState& state = ModuleState();
    for (MfdStatusRecord& record : state.statusRecords) {
        if (record.vessel == state.ownVessel) {
            record.page = state.currentPage;
            record.launcher = state.launcher;
            record.launcherHandle = state.launcherHandle;
            return;
        }
    }
    state.statusRecords.push_back(
        {state.currentPage, state.ownVessel, state.launcher, state.launcherHandle});
}

void Arvex_MFD::RecallStatus() {
    MfdModuleState& state = ModuleState();
    for (const MfdStatusRecord& record : state.statusRecords) {
        if (record.vessel == state.ownVessel) {
            state.currentPage = record.page;
            ConnectLauncher(record.launcher, record.launcherHandle);
        }
    }
}

Arvex* Arvex_MFD::Launcher() {
    const int page = ModuleState().currentPage;
    Arvex* launcher = LiveLauncher();
    if (ModuleState().currentPage != page) InvalidateButtons();
    return launcher;
}

int Arvex_MFD::Columns(double units) const {
    return static_cast<int>(units * columnUnit);
}

int Arvex_MFD::Rows(double units) const {
    return static_cast<int>(units * rowUnit);
}
