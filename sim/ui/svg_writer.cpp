#include "svg_writer.h"

#include <cstdio>
#include <sstream>
#include <string_view>

#include "drawing_tools.h"
#include "text.h"

namespace sim::ui {

namespace {

constexpr int kButtonWidth = 36;     // [pixels]
constexpr int kButtonHeight = 22;    // [pixels]
constexpr int kButtonGap = 8;        // between a button column and the screen [pixels]
constexpr int kButtonFontSize = 12;  // [pixels]
constexpr int kButtonsPerSide = 6;
constexpr int kSideWidth = kButtonWidth + 2 * kButtonGap;  // [pixels]
constexpr int kFrame = kButtonGap;                         // above and below the screen [pixels]

// The host lays the buttons three text rows apart from the fourth row of a 20-row screen on,
// the rows modes write beside them.
constexpr double kFirstButtonCentre = 3.5 / 20.0;  // share of the screen height
constexpr double kButtonPitch = 3.0 / 20.0;        // share of the screen height

// Where a line of text sits against its anchor, as shares of the font height.
constexpr double kAscent = 0.8;
constexpr double kDescent = 0.2;

// 0xBBGGRR → "#rrggbb"
std::string cssColour(DWORD bgr) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", bgr & 0xFF, (bgr >> 8) & 0xFF,
                  (bgr >> 16) & 0xFF);
    return buffer;
}

// The generic faces every host understands; others are named, with the generic fallback.
std::string fontFamily(const FontSpec& font) {
    const std::string_view face = font.face;
    if (text::equalsNoCase(face, "Fixed")) return "'Courier New', monospace";
    if (text::equalsNoCase(face, "Sans")) return "Arial, sans-serif";
    if (text::equalsNoCase(face, "Serif")) return "'Times New Roman', serif";
    const char* generic = font.proportional ? "sans-serif" : "monospace";
    return face.empty() ? generic : "'" + text::xmlEscaped(face) + "', " + generic;
}

const char* textAnchor(oapi::Sketchpad::TAlign_horizontal h) {
    switch (h) {
        case oapi::Sketchpad::CENTER:
            return "middle";
        case oapi::Sketchpad::RIGHT:
            return "end";
        default:
            return "start";
    }
}

// The SVG baseline of a text whose anchor is at y with the given vertical alignment.
double baselineY(const TextItem& item) {
    switch (item.vertical) {
        case oapi::Sketchpad::TOP:
            return item.y + kAscent * item.font.height;
        case oapi::Sketchpad::BOTTOM:
            return item.y - kDescent * item.font.height;
        default:
            return item.y;
    }
}

void writeText(std::ostream& out, const TextItem& item) {
    const double x = item.x;
    const double y = baselineY(item);
    if (item.background) {
        const double width = charWidth(item.font) * static_cast<double>(item.text.size());
        double left = x;
        if (item.horizontal == oapi::Sketchpad::CENTER) left -= width / 2;
        if (item.horizontal == oapi::Sketchpad::RIGHT) left -= width;
        out << "  <rect x=\"" << left << "\" y=\"" << y - kAscent * item.font.height
            << "\" width=\"" << width << "\" height=\"" << item.font.height << "\" fill=\""
            << cssColour(*item.background) << "\"/>\n";
    }
    out << "  <text x=\"" << x << "\" y=\"" << y << "\" font-family=\"" << fontFamily(item.font)
        << "\" font-size=\"" << item.font.height << "\" fill=\"" << cssColour(item.colour)
        << "\" text-anchor=\"" << textAnchor(item.horizontal) << "\"";
    if (item.font.style & FONT_BOLD) out << " font-weight=\"bold\"";
    if (item.font.style & FONT_ITALIC) out << " font-style=\"italic\"";
    std::string decoration;
    if (item.font.style & FONT_UNDERLINE) decoration += "underline";
    if (item.font.style & FONT_STRIKEOUT)
        decoration += decoration.empty() ? "line-through" : " line-through";
    if (!decoration.empty()) out << " text-decoration=\"" << decoration << "\"";
    if (item.font.orientation != 0) {
        out << " transform=\"rotate(" << -item.font.orientation / 10.0 << ' ' << x << ' ' << y
            << ")\"";
    }
    out << " xml:space=\"preserve\">" << text::xmlEscaped(item.text) << "</text>\n";
}

void writeButton(std::ostream& out, int centreX, int centreY, const std::string& label) {
    out << "  <rect x=\"" << centreX - kButtonWidth / 2 << "\" y=\"" << centreY - kButtonHeight / 2
        << "\" width=\"" << kButtonWidth << "\" height=\"" << kButtonHeight
        << "\" rx=\"3\" fill=\"#3a3d40\" stroke=\"#6a6e72\"/>\n";
    if (label.empty()) return;
    out << "  <text x=\"" << centreX << "\" y=\"" << centreY + kButtonFontSize * 0.35
        << "\" font-family=\"Arial, sans-serif\" font-size=\"" << kButtonFontSize
        << "\" fill=\"#e0e0e0\" text-anchor=\"middle\" xml:space=\"preserve\">"
        << text::xmlEscaped(label) << "</text>\n";
}

}  // namespace

std::string displaySvg(const DisplayPicture& picture) {
    const int totalWidth = picture.width + 2 * kSideWidth;
    const int totalHeight = picture.height + 2 * kFrame;
    const int screenX = kSideWidth;
    const int screenY = kFrame;
    std::ostringstream out;
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << totalWidth << "\" height=\""
        << totalHeight << "\" viewBox=\"0 0 " << totalWidth << ' ' << totalHeight << "\">\n";
    out << "  <rect width=\"" << totalWidth << "\" height=\"" << totalHeight
        << "\" fill=\"#202326\"/>\n";
    out << "  <rect x=\"" << screenX << "\" y=\"" << screenY << "\" width=\"" << picture.width
        << "\" height=\"" << picture.height << "\" fill=\"#050805\"/>\n";
    out << "  <svg x=\"" << screenX << "\" y=\"" << screenY << "\" width=\"" << picture.width
        << "\" height=\"" << picture.height << "\" overflow=\"hidden\">\n";
    if (picture.texts != nullptr) {
        for (const TextItem& item : *picture.texts) writeText(out, item);
    }
    out << "  </svg>\n";
    for (int i = 0; i < 2 * kButtonsPerSide; ++i) {
        const int row = i % kButtonsPerSide;
        const bool left = i < kButtonsPerSide;
        const int centreX = left ? kSideWidth / 2 : screenX + picture.width + kSideWidth / 2;
        const int centreY =
            screenY + static_cast<int>(picture.height * (kFirstButtonCentre + kButtonPitch * row));
        writeButton(out, centreX, centreY, picture.buttonLabels[static_cast<std::size_t>(i)]);
    }
    out << "</svg>\n";
    return out.str();
}

}  // namespace sim::ui
