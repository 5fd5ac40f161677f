// What an MFD mode drew in one update, as the host's drawing surface recorded it. Tests read it
// as it stands; the SVG writer turns it into a picture of the display.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "draw_api.h"

namespace sim::ui {

struct FontSpec {
    std::string face;  // as the module named it: "Fixed", "Sans", "Serif" or a face name
    int height = 0;    // [pixels]
    bool proportional = false;
    int style = 0;        // FontStyle bits: bold 1, italic 2, underline 4, strikeout 8
    int orientation = 0;  // [0.1 deg], counter-clockwise

    bool operator==(const FontSpec&) const = default;
};

struct TextItem {
    int x = 0;  // anchor point, the surface origin applied [pixels]
    int y = 0;
    std::string text;
    FontSpec font;
    DWORD colour = 0;  // 0xBBGGRR
    oapi::Sketchpad::TAlign_horizontal horizontal = oapi::Sketchpad::LEFT;
    oapi::Sketchpad::TAlign_vertical vertical = oapi::Sketchpad::TOP;
    std::optional<DWORD> background;  // set when drawn in opaque background mode (0xBBGGRR)
};

using DisplayList = std::vector<TextItem>;

}  // namespace sim::ui
