#include <iterator>

#include "probe_dialog.h"

namespace {

HINSTANCE g_instance = nullptr;
std::vector<probe::Received> g_log;

constexpr DWORD kTabStop = WS_VISIBLE | WS_TABSTOP;

constexpr DialogControlTemplate kControls[] = {
    {probe::kFrame, WC_BUTTON, "Frame", 0, 0, 100, 100, WS_VISIBLE | BS_GROUPBOX},
    {probe::kButton, WC_BUTTON, "Go", 5, 5, 40, 14, kTabStop | BS_PUSHBUTTON},
    {probe::kEdit, WC_EDIT, "", 5, 25, 30, 14, kTabStop | WS_BORDER},
    {probe::kSpin, UPDOWN_CLASS, "", 35, 25, 10, 14, WS_VISIBLE | UDS_AUTOBUDDY | UDS_SETBUDDYINT},
    {probe::kCombo, WC_COMBOBOX, "", 5, 45, 60, 40, kTabStop | CBS_DROPDOWN},
    {probe::kDropDownList, WC_COMBOBOX, "", 5, 65, 60, 40, kTabStop | CBS_DROPDOWNLIST},
    {probe::kLabel, WC_STATIC, "Label", 5, 85, 60, 8, WS_VISIBLE | SS_LEFT},
};

constexpr DialogTemplate kProbe = {probe::kDialogId,
                                   "Probe",
                                   100,
                                   100,
                                   WS_POPUP | WS_CAPTION,
                                   "MS Shell Dlg",
                                   8,
                                   kControls,
                                   static_cast<int>(std::size(kControls))};

INT_PTR ProbeProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    probe::Received received = {msg, wParam, lParam, oapiGetDialogContext(dialog), {}};
    if (msg == WM_NOTIFY &&
        reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(UDN_DELTAPOS)) {
        received.change = *reinterpret_cast<const NMUPDOWN*>(lParam);
    }
    g_log.push_back(received);
    if (msg == WM_COMMAND && LOWORD(wParam) == IDCANCEL) oapiCloseDialog(dialog);
    return TRUE;
}

}  // namespace

DLLCLBK const DialogTemplate* const DialogResources[] = {&kProbe, nullptr};

DLLCLBK void InitModule(HINSTANCE instance) {
    g_instance = instance;
}

DLLCLBK HWND OpenProbeDialog(int resourceId, DWORD flags, void* context) {
    return oapiOpenDialogEx(g_instance, resourceId, ProbeProc, flags, context);
}

DLLCLBK std::vector<probe::Received>& ProbeLog() {
    return g_log;
}
