// The host's dialog service: the dialogs that modules open through oapiOpenDialogEx, built
// from the modules' templates and driven through their procedures. Besides the host's own
// functions it offers tests and the program the pilot's actions on a dialog and read-outs of
// its controls.
//
// The caption's close button (a dialog opened with DLG_CAPTIONCLOSE) sends the IDCANCEL
// command, as the real host's does; the procedure decides whether the dialog closes.
// Notifications a control sends its dialog (EN_CHANGE, CBN_SELCHANGE, UDN_DELTAPOS) follow
// the pilot's actions only, not the procedure's own SetWindowTextA or CB_SETCURSEL. A dialog
// has no message result of its own, so a notification never vetoes a control's change.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dialog_window.h"
#include "simulation.h"

namespace sim::dialog {

class DialogService : public Service {
  public:
    explicit DialogService(Simulation& simulation) : simulation_(simulation) {}

    // --- the host's functions ---------------------------------------------------------------
    // oapiOpenDialogEx: null when the module has no such template (with a warning), or when
    // the same dialog is open and DLG_ALLOWMULTI is not set.
    HWND open(HINSTANCE instance, int resourceId, DLGPROC procedure, DWORD flags, void* context);
    // oapiCloseDialog: the procedure receives WM_DESTROY; false when the dialog is not open.
    bool close(HWND dialog);
    HWND find(HINSTANCE instance, int resourceId) const;
    // An open dialog, kept alive while its procedure runs even if it closes itself.
    std::shared_ptr<DialogWindow> dialog(HWND handle) const;
    // The open dialog that holds this control, or nullptr.
    std::shared_ptr<DialogWindow> dialogOfControl(HWND control) const;

    // --- what tests and the program see and do -----------------------------------------------
    std::vector<const DialogWindow*> openDialogs() const;  // in the order they were opened
    // Each action sends what Windows sends for it and returns the procedure's answer where
    // there is one. They throw sim::Error naming the dialog and control when the dialog is not
    // open or the control does not exist or does not take the action.
    INT_PTR pressButton(HWND dialog, int controlId);  // WM_COMMAND (id, BN_CLICKED)
    INT_PTR closeFromCaption(HWND dialog);            // WM_COMMAND IDCANCEL
    void typeText(HWND dialog, int controlId, std::string_view text);  // replaces the text
    void pickComboEntry(HWND dialog, int controlId, int index);
    void clickUpDown(HWND dialog, int controlId, int clicks);   // > 0 up arrow, < 0 down arrow
    INT_PTR sendNotify(HWND dialog, int controlId, UINT code);  // WM_NOTIFY with an NMHDR
    INT_PTR sendMessage(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
    std::string controlText(HWND dialog, int controlId) const;
    std::vector<std::string> comboEntries(HWND dialog, int controlId) const;
    int comboSelection(HWND dialog, int controlId) const;  // CB_ERR when none

    // --- the host's housekeeping ---------------------------------------------------------------
    // A dialog does not outlive the vessel it works on (its context).
    void vesselDeleted(HostVessel& vessel) override;
    void shutdown() override;

  private:
    std::shared_ptr<DialogWindow> openDialog(HWND handle) const;          // throws when not open
    Control& controlOf(const DialogWindow& dialog, int controlId) const;  // throws when absent
    void closeWhere(const std::function<bool(const DialogWindow&)>& matches);

    Simulation& simulation_;
    std::vector<std::shared_ptr<DialogWindow>> open_;
};

// The active simulation's dialog service, or nullptr when no simulation is active or no
// dialog was ever opened in it.
DialogService* activeDialogService();

}  // namespace sim::dialog
