// A picture of an MFD display as SVG: the dark screen with the texts where the host would draw
// them, and the twelve button labels beside it, six on each side.
#pragma once

#include <array>
#include <string>

#include "display_list.h"

namespace sim::ui {

struct DisplayPicture {
    int width = 0;  // of the screen [pixels]
    int height = 0;
    const DisplayList* texts = nullptr;
    std::array<std::string, 12> buttonLabels;  // 0-5 left from the top, 6-11 right
};

std::string displaySvg(const DisplayPicture& picture);

}  // namespace sim::ui
