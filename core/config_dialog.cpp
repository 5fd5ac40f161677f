// The configuration dialog's procedure. The dialog keeps no state of its own: the fairing list
// and the offset text live in the controls, the vessel in the host's dialog context.
#include "config_dialog.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "arvex.h"
#include "win_services.h"

namespace {

constexpr int kOffsetSpinLow = 0;     // [m]
constexpr int kOffsetSpinHigh = 100;  // [m]
constexpr int kNoFairingEntry = 0;
constexpr char kNoFairingText[] = "No Fairing";
// What the preferences reader yields for a missing "Name": the end of the fairing list.
constexpr char kEndOfListMarker[] = "-ERROR-";
constexpr int kFairingNameSize = 64;  // longest name 63 characters
constexpr int kSectionNameSize = 64;
constexpr int kOffsetTextSize = 64;  // "Set" reads at most 63 characters
// "%f" writes every digit of the integer part, so the largest double needs this much room.
constexpr int kOffsetFormatSize = std::numeric_limits<double>::max_exponent10 + 16;

// Entry 0 stands for no fairing and entry n for preferences section "Fairing<n>"; the numbers
// run from 1 up to the first section without a "Name".
void FillFairingList(HWND dialog, const Arvex& vessel) {
    HWND list = GetDlgItem(dialog, IDC_FAIRING_LIST);
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kNoFairingText));
    SendMessageA(list, CB_SETCURSEL, kNoFairingEntry, 0);
    for (int number = 1;; ++number) {
        char section[kSectionNameSize];
        std::snprintf(section, sizeof section, "Fairing%d", number);
        char name[kFairingNameSize];
        GetPrivateProfileStringA(section, "Name", kEndOfListMarker, name, sizeof name,
                                 vessel.prefsPath);
        if (std::strcmp(name, kEndOfListMarker) == 0) return;
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
}

void ShowLaunchOffset(HWND dialog, Arvex& vessel) {
    SendDlgItemMessageA(dialog, IDC_OFFSET_SPIN, UDM_SETRANGE32, kOffsetSpinLow, kOffsetSpinHigh);
    char text[kOffsetFormatSize];
    std::snprintf(text, sizeof text, "%f", vessel.GetLaunchOffset());
    SetWindowTextA(GetDlgItem(dialog, IDC_OFFSET_EDIT), text);
}

// "Select" always fits with force, so a jettisoned fairing can be fitted again.
void FitSelectedFairing(HWND dialog, Arvex& vessel) {
    const LRESULT entry = SendMessageA(GetDlgItem(dialog, IDC_FAIRING_LIST), CB_GETCURSEL, 0, 0);
    vessel.FitFairing(static_cast<int>(entry), true);
}

void ApplyLaunchOffset(HWND dialog, Arvex& vessel) {
    char text[kOffsetTextSize];
    GetWindowTextA(GetDlgItem(dialog, IDC_OFFSET_EDIT), text, sizeof text);
    // "nan" or "1e999" is no height: taken, it would be saved as a line the core cannot read.
    const double offset = std::atof(text);
    if (std::isfinite(offset)) vessel.SetLaunchOffset(offset);
}

INT_PTR HandleCommand(HWND dialog, Arvex& vessel, int control) {
    switch (control) {
        case IDC_DONE:
            oapiCloseDialog(dialog);
            return TRUE;
        case IDC_FAIRING_SELECT:
            FitSelectedFairing(dialog, vessel);
            return TRUE;
        case IDC_FAIRING_REFRESH:
            FillFairingList(dialog, vessel);
            return TRUE;
        case IDC_OFFSET_SET:
            ApplyLaunchOffset(dialog, vessel);
            return TRUE;
        case IDC_FAIRING_HIDE_SHOW:
            vessel.ToggleFairingVisibility();
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

INT_PTR ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    // The context arrives in lParam with WM_INITDIALOG; the host hands it out from then on.
    Arvex* vessel = static_cast<Arvex*>(message == WM_INITDIALOG ? reinterpret_cast<void*>(lParam)
                                                                 : oapiGetDialogContext(dialog));
    if (vessel == nullptr) return FALSE;
    switch (message) {
        case WM_INITDIALOG:
            ShowLaunchOffset(dialog, *vessel);
            return TRUE;
        case WM_SHOWWINDOW:
            if (wParam != TRUE) return FALSE;
            FillFairingList(dialog, *vessel);
            return TRUE;
        case WM_COMMAND:
            return HandleCommand(dialog, *vessel, LOWORD(wParam));
        case WM_NOTIFY:  // the up-down's own change of its buddy's text goes ahead
        case WM_CLOSE:
            return TRUE;
        default:
            return FALSE;
    }
}
