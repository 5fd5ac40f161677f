// A test module with one dialog template holding a control of every kind, and a procedure that
// records every message it receives together with the context the host hands out meanwhile.
#pragma once

#include <vector>

#include "orbitersdk.h"
#include "win_services.h"

namespace probe {

inline constexpr int kDialogId = 7;
inline constexpr int kButton = 10;
inline constexpr int kEdit = 11;
inline constexpr int kSpin = 12;  // buddy: kEdit
inline constexpr int kCombo = 13;
inline constexpr int kDropDownList = 14;
inline constexpr int kLabel = 15;
inline constexpr int kFrame = -1;

struct Received {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    void* context;    // oapiGetDialogContext while the message was handled
    NMUPDOWN change;  // the up-down notification, for WM_NOTIFY with UDN_DELTAPOS
};

// Exported by the module: opens dialog `resourceId` of the module with the probe procedure,
// which closes the dialog on IDCANCEL and answers TRUE to everything.
using OpenFunction = HWND (*)(int resourceId, DWORD flags, void* context);
using LogFunction = std::vector<Received>& (*)();

}  // namespace probe
