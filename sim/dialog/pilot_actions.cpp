// What the pilot does to a dialog, as tests and the program ask for it, and what the controls
// show. Each action sends the dialog the messages Windows sends for it.
#include <cstdlib>
#include <string>

#include "dialog_service.h"
#include "error.h"

namespace sim::dialog {

namespace {

std::string describe(const DialogWindow& dialog) {
    return "dialog \"" + dialog.title() + "\" (template " + std::to_string(dialog.resourceId()) +
           ")";
}

std::string describe(const DialogWindow& dialog, const Control& control) {
    return describe(dialog) + ", control " + std::to_string(control.id());
}

const ComboBox& comboBoxOf(const DialogWindow& dialog, const Control& control) {
    const ComboBox* combo = control.comboBox();
    if (combo == nullptr) throw Error(describe(dialog, control) + " is not a combo box");
    return *combo;
}

LPARAM handleParam(const Control& control) {
    return reinterpret_cast<LPARAM>(control.handle());
}

}  // namespace

std::shared_ptr<DialogWindow> DialogService::openDialog(HWND handle) const {
    std::shared_ptr<DialogWindow> found = dialog(handle);
    if (found == nullptr || found->closing()) {
        throw Error("no open dialog has window handle " +
                    std::to_string(reinterpret_cast<std::uintptr_t>(handle)));
    }
    return found;
}

Control& DialogService::controlOf(const DialogWindow& dialog, int controlId) const {
    Control* control = dialog.control(controlId);
    if (control == nullptr)
        throw Error(describe(dialog) + " has no control " + std::to_string(controlId));
    return *control;
}

INT_PTR DialogService::pressButton(HWND handle, int controlId) {
    const auto dialog = openDialog(handle);
    const Control& button = controlOf(*dialog, controlId);
    if (button.kind() != ControlKind::Button)
        throw Error(describe(*dialog, button) + " is not a button");
    return dialog->send(WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED), handleParam(button));
}

INT_PTR DialogService::closeFromCaption(HWND handle) {
    const auto dialog = openDialog(handle);
    if ((dialog->flags() & DLG_CAPTIONCLOSE) == 0) {
        throw Error(describe(*dialog) + " has no close button in its caption");
    }
    return dialog->send(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

void DialogService::typeText(HWND handle, int controlId, std::string_view text) {
    const auto dialog = openDialog(handle);
    Control& field = controlOf(*dialog, controlId);
    if (!field.takesTyping()) throw Error(describe(*dialog, field) + " takes no typing");
    field.setText(text);
    WORD notification = EN_CHANGE;
    if (ComboBox* combo = field.comboBox()) {
        combo->deselect();
        notification = CBN_EDITCHANGE;
    }
    dialog->send(WM_COMMAND, MAKEWPARAM(controlId, notification), handleParam(field));
}

void DialogService::pickComboEntry(HWND handle, int controlId, int index) {
    const auto dialog = openDialog(handle);
    Control& list = controlOf(*dialog, controlId);
    if (index < 0 || index >= static_cast<int>(comboBoxOf(*dialog, list).entries().size())) {
        throw Error(describe(*dialog, list) + " has no entry " + std::to_string(index));
    }
    list.message(CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    dialog->send(WM_COMMAND, MAKEWPARAM(controlId, CBN_SELCHANGE), handleParam(list));
}

void DialogService::clickUpDown(HWND handle, int controlId, int clicks) {
    const auto dialog = openDialog(handle);
    Control& control = controlOf(*dialog, controlId);
    UpDown* spin = control.upDown();
    if (spin == nullptr) throw Error(describe(*dialog, control) + " is not an up-down control");
    for (long long i = 0; i < std::llabs(clicks); ++i) {
        spin->takeBuddyPosition();
        NMUPDOWN change = {{control.handle(), static_cast<UINT_PTR>(controlId), UDN_DELTAPOS},
                           spin->position(),
                           spin->arrowDelta(clicks > 0)};
        dialog->send(WM_NOTIFY, static_cast<WPARAM>(controlId), reinterpret_cast<LPARAM>(&change));
        spin->step(change.iDelta);
    }
}

INT_PTR DialogService::sendNotify(HWND handle, int controlId, UINT code) {
    const auto dialog = openDialog(handle);
    const Control& control = controlOf(*dialog, controlId);
    NMHDR header = {control.handle(), static_cast<UINT_PTR>(controlId), code};
    return dialog->send(WM_NOTIFY, static_cast<WPARAM>(controlId),
                        reinterpret_cast<LPARAM>(&header));
}

INT_PTR DialogService::sendMessage(HWND handle, UINT msg, WPARAM wParam, LPARAM lParam) {
    return openDialog(handle)->send(msg, wParam, lParam);
}

std::string DialogService::controlText(HWND handle, int controlId) const {
    const auto dialog = openDialog(handle);
    return controlOf(*dialog, controlId).text();
}

std::vector<std::string> DialogService::comboEntries(HWND handle, int controlId) const {
    const auto dialog = openDialog(handle);
    return comboBoxOf(*dialog, controlOf(*dialog, controlId)).entries();
}

int DialogService::comboSelection(HWND handle, int controlId) const {
    const auto dialog = openDialog(handle);
    return comboBoxOf(*dialog, controlOf(*dialog, controlId)).selection();
}

}  // namespace sim::dialog
