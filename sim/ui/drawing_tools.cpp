#include "drawing_tools.h"

#include <utility>

namespace sim::ui {

namespace {

int g_liveFonts = 0;

// Advance of a character as a share of the font height: fixed faces are wider on average.
constexpr double kFixedAdvance = 0.6;
constexpr double kProportionalAdvance = 0.5;

}  // namespace

HostFont::HostFont(FontSpec spec) : spec_(std::move(spec)) {
    ++g_liveFonts;
}

HostFont::~HostFont() {
    --g_liveFonts;
}

int charWidth(const FontSpec& font) {
    const double advance = font.proportional ? kProportionalAdvance : kFixedAdvance;
    return static_cast<int>(font.height * advance + 0.5);
}

int HostFont::liveCount() {
    return g_liveFonts;
}

}  // namespace sim::ui

oapi::Font* oapiCreateFont(int height, bool prop, const char* face, FontStyle style) {
    return oapiCreateFont(height, prop, face, style, 0);
}

oapi::Font* oapiCreateFont(int height, bool prop, const char* face, FontStyle style,
                           int orientation) {
    return new sim::ui::HostFont(
        {face != nullptr ? face : "", height, prop, static_cast<int>(style), orientation});
}

void oapiReleaseFont(oapi::Font* font) {
    delete font;
}
