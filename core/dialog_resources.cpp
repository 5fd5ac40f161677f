// The core module's dialog templates, published to the host as the module's dialog resources.
#include "dialog_resources.h"

#include <iterator>

namespace {

constexpr DWORD kPushButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kGroupBox = WS_VISIBLE | BS_GROUPBOX;

// In template order: the up-down's buddy is the control just before it.
constexpr DialogControlTemplate kConfigurationControls[] = {
    {IDC_DONE, WC_BUTTON, "Done", 36, 148, 50, 14, kPushButton},
    {IDC_FAIRING_SELECT, WC_BUTTON, "Select", 10, 32, 50, 14, kPushButton},
    {IDC_FAIRING_LIST, WC_COMBOBOX, "", 18, 14, 96, 30,
     WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN},
    {IDC_FAIRING_REFRESH, WC_BUTTON, "Refresh", 70, 32, 50, 14, kPushButton},
    {IDC_STATIC, WC_BUTTON, "Fairing", 0, 2, 124, 76, kGroupBox},
    {IDC_STATIC, WC_BUTTON, "Parameters", 0, 78, 124, 90, kGroupBox},
    {IDC_OFFSET_EDIT, WC_EDIT, "", 36, 102, 42, 14,
     WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
    {IDC_OFFSET_SPIN, UPDOWN_CLASS, "", 78, 102, 11, 14,
     WS_VISIBLE | UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_HOTTRACK},
    {IDC_OFFSET_SET, WC_BUTTON, "Set", 36, 120, 50, 14, kPushButton},
    {IDC_OFFSET_LABEL, WC_STATIC, "Offset above ground", 30, 90, 68, 8, WS_VISIBLE | SS_LEFT},
    {IDC_FAIRING_HIDE_SHOW, WC_BUTTON, "Hide / Show", 36, 54, 50, 14, kPushButton},
};

constexpr DialogTemplate kConfigurationDialog = {
    IDD_CONFIGURATION,
    "Configuration",
    129,
    176,
    WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS,
    "MS Shell Dlg",
    8,
    kConfigurationControls,
    static_cast<int>(std::size(kConfigurationControls)),
};

}  // namespace

DLLCLBK const DialogTemplate* const DialogResources[] = {&kConfigurationDialog, nullptr};
