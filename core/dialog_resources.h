// Identifiers of the core module's dialog resources: the configuration dialog's template and
// its controls, shared by the template data and the dialog procedure.
#pragma once

#include "win_services.h"

inline constexpr int IDD_CONFIGURATION = 102;

inline constexpr int IDC_DONE = IDCANCEL;  // the caption's close button sends the same command
inline constexpr int IDC_FAIRING_SELECT = 1023;
inline constexpr int IDC_FAIRING_LIST = 1021;
inline constexpr int IDC_FAIRING_REFRESH = 1024;
inline constexpr int IDC_OFFSET_EDIT = 1027;
inline constexpr int IDC_OFFSET_SPIN = 1015;
inline constexpr int IDC_OFFSET_SET = 1025;
inline constexpr int IDC_OFFSET_LABEL = 1026;
inline constexpr int IDC_FAIRING_HIDE_SHOW = 1028;
inline constexpr int IDC_STATIC = -1;

// The module's dialog templates, found by the host through the module's handle.
DLLCLBK const DialogTemplate* const DialogResources[];
