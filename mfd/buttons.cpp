// The mode's twelve buttons: labels, menus and actions of both pages, and the handlers of the
// input boxes the buttons open.
#include <cmath>
#include <cstdlib>
#include <optional>

#include "arvex.h"
#include "arvex_mfd.h"
#include "launcher_selection.h"
#include "mfd_state.h"

namespace {

constexpr int kButtons = 12;
constexpr int kInputBoxWidth = 20;  // visible characters
constexpr double kMetresPerKilometre = 1000.0;

// Flight-data page.
constexpr int kPayloadButton = 0;
constexpr int kApogeeButton = 2;
constexpr int kHeadingButton = 3;
constexpr int kLaunchButton = 5;
constexpr int kFairingButton = 7;
constexpr int kSelectButton = 11;

// Selection page: buttons 0-4 and 6-9 connect the list entry of their number.
constexpr int kLastLeftEntryButton = 4;
constexpr int kNameButton = 5;
constexpr int kFirstRightEntryButton = 6;
constexpr int kLastRightEntryButton = 9;
constexpr int kRebuildButton = 10;
constexpr int kReturnButton = 11;

const char* const kFlightDataLabels[kButtons] = {"PLD", "",    "APA", "HDG", "", "LCH",
                                                 "",    "FIR", "",    "",    "", "SEL"};
const char* const kSelectionLabels[kButtons] = {">>", ">>", ">>", ">>", ">>", "ENT",
                                                "<<", "<<", "<<", "<<", "<<", "RTN"};

const MFDBUTTONMENU kFlightDataMenu[kButtons] = {{"Seperate payload", nullptr, 0},
                                                 {"", nullptr, 0},
                                                 {"Set Apogee", nullptr, 0},
                                                 {"Set Heading", nullptr, 0},
                                                 {"", nullptr, 0},
                                                 {"Launch AP", nullptr, 0},
                                                 {"", nullptr, 0},
                                                 {"Seperate fairing", nullptr, 0},
                                                 {"", nullptr, 0},
                                                 {"", nullptr, 0},
                                                 {"", nullptr, 0},
                                                 {"Select Vehicle", nullptr, 0}};
const MFDBUTTONMENU kSelectionMenu[kButtons] = {
    {"Select", nullptr, 0}, {"Select", nullptr, 0}, {"Select", nullptr, 0},
    {"Select", nullptr, 0}, {"Select", nullptr, 0}, {"Select", nullptr, 0},
    {"Select", nullptr, 0}, {"Select", nullptr, 0}, {"Select", nullptr, 0},
    {"Select", nullptr, 0}, {"Select", nullptr, 0}, {"Previous page", nullptr, 0}};

bool IsLauncherCommand(int button) {
    return button == kPayloadButton || button == kApogeeButton || button == kHeadingButton ||
           button == kLaunchButton || button == kFairingButton;
}

bool IsListEntryButton(int button) {
    return (button >= 0 && button <= kLastLeftEntryButton) ||
           (button >= kFirstRightEntryButton && button <= kLastRightEntryButton);
}

// The number a target box's text starts with, as C's atof reads it. Text without a number, or
// with an infinite or undefined one, gives none: the box then stays open for a correction
// instead of setting a target of 0.
std::optional<double> EnteredNumber(const char* text) {
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    if (end == text || !std::isfinite(value)) return std::nullopt;
    return value;
}

// The pilot types kilometres; the flight computer keeps metres.
bool ApogeeEntered(void*, char* text, void*) {
    const std::optional<double> kilometres = EnteredNumber(text);
    if (!kilometres) return false;
    if (Arvex* launcher = LiveLauncher())
        launcher->SetTargetApoapsis(*kilometres * kMetresPerKilometre);
    return true;
}

bool HeadingEntered(void*, char* text, void*) {
    const std::optional<double> degrees = EnteredNumber(text);
    if (!degrees) return false;
    if (Arvex* launcher = LiveLauncher()) launcher->SetTargetHeading(*degrees);
    return true;
}

}  // namespace

char* Arvex_MFD::ButtonLabel(int button) {
    if (button < 0 || button >= kButtons) return nullptr;
    const int page = ModuleState().currentPage;
    // The host's interface hands labels out as char*; it only reads them.
    if (page == kFlightDataPage) return const_cast<char*>(kFlightDataLabels[button]);
    if (page == kSelectionPage) return const_cast<char*>(kSelectionLabels[button]);
    return nullptr;
}

int Arvex_MFD::ButtonMenu(const MFDBUTTONMENU** menu) const {
    const int page = ModuleState().currentPage;
    if (menu != nullptr && page == kFlightDataPage) *menu = kFlightDataMenu;
    if (menu != nullptr && page == kSelectionPage) *menu = kSelectionMenu;
    return kButtons;
}

bool Arvex_MFD::ConsumeButton(int button, int event) {
    if (!(event & PANEL_MOUSE_LBDOWN)) return false;
    switch (ModuleState().currentPage) {
        case kFlightDataPage:
            return ConsumeFlightDataButton(button);
        case kSelectionPage:
            return ConsumeSelectionButton(button);
        default:
            return false;
    }
}

void Arvex_MFD::ShowSelectionPage() {
    ModuleState().currentPage = kSelectionPage;
    InvalidateButtons();
    InvalidateDisplay();
}

bool Arvex_MFD::ConsumeFlightDataButton(int button) {
    if (button == kSelectButton) {
        ShowSelectionPage();
        return true;
    }
    if (!IsLauncherCommand(button)) return false;
    Arvex* launcher = Launcher();
    if (launcher == nullptr) {
        // The page can be reached without a launcher; a command then takes the pilot to the
        // selection page, which the display already shows, to pick one.
        ShowSelectionPage();
        return true;
    }
    switch (button) {
        case kPayloadButton:
            launcher->DetachLastPayload();
            return false;
        case kApogeeButton:
            oapiOpenInputBox("Target Apogee (KM):", ApogeeEntered, nullptr, kInputBoxWidth, this);
            return false;
        case kHeadingButton:
            oapiOpenInputBox("Target Heading:", HeadingEntered, nullptr, kInputBoxWidth, this);
            return false;
        case kLaunchButton:
            launcher->ToggleAutopilot();
            InvalidateDisplay();
            return true;
        default:  // kFairingButton
            launcher->JettisonFairing();
            return true;
    }
}

bool Arvex_MFD::ConsumeSelectionButton(int button) {
    if (IsListEntryButton(button)) return ConnectListEntry(button);
    switch (button) {
        case kNameButton:
            oapiOpenInputBox("Launcher Name:", LauncherNameEntered, nullptr, kInputBoxWidth, this);
            return false;
        case kRebuildButton:
            RebuildLauncherList();
            return true;
        case kReturnButton:
            ModuleState().currentPage = kFlightDataPage;
            InvalidateButtons();
            return true;
        default:
            return false;
    }
}

bool Arvex_MFD::ConnectListEntry(int index) {
    MfdModuleState& state = ModuleState();
    if (index >= static_cast<int>(state.launcherNames.size())) return false;
    // The name is looked up again, and the vessel that now carries it must still be a core
    // vessel: it may have been replaced since the list was made.
    const OBJHANDLE vessel =
        oapiGetVesselByName(state.launcherNames[static_cast<std::size_t>(index)].c_str());
    ConnectLauncher(AsLauncher(vessel), vessel);
    state.currentPage = kFlightDataPage;
    InvalidateButtons();
    InvalidateDisplay();
    return true;
}
