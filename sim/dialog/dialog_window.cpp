#include "dialog_window.h"

#include <cstdint>

namespace sim::dialog {

HWND newWindowHandle() {
    static std::uintptr_t lastSerial = 0;
    return reinterpret_cast<HWND>(++lastSerial);
}

DialogWindow::DialogWindow(const DialogTemplate& dialogTemplate, HINSTANCE instance,
                           DLGPROC procedure, DWORD flags, void* context)
    : handle_(newWindowHandle()),
      instance_(instance),
      resourceId_(dialogTemplate.resourceId),
      procedure_(procedure),
      flags_(flags),
      context_(context),
      title_(dialogTemplate.title != nullptr ? dialogTemplate.title : ""),
      width_(dialogTemplate.cx),
      height_(dialogTemplate.cy),
      style_(dialogTemplate.style),
      fontFace_(dialogTemplate.fontFace != nullptr ? dialogTemplate.fontFace : ""),
      fontPoints_(dialogTemplate.fontPoints) {
    for (int i = 0; i < dialogTemplate.controlCount; ++i) {
        Control* previous = controls_.empty() ? nullptr : controls_.back().get();
        controls_.push_back(
            std::make_unique<Control>(dialogTemplate.controls[i], newWindowHandle(), previous));
    }
}

INT_PTR DialogWindow::send(UINT msg, WPARAM wParam, LPARAM lParam) const {
    return procedure_(handle_, msg, wParam, lParam);
}

Control* DialogWindow::control(int id) const {
    for (const auto& c : controls_) {
        if (c->id() == id) return c.get();
    }
    return nullptr;
}

Control* DialogWindow::control(HWND handle) const {
    for (const auto& c : controls_) {
        if (c->handle() == handle) return c.get();
    }
    return nullptr;
}

}  // namespace sim::dialog
