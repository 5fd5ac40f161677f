// The drawing surface an MFD mode's Update receives: it draws nothing, it records each text
// with the font, colour, alignment and position in force, into the display's list.
#pragma once

#include "display_list.h"
#include "drawing_tools.h"

namespace sim::ui {

class RecordingSketchpad : public oapi::Sketchpad {
  public:
    // `defaultFont` stands for the font until the mode selects one; it must outlive the surface.
    RecordingSketchpad(const HostFont& defaultFont, DisplayList& list);

    oapi::Font* SetFont(oapi::Font* font) const override;
    oapi::Pen* SetPen(oapi::Pen* pen) const override;
    void SetTextAlign(TAlign_horizontal tah = LEFT, TAlign_vertical tav = TOP) override;
    DWORD SetTextColor(DWORD col) override;
    DWORD SetBackgroundColor(DWORD col) override;
    void SetBackgroundMode(BkgMode mode) override;
    DWORD GetCharSize() override;
    DWORD GetTextWidth(const char* str, int len = 0) override;
    void SetOrigin(int x, int y) override;
    void GetOrigin(int* x, int* y) const override;
    bool Text(int x, int y, const char* str, int len) override;

  private:
    const HostFont& currentFont() const;

    const HostFont& defaultFont_;
    DisplayList& list_;
    // The interface selects fonts and pens through const operations.
    mutable oapi::Font* font_ = nullptr;  // null: the default font
    mutable oapi::Pen* pen_ = nullptr;
    TAlign_horizontal horizontal_ = LEFT;
    TAlign_vertical vertical_ = TOP;
    DWORD textColour_ = 0xFFFFFF;
    DWORD backgroundColour_ = 0x000000;
    BkgMode backgroundMode_ = BK_TRANSPARENT;
    int originX_ = 0;
    int originY_ = 0;
};

}  // namespace sim::ui
