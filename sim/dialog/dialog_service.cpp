#include "dialog_service.h"

#include <algorithm>

#include "host_vessel.h"
#include "module_library.h"
#include "module_registry.h"

namespace sim::dialog {

namespace {

const DialogTemplate* findTemplate(HINSTANCE instance, int resourceId) {
    const auto resources = reinterpret_cast<const DialogTemplate* const*>(
        GetProcAddress(instance, DIALOG_RESOURCES_SYMBOL));
    for (auto entry = resources; entry != nullptr && *entry != nullptr; ++entry) {
        if ((*entry)->resourceId == resourceId) return *entry;
    }
    return nullptr;
}

std::string templateName(const ModuleRegistry& modules, HINSTANCE instance, int resourceId) {
    const ModuleLibrary* module = modules.find(instance);
    return "dialog template " + std::to_string(resourceId) + " of " +
           (module != nullptr ? "module " + module->path().string() : "an unknown module");
}

// Windows gives the dialog's first tab stop the keyboard focus, and names it in WM_INITDIALOG.
HWND firstTabStop(const DialogWindow& dialog) {
    for (const auto& control : dialog.controls()) {
        if ((control->style() & WS_TABSTOP) != 0) return control->handle();
    }
    return nullptr;
}

}  // namespace

HWND DialogService::open(HINSTANCE instance, int resourceId, DLGPROC procedure, DWORD flags,
                         void* context) {
    const DialogTemplate* found = findTemplate(instance, resourceId);
    if (found == nullptr || procedure == nullptr) {
        simulation_.warn(
            "oapiOpenDialogEx: " + templateName(simulation_.modules(), instance, resourceId) +
            (found == nullptr ? " does not exist" : ": no dialog procedure given"));
        return nullptr;
    }
    if ((flags & DLG_ALLOWMULTI) == 0 && find(instance, resourceId) != nullptr) return nullptr;

    auto dialog = std::make_shared<DialogWindow>(*found, instance, procedure, flags, context);
    open_.push_back(dialog);
    dialog->send(WM_INITDIALOG, reinterpret_cast<WPARAM>(firstTabStop(*dialog)),
                 reinterpret_cast<LPARAM>(context));
    if (dialog->closing()) return nullptr;  // the procedure refused to open
    dialog->publishContext();
    dialog->send(WM_SHOWWINDOW, TRUE, 0);
    return dialog->handle();
}

bool DialogService::close(HWND handle) {
    const std::shared_ptr<DialogWindow> dialog = this->dialog(handle);
    if (dialog == nullptr || dialog->closing()) return false;
    dialog->markClosing();
    // As DestroyWindow: the dialog and its controls still answer while WM_DESTROY is handled.
    dialog->send(WM_DESTROY, 0, 0);
    std::erase(open_, dialog);
    return true;
}

HWND DialogService::find(HINSTANCE instance, int resourceId) const {
    for (const auto& dialog : open_) {
        if (!dialog->closing() && dialog->instance() == instance &&
            dialog->resourceId() == resourceId) {
            return dialog->handle();
        }
    }
    return nullptr;
}

std::shared_ptr<DialogWindow> DialogService::dialog(HWND handle) const {
    for (const auto& dialog : open_) {
        if (dialog->handle() == handle) return dialog;
    }
    return nullptr;
}

std::shared_ptr<DialogWindow> DialogService::dialogOfControl(HWND control) const {
    for (const auto& dialog : open_) {
        if (dialog->control(control) != nullptr) return dialog;
    }
    return nullptr;
}

std::vector<const DialogWindow*> DialogService::openDialogs() const {
    std::vector<const DialogWindow*> result;
    for (const auto& dialog : open_) {
        if (!dialog->closing()) result.push_back(dialog.get());
    }
    return result;
}

void DialogService::vesselDeleted(HostVessel& vessel) {
    if (vessel.iface == nullptr) return;
    // A module hands its own object as the context; its address is that of the whole object,
    // which differs from the VESSEL part's when the host's VESSEL base sits behind a vtable.
    const VESSEL2* callbacks = vessel.callbacks();
    const void* object = callbacks != nullptr ? dynamic_cast<const void*>(callbacks) : vessel.iface;
    closeWhere([&](const DialogWindow& dialog) {
        return dialog.context() == object || dialog.context() == vessel.iface;
    });
}

void DialogService::shutdown() {
    closeWhere([](const DialogWindow&) { return true; });
}

void DialogService::closeWhere(const std::function<bool(const DialogWindow&)>& matches) {
    // Closing runs procedures, which may close other dialogs: take the handles first.
    std::vector<HWND> doomed;
    for (const auto& dialog : open_) {
        if (matches(*dialog)) doomed.push_back(dialog->handle());
    }
    for (HWND handle : doomed) close(handle);
}

DialogService* activeDialogService() {
    Simulation* simulation = Simulation::current();
    return simulation != nullptr ? simulation->existingService<DialogService>() : nullptr;
}

}  // namespace sim::dialog
