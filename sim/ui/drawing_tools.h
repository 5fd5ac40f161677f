// The fonts and pens the host hands to MFD modes. Fonts made with oapiCreateFont belong to the
// module until it releases them; a display's default fonts and pens belong to the display.
#pragma once

#include "display_list.h"

namespace sim::ui {

int charWidth(const FontSpec& font);  // average advance of one character [pixels]

class HostFont : public oapi::Font {
  public:
    explicit HostFont(FontSpec spec);
    ~HostFont() override;
    HostFont(const HostFont&) = delete;
    HostFont& operator=(const HostFont&) = delete;

    const FontSpec& spec() const { return spec_; }
    int charWidth() const { return ui::charWidth(spec_); }

    // Fonts alive in the process: a module that forgets oapiReleaseFont shows here.
    static int liveCount();

  private:
    FontSpec spec_;
};

class HostPen : public oapi::Pen {
  public:
    HostPen(DWORD colour, int width, int style) : colour_(colour), width_(width), style_(style) {}
    DWORD colour() const { return colour_; }  // 0xBBGGRR
    int width() const { return width_; }      // [pixels]
    int style() const { return style_; }      // 1 solid, 2 dashed

  private:
    DWORD colour_;
    int width_;
    int style_;
};

}  // namespace sim::ui
