#include "recording_sketchpad.h"

#include <cstring>

namespace sim::ui {

RecordingSketchpad::RecordingSketchpad(const HostFont& defaultFont, DisplayList& list)
    : defaultFont_(defaultFont), list_(list) {}

const HostFont& RecordingSketchpad::currentFont() const {
    // Every font a module can hold comes from the host; anything else draws in the default.
    const auto* font = dynamic_cast<const HostFont*>(font_);
    return font != nullptr ? *font : defaultFont_;
}

oapi::Font* RecordingSketchpad::SetFont(oapi::Font* font) const {
    oapi::Font* previous = font_;
    font_ = font;
    return previous;
}

oapi::Pen* RecordingSketchpad::SetPen(oapi::Pen* pen) const {
    oapi::Pen* previous = pen_;
    pen_ = pen;
    return previous;
}

void RecordingSketchpad::SetTextAlign(TAlign_horizontal tah, TAlign_vertical tav) {
    horizontal_ = tah;
    vertical_ = tav;
}

DWORD RecordingSketchpad::SetTextColor(DWORD col) {
    const DWORD previous = textColour_;
    textColour_ = col;
    return previous;
}

DWORD RecordingSketchpad::SetBackgroundColor(DWORD col) {
    const DWORD previous = backgroundColour_;
    backgroundColour_ = col;
    return previous;
}

void RecordingSketchpad::SetBackgroundMode(BkgMode mode) {
    backgroundMode_ = mode;
}

DWORD RecordingSketchpad::GetCharSize() {
    const HostFont& font = currentFont();
    const auto height = static_cast<DWORD>(font.spec().height) & 0xFFFF;
    const auto width = static_cast<DWORD>(font.charWidth()) & 0xFFFF;
    return height | (width << 16);
}

DWORD RecordingSketchpad::GetTextWidth(const char* str, int len) {
    if (str == nullptr) return 0;
    const std::size_t count =
        len > 0 ? strnlen(str, static_cast<std::size_t>(len)) : std::strlen(str);
    return static_cast<DWORD>(count * static_cast<std::size_t>(currentFont().charWidth()));
}

void RecordingSketchpad::SetOrigin(int x, int y) {
    originX_ = x;
    originY_ = y;
}

void RecordingSketchpad::GetOrigin(int* x, int* y) const {
    if (x != nullptr) *x = originX_;
    if (y != nullptr) *y = originY_;
}

bool RecordingSketchpad::Text(int x, int y, const char* str, int len) {
    if (str == nullptr || len <= 0) return false;
    // A length past the terminator would read beyond the caller's text; stop at the terminator.
    const std::size_t count = strnlen(str, static_cast<std::size_t>(len));
    TextItem item;
    item.x = x + originX_;
    item.y = y + originY_;
    item.text.assign(str, count);
    item.font = currentFont().spec();
    item.colour = textColour_;
    item.horizontal = horizontal_;
    item.vertical = vertical_;
    if (backgroundMode_ == BK_OPAQUE) item.background = backgroundColour_;
    list_.push_back(std::move(item));
    return true;
}

}  // namespace sim::ui
