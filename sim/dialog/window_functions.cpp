// The Windows window functions that dialog procedures call, over the open dialogs of the active
// simulation. A handle that names no open dialog or control does nothing and answers 0.
#include <algorithm>
#include <cstring>
#include <string>

#include "dialog_service.h"
#include "win_services.h"

using sim::dialog::activeDialogService;

HWND GetDlgItem(HWND hDlg, int nIDDlgItem) {
    const auto* service = activeDialogService();
    const auto dialog = service != nullptr ? service->dialog(hDlg) : nullptr;
    const sim::dialog::Control* control = dialog != nullptr ? dialog->control(nIDDlgItem) : nullptr;
    return control != nullptr ? control->handle() : nullptr;
}

LRESULT SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    const auto* service = activeDialogService();
    if (service == nullptr) return 0;
    if (const auto dialog = service->dialog(hWnd)) return dialog->send(Msg, wParam, lParam);
    if (const auto dialog = service->dialogOfControl(hWnd)) {
        return dialog->control(hWnd)->message(Msg, wParam, lParam);
    }
    return 0;
}

LRESULT SendDlgItemMessageA(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return SendMessageA(GetDlgItem(hDlg, nIDDlgItem), Msg, wParam, lParam);
}

BOOL SetWindowTextA(HWND hWnd, const char* lpString) {
    const auto* service = activeDialogService();
    if (service == nullptr) return FALSE;
    const char* text = lpString != nullptr ? lpString : "";
    if (const auto dialog = service->dialog(hWnd)) {
        dialog->setTitle(text);
        return TRUE;
    }
    if (const auto dialog = service->dialogOfControl(hWnd)) {
        dialog->control(hWnd)->setText(text);
        return TRUE;
    }
    return FALSE;
}

// Copies at most nMaxCount - 1 characters and a terminator; answers the number copied.
int GetWindowTextA(HWND hWnd, char* lpString, int nMaxCount) {
    if (lpString == nullptr || nMaxCount <= 0) return 0;
    std::string text;
    if (const auto* service = activeDialogService()) {
        if (const auto dialog = service->dialog(hWnd)) {
            text = dialog->title();
        } else if (const auto owner = service->dialogOfControl(hWnd)) {
            text = owner->control(hWnd)->text();
        }
    }
    const std::size_t copied = std::min(text.size(), static_cast<std::size_t>(nMaxCount) - 1);
    std::memcpy(lpString, text.data(), copied);
    lpString[copied] = '\0';
    return static_cast<int>(copied);
}
