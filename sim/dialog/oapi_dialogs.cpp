// The host's dialog functions, over the active simulation's dialog service.
#include "dialog_service.h"
#include "orbiter_api.h"

using sim::dialog::activeDialogService;

HWND oapiOpenDialogEx(HINSTANCE hDLLInst, int resourceId, DLGPROC msgProc, DWORD flag,
                      void* context) {
    sim::Simulation* simulation = sim::Simulation::current();
    if (simulation == nullptr) return nullptr;
    return simulation->service<sim::dialog::DialogService>().open(hDLLInst, resourceId, msgProc,
                                                                  flag, context);
}

HWND oapiOpenDialog(HINSTANCE hDLLInst, int resourceId, DLGPROC msgProc, void* context) {
    return oapiOpenDialogEx(hDLLInst, resourceId, msgProc, 0, context);
}

void* oapiGetDialogContext(HWND hDlg) {
    const auto* service = activeDialogService();
    const auto dialog = service != nullptr ? service->dialog(hDlg) : nullptr;
    return dialog != nullptr ? dialog->publishedContext() : nullptr;
}

bool oapiCloseDialog(HWND hDlg) {
    auto* service = activeDialogService();
    return service != nullptr && service->close(hDlg);
}

HWND oapiFindDialog(HINSTANCE hDLLInst, int resourceId) {
    const auto* service = activeDialogService();
    return service != nullptr ? service->find(hDLLInst, resourceId) : nullptr;
}
