#include "control.h"

#include "text.h"

namespace sim::dialog {

namespace {

constexpr DWORD kButtonTypeMask = 0x0000000F;
constexpr DWORD kComboTypeMask = 0x00000003;

ControlKind kindOf(std::string_view className, DWORD style) {
    if (text::equalsNoCase(className, WC_BUTTON)) {
        return (style & kButtonTypeMask) == BS_GROUPBOX ? ControlKind::GroupBox
                                                        : ControlKind::Button;
    }
    if (text::equalsNoCase(className, WC_EDIT)) return ControlKind::Edit;
    if (text::equalsNoCase(className, WC_STATIC)) return ControlKind::Static;
    if (text::equalsNoCase(className, WC_COMBOBOX)) return ControlKind::ComboBox;
    if (text::equalsNoCase(className, UPDOWN_CLASS)) return ControlKind::UpDown;
    return ControlKind::Other;
}

}  // namespace

Control::Control(const DialogControlTemplate& entry, HWND handle, Control* previous)
    : handle_(handle),
      id_(entry.id),
      className_(entry.className != nullptr ? entry.className : ""),
      kind_(kindOf(className_, entry.style)),
      style_(entry.style),
      rect_{entry.x, entry.y, entry.cx, entry.cy},
      text_(entry.text != nullptr ? entry.text : "") {
    if (kind_ == ControlKind::ComboBox) behaviour_.emplace<ComboBox>();
    if (kind_ == ControlKind::UpDown) {
        behaviour_.emplace<UpDown>(style_, (style_ & UDS_AUTOBUDDY) != 0 ? previous : nullptr);
    }
}

bool Control::takesTyping() const {
    return kind_ == ControlKind::Edit ||
           (kind_ == ControlKind::ComboBox && (style_ & kComboTypeMask) != CBS_DROPDOWNLIST);
}

LRESULT Control::message(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (ComboBox* combo = comboBox()) return combo->message(msg, wParam, lParam, text_);
    if (UpDown* spin = upDown()) return spin->message(msg, wParam, lParam);
    return 0;
}

}  // namespace sim::dialog
