// An open dialog: the window built from a module's template, its controls, and the module's
// procedure that receives the dialog's messages.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "control.h"
#include "orbiter_api.h"
#include "win_services.h"

namespace sim::dialog {

// Window handles are serial numbers, never reused, so a stale handle names no window.
HWND newWindowHandle();

class DialogWindow {
  public:
    DialogWindow(const DialogTemplate& dialogTemplate, HINSTANCE instance, DLGPROC procedure,
                 DWORD flags, void* context);
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    HWND handle() const { return handle_; }
    HINSTANCE instance() const { return instance_; }
    int resourceId() const { return resourceId_; }
    DWORD flags() const { return flags_; }
    const std::string& title() const { return title_; }
    void setTitle(std::string_view title) { title_ = title; }
    int width() const { return width_; }    // [dialog units]
    int height() const { return height_; }  // [dialog units]
    DWORD style() const { return style_; }
    const std::string& fontFace() const { return fontFace_; }
    int fontPoints() const { return fontPoints_; }

    // The context the dialog was opened with, whether or not it is handed out yet.
    void* context() const { return context_; }
    // What oapiGetDialogContext hands out: nothing until WM_INITDIALOG has been answered.
    void* publishedContext() const { return contextPublished_ ? context_ : nullptr; }
    void publishContext() { contextPublished_ = true; }

    // Closing: set once the host starts closing the dialog.
    bool closing() const { return closing_; }
    void markClosing() { closing_ = true; }

    // The procedure's answer to the message (true when it handled it).
    INT_PTR send(UINT msg, WPARAM wParam, LPARAM lParam) const;

    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    Control* control(int id) const;       // the first with that identifier, or nullptr
    Control* control(HWND handle) const;  // or nullptr

  private:
    HWND handle_;
    HINSTANCE instance_;
    int resourceId_;
    DLGPROC procedure_;
    DWORD flags_;
    void* context_;
    bool contextPublished_ = false;
    bool closing_ = false;
    std::string title_;
    int width_;
    int height_;
    DWORD style_;
    std::string fontFace_;
    int fontPoints_;
    std::vector<std::unique_ptr<Control>> controls_;
};

}  // namespace sim::dialog
