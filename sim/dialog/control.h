// One control of an open dialog, built from its template entry: its window text and, for a
// combo box or an up-down control, the state behind the control's messages.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "combo_box.h"
#include "up_down.h"
#include "win_services.h"

namespace sim::dialog {

struct Rect {
    int x, y, width, height;  // [dialog units]
};

enum class ControlKind { Button, GroupBox, Edit, Static, ComboBox, UpDown, Other };

class Control {
  public:
    // `previous` is the control before this one in template order (an up-down's automatic buddy).
    Control(const DialogControlTemplate& entry, HWND handle, Control* previous);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    HWND handle() const { return handle_; }
    int id() const { return id_; }
    ControlKind kind() const { return kind_; }
    const std::string& className() const { return className_; }
    DWORD style() const { return style_; }
    const Rect& rect() const { return rect_; }
    const std::string& text() const { return text_; }
    void setText(std::string_view text) { text_ = text; }

    // Whether the pilot can type into it: an edit control or a combo box with an edit field.
    bool takesTyping() const;

    LRESULT message(UINT msg, WPARAM wParam, LPARAM lParam);

    // Null unless the control is of that kind.
    ComboBox* comboBox() { return std::get_if<ComboBox>(&behaviour_); }
    const ComboBox* comboBox() const { return std::get_if<ComboBox>(&behaviour_); }
    UpDown* upDown() { return std::get_if<UpDown>(&behaviour_); }

  private:
    HWND handle_;
    int id_;
    std::string className_;
    ControlKind kind_;
    DWORD style_;
    Rect rect_;
    std::string text_;
    std::variant<std::monostate, ComboBox, UpDown> behaviour_;
};

}  // namespace sim::dialog
