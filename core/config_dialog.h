// The configuration dialog of a core vessel: fairing choice, fairing-half visibility and the
// launch height offset. Opened through the host's dialog service with template
// IDD_CONFIGURATION and the vessel (Arvex*) as the dialog's context.
#pragma once

#include "dialog_resources.h"
#include "orbitersdk.h"

INT_PTR ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
